// The sample data set that the build generates and compiles, read through the
// store's readers: known towns lead to the right books under their own postal codes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/cp1252.h"
#include "base/fold_text.h"
#include "store/data_set.h"
#include "tsv_file.h"

namespace vendarion {
namespace {

// A place as the postal list and the area codes name it: town, its first postal
// code in the book (empty where no source gives the place's own code), the book's
// area code and the book's name. UTF-8.
struct SpotCheck {
    const char* town;
    const char* postal_code;
    const char* area_code;
    const char* book;
};

const SpotCheck kSpotChecks[] = {
    {"Köln", "50667", "0221", "Köln"},
    {"Köln-Porz", "", "02203", "Köln-Porz"},
    {"Bergisch Gladbach", "51427", "02202", "Bergisch Gladbach"},
    {"Bensberg", "", "02204", "Bensberg"},
    {"Aachen", "52062", "0241", "Aachen"},
    {"Aachen-Kornelimünster", "", "02408", "Aachen-Kornelimünster"},
    {"Berlin", "10115", "030", "Berlin"},
    {"Hamburg", "20095", "040", "Hamburg"},
    {"München", "80331", "089", "München"},
    {"Frankfurt am Main", "60306", "069", "Frankfurt am Main"},
    {"Frankfurt-Bergen-Enkheim", "", "06109", "Frankfurt-Bergen-Enkheim"},
    {"Frankfurt (Oder)", "15230", "0335", "Frankfurt (Oder)"},
    {"Halle (Saale)", "06108", "0345", "Halle (Saale)"},
    {"Neustadt an der Weinstraße", "67433", "06321", "Neustadt an der Weinstraße"},
    {"Neustadt in Holstein", "23730", "04561", "Neustadt in Holstein"},
    {"Neustadt am Rübenberge", "31535", "05032", "Neustadt am Rübenberge"},
    {"Neustadt-Hagen", "", "05034", "Neustadt-Hagen"},
    {"Neustadt (Dosse)", "16845", "033970", "Neustadt (Dosse)"},
    {"Bautzen", "02625", "03591", "Bautzen"},
    {"Cottbus", "03042", "0355", "Cottbus"},
    {"Hoyerswerda", "02977", "03571", "Hoyerswerda"},
    {"Weißwasser/O.L.", "02943", "03576", "Weißwasser/O.L."},
    {"Görlitz", "02826", "03581", "Görlitz"},
    {"Dresden", "01067", "0351", "Dresden"},
    {"Leipzig", "04103", "0341", "Leipzig"},
    {"Chemnitz", "09111", "0371", "Chemnitz"},
    {"Jena", "07743", "03641", "Jena"},
    {"Zwickau", "08056", "0375", "Zwickau"},
    {"Erfurt", "99084", "0361", "Erfurt"},
    {"Rostock", "18055", "0381", "Rostock"},
    {"Kiel", "24103", "0431", "Kiel"},
    {"Bremen", "27568", "0421", "Bremen"},
    {"Hannover", "30159", "0511", "Hannover"},
    {"Essen", "45127", "0201", "Essen"},
    {"Essen-Kettwig", "", "02054", "Essen-Kettwig"},
    {"Düsseldorf", "40210", "0211", "Düsseldorf"},
    {"Bonn", "53111", "0228", "Bonn"},
    {"Nettetal-Lobberich", "41334", "02153", "Nettetal-Lobberich"},
    {"Mannheim", "68159", "0621", "Mannheim"},
    {"Stuttgart", "70173", "0711", "Stuttgart"},
    {"Nürnberg", "90402", "0911", "Nürnberg"},
    {"Nassenheide", "16515", "033051", "Nassenheide"},
    {"Gross Glienicke", "14476", "033201", "Gross Glienicke"},
    {"Neuengeseke", "59505", "02927", "Neuengeseke"},
    {"Wünnenberg", "33181", "02953", "Wünnenberg"},
};

class SampleSet : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        data_ = new DataSet;
        ASSERT_EQ(data_->Open(VENDARION_SAMPLE_DATA_DIR), DataSetStep::kComplete);
    }
    static void TearDownTestSuite() {
        delete data_;
        data_ = nullptr;
    }

    // A record copied out of the list's block buffer.
    struct Row {
        int number = -1;
        std::string first;
        std::string second;
        int book = -1;
    };

