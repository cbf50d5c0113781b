#include "household_entries.h"

namespace vendarion::datagen {
namespace {

// Name additions by part: 1 before the first name, 3 between first name and
// surname, 4 after the surname.
void AddTitles(BookContext& book, EntryLine* line) {
    Random& random = book.random();
    const std::uint32_t roll = random.Below(1000);
    if (roll < 3) {
        line->additions[0] = "Prof. Dr.";
    } else if (roll < 21) {
        line->additions[0] = "Dr.";
    } else if (roll < 33) {
        line->additions[3] = "Dipl.-Ing.";
    } else if (roll < 38) {
        line->additions[3] = "Dipl.-Kfm.";
    }
    if (random.Chance(3)) line->additions[2] = random.Chance(500) ? "von" : "von der";
}

EntryLine SubEntryOf(const EntryLine& main) {
    EntryLine sub = main;
    sub.level = 1;
    for (std::string& addition : sub.additions) addition.clear();
    sub.call_addition.clear();
    sub.extension_digits = 0;
    return sub;
}

void AddMembers(BookContext& book, const EntryLine& main, bool main_female) {
    Random& random = book.random();
    if (main.area == 0 && random.Chance(90)) {
        EntryLine fax = SubEntryOf(main);
        fax.call_addition = random.Chance(700) ? "Fax" : "Telefax";
        fax.phone = main.phone + 1 + random.Below(9);
        book.Emit(fax);
    }
    if (random.Chance(110)) {
        EntryLine mobile = SubEntryOf(main);
        mobile.call_addition = "Mobil";
        book.SetMobile(&mobile);
        book.Emit(mobile);
    }
    if (random.Chance(40)) {
        // A partner or grown-up child with a line of their own, and at times a mobile
        // number under it.
        EntryLine member = SubEntryOf(main);
        member.first_name = book.FirstName(!main_female || random.Chance(300));
        if (random.Chance(200)) member.surname = book.Surname();
        member.phone = book.LocalNumber(book.LocalDigits());
        book.Emit(member);
        if (random.Chance(300)) {
            EntryLine mobile = SubEntryOf(member);
            mobile.level = 2;
            mobile.call_addition = "Mobil";
            book.SetMobile(&mobile);
            book.Emit(mobile);
        }
    }
}

}  // namespace

void GenerateHousehold(BookContext& book) {
    Random& random = book.random();
    EntryLine line = book.MainEntry();
    line.surname = book.Surname();
    const bool female = random.Chance(380);
    line.first_name = book.FirstName(female);
    if (random.Chance(30)) line.first_name += " u. " + book.FirstName(!female);
    AddTitles(book, &line);
    if (random.Chance(15)) {
        line.call_addition = "Anrufbeantworter";
    } else if (random.Chance(30)) {
        book.SetMobile(&line);
        line.call_addition = "Mobil";
    }
    book.Emit(line);
    AddMembers(book, line, female);
}

}  // namespace vendarion::datagen
