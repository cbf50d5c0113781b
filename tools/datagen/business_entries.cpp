#include "business_entries.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace vendarion::datagen {
namespace {

constexpr const char* kDepartments[] = {"Geschäftsleitung",
                                        "Sekretariat",
                                        "Buchhaltung",
                                        "Vertrieb",
                                        "Einkauf",
                                        "Personalabteilung",
                                        "Kundendienst",
                                        "Lager",
                                        "Werkstatt",
                                        "Versand",
                                        "Empfang",
                                        "Technik",
                                        "Marketing",
                                        "Ersatzteile",
                                        "Auftragsannahme",
                                        "Ausbildung",
                                        "Rechnungswesen",
                                        "Qualitätssicherung",
                                        "Labor",
                                        "Entwicklung",
                                        "Montage",
                                        "Verwaltung",
                                        "Disposition",
                                        "Service"};
constexpr const char* kSections[] = {"Abteilung", "Sachgebiet", "Referat", "Gruppe", "Team"};
constexpr int kMaxLevel = 7;

std::string Replace(std::string text, const std::string& key, const std::string& value) {
    for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at)) {
        text.replace(at, key.size(), value);
        at += value.size();
    }
    return text;
}

// Entries under a switchboard: base is the number without extension.
struct Switchboard {
    std::uint32_t base = 0;
    int base_digits = 0;
};

EntryLine Extension(const EntryLine& main, const Switchboard& board, int level,
                    std::uint32_t extension, int digits) {
    EntryLine sub;
    sub.book = main.book;
    sub.level = level;
    sub.place = main.place;
    sub.postal = main.postal;
    sub.area = main.area;
    std::uint32_t phone = board.base;
    for (int i = 0; i < digits; ++i) phone *= 10;
    sub.phone = phone + extension;
    sub.extension_digits = digits;
    return sub;
}

void AddDepartments(BookContext& book, const EntryLine& main, const Switchboard& board, int level,
                    int children, std::uint32_t* next_extension) {
    Random& random = book.random();
    for (int child = 0; child < children; ++child) {
        const int digits = *next_extension < 100 ? 2 : 3;
        EntryLine sub = Extension(main, board, level, (*next_extension)++, digits);
        const bool person = level > 1 && random.Chance(600);
        if (person) {
            sub.surname = book.Surname();
            sub.first_name = book.FirstName(random.Chance(500));
        } else if (level <= 2) {
            sub.surname = kDepartments[random.Below(std::size(kDepartments))];
        } else {
            sub.surname = std::string(kSections[random.Below(std::size(kSections))]) + " " +
                          std::to_string(random.Between(1, 9));
        }
        book.Emit(sub);
        if (!person && level < kMaxLevel && random.Chance(level == 1 ? 300 : 200)) {
            AddDepartments(book, main, board, level + 1, random.Between(1, 4), next_extension);
        }
    }
}

void AddSwitchboard(BookContext& book, EntryLine* main, bool large) {
    Random& random = book.random();
    Switchboard board;
    board.base_digits = std::min(book.LocalDigits() - 1, 6);
    board.base = book.LocalNumber(board.base_digits);
    main->phone = board.base * 10;
    main->extension_digits = 1;
    book.Emit(*main);
    std::uint32_t next_extension = 10;
    EntryLine fax = Extension(*main, board, 1, 99, 2);
    fax.surname = main->surname;
    fax.call_addition = "Fax";
    book.Emit(fax);
    AddDepartments(book, *main, board, 1, large ? random.Between(4, 10) : random.Between(1, 4),
                   &next_extension);
}

void AddOwnerName(BookContext& book, const Heading& heading, EntryLine* line) {
    Random& random = book.random();
    const bool female = random.Chance(420);
    line->surname = book.Surname();
    line->first_name = book.FirstName(female);
    if (!heading.title.empty() && random.Chance(heading.title_percent * 10)) {
        line->additions[heading.title == "Dipl.-Ing." || heading.title == "Dipl.-Kfm." ||
                                heading.title == "Dipl.-Psych."
                            ? 3
                            : 0] = heading.title;
    }
}

void AddPartnerAndFax(BookContext& book, const Heading& heading, const EntryLine& main) {
    Random& random = book.random();
    if (random.Chance(200)) {
        EntryLine partner = main;
        partner.level = 1;
        for (std::string& addition : partner.additions) addition.clear();
        AddOwnerName(book, heading, &partner);
        partner.phone = book.LocalNumber(book.LocalDigits());
        book.Emit(partner);
    }
    if (random.Chance(350)) {
        EntryLine fax = main;
        fax.level = 1;
        fax.call_addition = "Fax";
        fax.phone = main.phone + 1 + random.Below(20);
        book.Emit(fax);
    }
    if (random.Chance(60)) {
        EntryLine other = main;
        other.level = 1;
        other.call_addition = random.Chance(500) ? "Notdienst" : "Privat";
        if (other.call_addition == "Notdienst") {
            book.SetMobile(&other);
        } else {
            other.phone = book.LocalNumber(book.LocalDigits());
        }
        book.Emit(other);
    }
}

}  // namespace

void GenerateBusiness(BookContext& book) {
    Random& random = book.random();
    const Heading& heading = book.PickHeading();
    EntryLine line = book.MainEntry();
    line.heading = heading.name;
    line.call_addition = heading.call_addition;
    if (heading.pattern.empty()) {
        AddOwnerName(book, heading, &line);
        book.Emit(line);
        AddPartnerAndFax(book, heading, line);
        return;
    }
    const std::string town =
        book.plan().place_names.empty() ? book.plan().name : book.plan().place_names[0];
    line.surname = Replace(Replace(heading.pattern, "{S}", book.Surname()), "{O}", town);
    const std::uint32_t size = random.Below(1000);
    if (size < 800) {
        book.Emit(line);
        AddPartnerAndFax(book, heading, line);
    } else {
        AddSwitchboard(book, &line, size >= 975);
    }
}

}  // namespace vendarion::datagen
