#include "sample_data_set.h"

#include <algorithm>
#include <map>
#include <set>

#include "base/fold_text.h"
#include "base/phonetic_code.h"
#include "store/archive_writer.h"

namespace vendarion::test {
namespace {

std::vector<std::string> Surnames() {
    std::vector<std::string> names = {"M\xFCller", "Mueller",   "Meier",    "Mayer",
                                      "Schmidt",   "Schneider", "Schulz",   "Weber",
                                      "Wagner",    "Becker",    "Hoffmann", "Fischer",
                                      "Ebert",     "Strau\xDF", "Schwarz",  "O'Neill"};
    for (const char* stem : {"Bau", "Berg", "Brand", "Dorn", "Eich", "Feld", "Graf", "Hahn", "Kern",
                             "Lang", "Mohr", "Rot", "Stein", "Wald"}) {
        for (const char* end : {"er", "mann", "hoff", "ke", "el"}) {
            names.push_back(std::string(stem) + end);
        }
    }
    return SortedByFold(names);
}

std::vector<std::string> FirstNames() {
    std::vector<std::string> names = {"Anna",    "Bernd", "Claudia", "Dieter",    "Eva",  "Frank",
                                      "Gisela",  "Hans",  "Ingrid",  "J\xFCrgen", "Karl", "Lena",
                                      "Michael", "Nina",  "Otto",    "Petra"};
    for (int i = 0; i < 50; ++i) names.push_back("Vorname" + std::to_string(100 + i));
    return SortedByFold(names);
}

std::vector<ListEntry> Sorted(std::vector<ListEntry> entries, bool folded) {
    std::stable_sort(entries.begin(), entries.end(), [&](const ListEntry& a, const ListEntry& b) {
        return folded ? CompareFolded(FoldText(a.first), FoldText(b.first), -1) < 0
                      : a.first < b.first;
    });
    return entries;
}

void AddBooks(SampleDataSet* data) {
    data->books = {
        {0, "Berlin", "10115", {30}, {10115, 13581}, {"Berlin", "Spandau"}},
        {0, "K\xF6ln", "50667", {221, 2203}, {50667, 51143}, {"K\xF6ln", "Porz"}},
        {0, "M\xFCllheim", "79379", {7631}, {79379}, {"M\xFCllheim"}},
    };
    data->towns = Sorted({{"Berlin", "10115", 0},
                          {"Spandau", "13581", 0},
                          {"K\xF6ln", "50667", 1},
                          {"Porz", "51143", 1},
                          {"M\xFCllheim", "79379", 2},
                          {"Bad Salzuflen", "32105", 0},
                          {"Gro\xDF-Gerau", "64521", 1},
                          {"Aachen", "52062", 2},
                          {"Zwickau", "08056", 0}},
                         true);
    data->postal_codes = Sorted({{"10115", "Berlin", 0},
                                 {"13581", "Spandau", 0},
                                 {"50667", "K\xF6ln", 1},
                                 {"51143", "Porz", 1},
                                 {"79379", "M\xFCllheim", 2},
                                 {"52062", "Aachen", 2},
                                 {"08056", "Zwickau", 0}},
                                false);
    data->area_codes = Sorted({{"030", "Berlin", 0},
                               {"0221", "K\xF6ln", 1},
                               {"02203", "Porz", 1},
                               {"07631", "M\xFCllheim", 2},
                               {"0241", "Aachen", 2}},
                              false);
}

// Main entries of each book in key order; every tenth gets a sub-entry, every
// fiftieth a second one below it. Book 2 has a single street and book 1 no headings.
void AddRecords(SampleDataSet* data) {
    const int first_names_per_book[] = {66, 20, 3};
    int serial = 0;
    for (int book = 0; book < 3; ++book) {
        // The last five surnames occur only in book 0, the five before them in books
        // 0 and 1.
        const std::size_t surnames = data->surnames.size() - (book == 0 ? 0 : book == 1 ? 5 : 10);
        for (std::size_t s = 0; s < surnames; ++s) {
            for (int f = 0; f < first_names_per_book[book]; ++f) {
                ++serial;
                TableRecord r;
                r.book = static_cast<std::uint16_t>(book);
                r.place = static_cast<std::uint8_t>(1 + serial % data->books[book].places.size());
                r.postal_code = static_cast<std::uint8_t>(serial % 5 == 0 ? 0 : 1);
                r.area_code =
                    static_cast<std::uint8_t>(1 + serial % data->books[book].area_codes.size());
                r.surname = static_cast<std::uint32_t>(s + 1);
                r.first_name = static_cast<std::uint32_t>(f + 1);
                r.street =
                    book == 2 ? 3 : static_cast<std::uint32_t>(1 + serial % (book == 0 ? 7 : 8));
                r.heading = book == 1 ? 0 : (serial % 3 == 0 ? 1 + serial % 5 : 0);
                r.house_number = static_cast<std::uint16_t>(serial % 6);
                r.name_additions = static_cast<std::uint32_t>(serial % 5);
                r.phone = 1000000 + serial * 7;
                r.extension = static_cast<std::uint8_t>(serial % 13 == 0 ? 2 : 0);
                r.flag = serial % 17 == 0;
                data->records.push_back(r);
                for (int depth = 1; depth <= (serial % 50 == 0   ? 2
                                              : serial % 10 == 0 ? 1
                                                                 : 0);
                     ++depth) {
                    TableRecord sub = r;
                    sub.level = static_cast<std::uint8_t>(depth);
                    sub.call_addition = static_cast<std::uint8_t>(1 + (serial + depth) % 3);
                    sub.phone = r.phone + depth;
                    data->records.push_back(sub);
                }
            }
        }
        data->books[book].entry_count = 0;
    }
    for (const TableRecord& r : data->records) ++data->books[r.book].entry_count;
}

std::vector<std::vector<std::uint32_t>> Relation(const SampleDataSet& data, bool streets) {
    std::vector<std::set<std::uint32_t>> sets(data.books.size());
    for (const TableRecord& r : data.records) {
        const std::uint32_t id = streets ? r.street : r.heading;
        if (id != 0 && r.book < sets.size()) sets[r.book].insert(id);
    }
    std::vector<std::vector<std::uint32_t>> out;
    for (const auto& set : sets) out.emplace_back(set.begin(), set.end());
    return out;
}

std::vector<std::pair<std::uint32_t, std::vector<std::int16_t>>> NameBooks(
    const SampleDataSet& data) {
    std::map<std::uint32_t, std::set<std::int16_t>> books;
    for (const TableRecord& r : data.records) {
        if (r.surname == 0 || r.surname > data.surnames.size()) continue;
        books[r.surname].insert(static_cast<std::int16_t>(r.book));
    }
    std::vector<std::pair<std::uint32_t, std::vector<std::int16_t>>> out;
    for (const auto& [id, set] : books) out.push_back({id, {set.begin(), set.end()}});
    return out;
}

std::vector<std::pair<std::string, std::vector<std::int32_t>>> Phonetic(const SampleDataSet& data) {
    std::map<std::string, std::vector<std::int32_t>> codes;
    for (std::size_t n = 0; n < data.surnames.size(); ++n) {
        codes[PhoneticCode(data.surnames[n]).substr(0, 5)].push_back(
            static_cast<std::int32_t>(n + 1));
    }
    return {codes.begin(), codes.end()};
}

using Members = std::vector<std::pair<std::string, std::string>>;

bool WriteArchive(const std::string& folder, const std::string& file, const Members& members,
                  const MemberEdit& edit) {
    ArchiveWriter writer;
    if (!writer.Create(folder + "/" + file)) return false;
    for (auto [name, bytes] : members) {
        if (edit && !edit(file, name, &bytes)) continue;
        if (!writer.AddMember(name, bytes)) return false;
    }
    return writer.Finish();
}

}  // namespace

SampleDataSet MakeSampleDataSet() {
    SampleDataSet data;
    AddBooks(&data);
    data.surnames = Surnames();
    data.first_names = FirstNames();
    data.streets =
        SortedByFold({"Hauptstra\xDF"
                      "e",
                      "Bahnhofstr.", "Kirchweg", "Lindenallee", "Am Markt",
                      "Schillerstra\xDF"
                      "e",
                      "Goethestra\xDF"
                      "e",
                      "Marktplatz"});
    data.headings = SortedByFold({"\xC4rzte",
                                  "B\xE4"
                                  "ckerei",
                                  "Friseur", "Rechtsanw\xE4lte", "Zahn\xE4rzte"});
    data.call_additions = {"Fax", "Mobil", "Praxis"};
    data.house_numbers = SortedByFold({"1", "10", "12", "2", "3a"});
    data.name_additions =
        SortedByFold({"Dr.\t\t\t\t", "\tvon\t\t\t", "Prof. Dr.\t\t\t\t", "\t\tJr.\t\t"});
    AddRecords(&data);
    data.countries = {{"0049", "D", "Deutschland"},
                      {"0043", "A", "\xD6sterreich"},
                      {"0041", "CH", "Schweiz"},
                      {"0033", "F", "Frankreich"}};
    data.banks = {{"10010010", "Postbank", "10559", "Berlin"},
                  {"37050198", "Sparkasse K\xF6lnBonn", "50667", "K\xF6ln"},
                  {"68350048", "Sparkasse L\xF6rrach", "79539", "L\xF6rrach"}};
    return data;
}

bool WriteSampleDataSet(const SampleDataSet& data, const std::string& folder,
                        const MemberEdit& edit) {
    Members index = {{"VERSION", VersionMember(1, 3)}};
    Members code;
    const std::pair<const char*, const std::vector<std::string>*> dictionaries[] = {
        {"Namen", &data.surnames},           {"Vornamen", &data.first_names},
        {"Strassen", &data.streets},         {"bezeichnungen", &data.headings},
        {"rufzusatz", &data.call_additions}, {"hausnr", &data.house_numbers},
        {"namezusatz", &data.name_additions}};
    for (const auto& [name, words] : dictionaries) {
        const DictionaryMembers members = BuildDictionary(*words);
        index.push_back({std::string(name) + ".idx", members.idx});
        index.push_back({std::string(name) + ".tri", members.tri});
        code.push_back({std::string(name) + ".dz", members.dz});
    }
    const TableMembers table = BuildMainTable(data.records, data.fan_out);
    std::vector<std::string> folded_names;
    std::vector<int> entry_numbers;
    const auto name_books = NameBooks(data);
    for (std::size_t e = 0; e < name_books.size(); ++e) {
        folded_names.push_back(FoldText(data.surnames[name_books[e].first - 1]));
        entry_numbers.push_back(static_cast<int>(e));
    }
    index.push_back({"BookData.dat", BuildBookData(data.books)});
    index.push_back({"MainTable.idx", table.index});
    index.push_back({"ausland.dat", BuildCountries(data.countries)});
    index.push_back({"blz.dat", BuildBanks(data.banks)});
    index.push_back({"NameToBooks.tri2", BuildTrie(folded_names, entry_numbers)});
    code.push_back({"phonetic.dat", BuildPhonetic(Phonetic(data))});
    Members list;
    const std::pair<const char*, ListMembers> lists[] = {
        {"Orte", BuildSortedList(ListKind::kTowns, data.towns, data.list_block)},
        {"PLZs", BuildSortedList(ListKind::kPostalCodes, data.postal_codes, data.list_block)},
        {"Vorwahlen", BuildSortedList(ListKind::kAreaCodes, data.area_codes, data.list_block)}};
    for (const auto& [name, members] : lists) {
        list.push_back({std::string(name) + ".i2", members.index});
        list.push_back({std::string(name) + ".z2", members.data});
    }
    list.push_back({"TipsAndTricks.txt", "Tipp 1\r\n"});
    Members data_members = {{"MainTable.z", table.data},
                            {"BookToStrassen.bhi", BuildRelationIndex(Relation(data, true))},
                            {"BookToBezeichnungen.bhi", BuildRelationIndex(Relation(data, false))},
                            {"NameToBooks.bhi", BuildNameToBooks(name_books)}};
    if (data.sub_name_block > 0) {
        data_members.push_back(
            {"SubEntryNames.z",
             BuildSubNameIndex(data.records, data.books.size(),
                               static_cast<std::uint32_t>(data.sub_name_block))});
    }
    return WriteArchive(folder, "Index.mf", index, edit) &&
           WriteArchive(folder, "Code.mf", code, edit) &&
           WriteArchive(folder, "List.mf", list, edit) &&
           WriteArchive(folder, "Data.mf", data_members, edit);
}

}  // namespace vendarion::test
