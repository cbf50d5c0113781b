// book, find, entries: a book and its subscriber entries; streets, headings: the
// relation indexes of a book; books: the books of a surname; soundalike: the
// phonetic candidates of a name.
#include <cstdio>
#include <string>
#include <vector>

#include "base/cp1252.h"
#include "base/phonetic_code.h"
#include "commands.h"
#include "data_options.h"
#include "store/main_table_format.h"

namespace vendarion::query_tool {
namespace {

constexpr int kDefaultEntries = 20;

// Parses --data and a leading BOOK number; the rest stays in parsed->positional.
int ParseBookArguments(const Arguments& args, std::string_view command, std::size_t min_rest,
                       std::size_t max_rest, DataArguments* parsed, int* book) {
    if (!ParseDataArguments(args, command, parsed)) return 2;
    const std::size_t rest = parsed->positional.size();
    if (rest < 1 + min_rest || rest > 1 + max_rest) {
        return UsageError(std::string(command) + ": wrong number of arguments");
    }
    const std::optional<int> number = ParseNumber(parsed->positional[0]);
    if (!number) return UsageError("BOOK must be a number");
    *book = *number;
    return 0;
}

void PrintEntry(int n, const SubscriberEntry& entry) {
    std::string line = Number(n);
    for (const std::string& field : {Number(entry.level), Number(entry.flag)}) {
        line.push_back('\t');
        line += field;
    }
    for (const std::string& field : entry.fields) {
        line.push_back('\t');
        line += Cp1252ToUtf8(field);
    }
    std::puts(line.c_str());
}

int RunRelation(const Arguments& args, std::string_view command,
                const RelationIndex& (DataSet::*index)() const) {
    DataArguments parsed;
    int book = 0;
    if (const int usage = ParseBookArguments(args, command, 0, 1, &parsed, &book)) return usage;
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    const RelationIndex& relation = (data_set.*index)();
    BookList& books = data_set.Books();
    if (parsed.positional.size() == 2) {
        const int position = relation.Find(books, book, Utf8ToCp1252(parsed.positional[1]));
        if (position >= 0) PrintRow({Number(position), relation.Item(books, book, position)});
        return 0;
    }
    for (int i = 0; i < relation.Count(book); ++i) {
        PrintRow({Number(i), relation.Item(books, book, i)});
    }
    return 0;
}

}  // namespace

int RunBook(const Arguments& args) {
    DataArguments parsed;
    int book = 0;
    if (const int usage = ParseBookArguments(args, "book", 0, 0, &parsed, &book)) return usage;
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    const BookData& books = data_set.Books().Books();
    PrintRow({Number(book), books.Name(book), books.TownPostalCode(book),
              Number(books.EntryCount(book))});
    return 0;
}

int RunFind(const Arguments& args) {
    DataArguments parsed;
    int book = 0;
    if (const int usage = ParseBookArguments(args, "find", 0, 2, &parsed, &book)) return usage;
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    const Arguments& rest = parsed.positional;
    const std::string surname = rest.size() > 1 ? Utf8ToCp1252(rest[1]) : "";
    const std::string first_name = rest.size() > 2 ? Utf8ToCp1252(rest[2]) : "";
    std::printf("%d\n", data_set.Books().Find(book, surname, first_name));
    return 0;
}

int RunEntries(const Arguments& args) {
    DataArguments parsed;
    int book = 0;
    if (const int usage = ParseBookArguments(args, "entries", 0, 2, &parsed, &book)) return usage;
    const Arguments& rest = parsed.positional;
    const std::optional<int> from = rest.size() > 1 ? ParseNumber(rest[1]) : -1;
    const std::optional<int> count = rest.size() > 2 ? ParseNumber(rest[2]) : kDefaultEntries;
    if (!from || !count) return UsageError("POSITION and COUNT must be numbers");
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    BookList& books = data_set.Books();
    const int first = *from >= 0 ? *from : books.Find(book, "", "");
    std::vector<SubscriberEntry> entry(1);
    RawRecord raw{};
    for (int n = first; n >= 0 && n < first + *count && n < books.Table().Count(); ++n) {
        if (books.Table().ReadOne(n, &raw) != 0 || books.Read(n, n, entry) != 0) {
            return Failure("entry " + Number(n) + " cannot be read (damaged block)");
        }
        if (LoadU16(raw.data() + main_table_format::kBook) != book) break;
        PrintEntry(n, entry[0]);
    }
    return 0;
}

int RunStreets(const Arguments& args) {
    return RunRelation(args, "streets", &DataSet::StreetIndex);
}
int RunHeadings(const Arguments& args) {
    return RunRelation(args, "headings", &DataSet::HeadingIndex);
}

int RunBooks(const Arguments& args) {
    DataArguments parsed;
    if (!ParseDataArguments(args, "books", &parsed)) return 2;
    if (parsed.positional.size() != 1) return UsageError("books needs SURNAME");
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    const NameToBooks& names = data_set.NameIndex();
    BookList& books = data_set.Books();
    const int entry = names.Find(books, Utf8ToCp1252(parsed.positional[0]));
    if (entry < 0) return 0;
    const std::string surname(names.Name(books, entry));
    std::vector<std::int16_t> numbers;
    names.Books(entry, 0, names.BookCount(entry) - 1, &numbers);
    for (std::int16_t book : numbers) {
        PrintRow({surname, Number(book), books.Books().Name(book)});
    }
    return 0;
}

int RunSoundAlike(const Arguments& args) {
    DataArguments parsed;
    if (!ParseDataArguments(args, "soundalike", &parsed)) return 2;
    if (parsed.positional.size() != 1) return UsageError("soundalike needs NAME");
    DataSet data_set;
    if (!OpenDataSet(parsed.folder, &data_set)) return 1;
    BookList& books = data_set.Books();
    const std::string name = Utf8ToCp1252(parsed.positional[0]);
    PhoneticIds ids;
    if (books.Phonetic().Find(name, &ids) != 0) return 0;
    const std::string code = PhoneticCode(name).substr(0, kPhoneticCodeLength);
    for (int i = 0; i < ids.Count(); ++i) {
        const std::int32_t id = ids.At(i);
        PrintRow({code, Number(id), id > 0 ? books.Surnames().Word(id - 1) : ""});
    }
    return 0;
}

}  // namespace vendarion::query_tool