    // Records of the list whose first field equals text (folded for towns), in order.
    static std::vector<Row> Run(SortedList& list, const std::string& text) {
        std::vector<Row> run;
        const bool towns = list.Kind() == ListKind::kTowns;
        const std::string key = towns ? FoldText(text) : text;
        for (int r = list.FindPrefix(text); r >= 0 && r < list.Count(); ++r) {
            const ListRecord record = list.Parse(list.Record(r));
            if ((towns ? FoldText(record.first) : std::string(record.first)) != key) break;
            run.push_back({r, std::string(record.first), std::string(record.second), record.book});
        }
        return run;
    }

    static std::string BookName(int book) {
        return Cp1252ToUtf8(data_->Books().Books().Name(book));
    }

    static DataSet* data_;
};

DataSet* SampleSet::data_ = nullptr;

TEST_F(SampleSet, SpotChecksLeadToTheirBooksUnderTheirOwnPostalCodes) {
    ASSERT_GE(std::size(kSpotChecks), 40u);
    for (const SpotCheck& check : kSpotChecks) {
        SCOPED_TRACE(std::string(check.town) + " " + check.area_code);
        int book = -1;
        for (const Row& area : Run(data_->AreaCodes(), check.area_code)) book = area.book;
        ASSERT_GE(book, 0) << "area code not listed";
        EXPECT_EQ(BookName(book), check.book);
        const std::string town = Utf8ToCp1252(check.town);
        bool found = false;
        for (const Row& row : Run(data_->Towns(), town)) {
            if (row.first != town || row.book != book) continue;
            EXPECT_FALSE(found) << "listed twice in one book";
            EXPECT_EQ(row.second, check.postal_code);
            found = true;
        }
        EXPECT_TRUE(found) << "no town record in the book";
        if (*check.postal_code == '\0') continue;
        bool coded = false;
        for (const Row& code : Run(data_->PostalCodes(), check.postal_code)) {
            coded = coded || code.book == book;
        }
        EXPECT_TRUE(coded) << "postal code not listed for the book";
    }
}

TEST_F(SampleSet, TypedTownsAndCodesLandOnTheirFirstRow) {
    SortedList& towns = data_->Towns();
    const int berlin = towns.FindPrefix("Berlin");
    ASSERT_GE(berlin, 1);
    EXPECT_EQ(towns.Parse(towns.Record(berlin)).first, "Berlin");
    EXPECT_LT(CompareFolded(FoldText(towns.Parse(towns.Record(berlin - 1)).first), "berlin", -1),
              0);
    EXPECT_EQ(Run(towns, "Berlin").size(), 1u) << "Berlin is one book";
    // Köln's own book comes first; its district book follows as a row of its own.
    const int koeln = towns.FindPrefix("K\xF6ln");
    ASSERT_GE(koeln, 0);
    const std::vector<Row> own = Run(towns, "K\xF6ln");
    ASSERT_EQ(own.size(), 1u);
    EXPECT_EQ(own[0].number, koeln);
    EXPECT_EQ(own[0].second, "50667");
    EXPECT_EQ(BookName(own[0].book), "Köln");
    const ListRecord next = towns.Parse(towns.Record(koeln + 1));
    EXPECT_EQ(next.first, "K\xF6ln-Porz");
    EXPECT_EQ(BookName(next.book), "Köln-Porz");
    SortedList& postal = data_->PostalCodes();
    const int code = postal.FindPrefix("50667");
    ASSERT_GE(code, 0);
    const ListRecord first = postal.Parse(postal.Record(code));
    EXPECT_EQ(first.first, "50667");
    EXPECT_EQ(first.second, "K\xF6ln");
    for (const Row& row : Run(postal, "50667")) {
        EXPECT_EQ(BookName(row.book), "Köln") << "50667 is Köln's alone";
    }
}

TEST_F(SampleSet, OneTownRecordPerTownAndBook) {
    datagen::TsvRows places;
    std::string error;
    ASSERT_TRUE(
        datagen::ReadTsv(std::string(VENDARION_FACTS_DIR) + "/book_places.tsv", 3, &places, &error))
        << error;
    std::set<std::pair<std::string, std::string>> pairs;
    for (const auto& row : places) pairs.insert({row[0], row[1]});
    SortedList& towns = data_->Towns();
    EXPECT_EQ(static_cast<std::size_t>(towns.Count()), pairs.size());
    std::set<std::pair<std::string, int>> seen;
    for (int r = 0; r < towns.Count(); ++r) {
        const ListRecord record = towns.Parse(towns.Record(r));
        EXPECT_TRUE(seen.insert({std::string(record.first), record.book}).second)
            << record.first << " twice in book " << record.book;
    }
}

}  // namespace
}  // namespace vendarion
