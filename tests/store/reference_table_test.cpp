#include "store/reference_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/phonetic_code.h"
#include "store/phonetic_index.h"
#include "store_builders.h"

namespace vendarion {
namespace {

std::vector<int> AllMatches(const ReferenceTable& table, std::string_view text) {
    std::vector<int> found;
    int position = 0;
    for (int r; (r = table.NextMatch(&position, text)) >= 0;) {
        found.push_back(r);
        EXPECT_EQ(position, r + 1);
    }
    return found;
}

class ReferenceTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(countries_.Open(ReferenceKind::kCountries, ByteView(countries_bytes_)));
        ASSERT_TRUE(banks_.Open(ReferenceKind::kBanks, ByteView(banks_bytes_)));
    }

    std::string countries_bytes_ = test::BuildCountries({{"0049", "D", "Deutschland"},
                                                         {"0043", "A", "\xD6sterreich"},
                                                         {"0041", "CH", "Schweiz"},
                                                         {"0033", "F", "Frankreich"}});
    std::string banks_bytes_ =
        test::BuildBanks({{"10010010", "Postbank", "10559", "Berlin"},
                          {"37050198", "Sparkasse K\xF6lnBonn", "50667", "K\xF6ln"},
                          {"68350048", "Sparkasse L\xF6rrach", "79539", "L\xF6rrach"}});
    ReferenceTable countries_;
    ReferenceTable banks_;
};

TEST_F(ReferenceTableTest, FindsFoldedSubstringsInEveryField) {
    EXPECT_EQ(AllMatches(countries_, "OESTER"), std::vector<int>{1});
    EXPECT_EQ(AllMatches(countries_, "ch"), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(AllMatches(countries_, "0041"), std::vector<int>{2});
    EXPECT_EQ(AllMatches(countries_, "f"), std::vector<int>{3}) << "the country mark is searched";
    EXPECT_EQ(AllMatches(banks_, "k\xF6ln"), std::vector<int>{1});
    EXPECT_EQ(AllMatches(banks_, "79539"), std::vector<int>{2}) << "postal code, the fourth field";
    EXPECT_EQ(AllMatches(banks_, "sparkasse"), (std::vector<int>{1, 2}));
    EXPECT_EQ(AllMatches(banks_, ""), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(AllMatches(banks_, "Hamburg"), std::vector<int>{});
    EXPECT_EQ(countries_.Field(2, static_cast<int>(CountryField::kName)), "Schweiz");
    EXPECT_EQ(banks_.Field(0, static_cast<int>(BankField::kTown)), "Berlin");
    EXPECT_EQ(banks_.Field(3, 0), "");
}

TEST_F(ReferenceTableTest, PositionsOutsideTheTableMatchNothing) {
    int position = 3;
    EXPECT_EQ(banks_.NextMatch(&position, ""), -1);
    EXPECT_EQ(position, 3);
    position = -1;
    EXPECT_EQ(banks_.NextMatch(&position, ""), -1);
}

TEST_F(ReferenceTableTest, RefusesACountBeyondTheRecords) {
    ReferenceTable table;
    EXPECT_FALSE(
        table.Open(ReferenceKind::kBanks, ByteView(banks_bytes_).Sub(0, banks_bytes_.size() - 1)));
    EXPECT_FALSE(table.Open(ReferenceKind::kCountries, ByteView(test::Le32(-1))));
    EXPECT_FALSE(table.Open(ReferenceKind::kCountries, ByteView(std::string("\x01\x00\x00", 3))));
    EXPECT_TRUE(table.Open(ReferenceKind::kCountries, ByteView(test::Le32(0))));
    int position = 0;
    EXPECT_EQ(table.NextMatch(&position, ""), -1);
}

class PhoneticIndexTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::vector<std::string> names = {"Ebert",     "Mayer",   "Meier",   "Meyer",
                                                "Brandhoff", "Schmidt", "Schmitt", "Strau\xDF"};
        std::map<std::string, std::vector<std::int32_t>> codes;
        for (std::size_t n = 0; n < names.size(); ++n) {
            codes[PhoneticCode(names[n]).substr(0, 5)].push_back(static_cast<std::int32_t>(n + 1));
        }
        bytes_ = test::BuildPhonetic({codes.begin(), codes.end()});
        ASSERT_TRUE(index_.Open(ByteView(bytes_)));
    }
    std::vector<std::int32_t> Find(std::string_view name) {
        PhoneticIds ids;
        std::vector<std::int32_t> out;
        if (index_.Find(name, &ids) != 0) {
            EXPECT_EQ(ids.Count(), 0);
            return {-1};
        }
        for (int i = 0; i < ids.Count(); ++i) out.push_back(ids.At(i));
        return out;
    }

    std::string bytes_;
    PhoneticIndex index_;
};

TEST_F(PhoneticIndexTest, FindsTheSurnamesOfACode) {
    EXPECT_EQ(Find("Mair"), (std::vector<std::int32_t>{2, 3, 4}));
    EXPECT_EQ(Find("Schmid"), (std::vector<std::int32_t>{6, 7}));
    EXPECT_EQ(Find("Strauss"), std::vector<std::int32_t>{8});
    EXPECT_EQ(Find("Ebert"), std::vector<std::int32_t>{1});
    // PRNTFMN is looked up by its first five letters.
    EXPECT_EQ(Find("Brandhoffmann"), std::vector<std::int32_t>{5});
    EXPECT_EQ(Find("Zacharias"), std::vector<std::int32_t>{-1});
    EXPECT_EQ(Find(""), std::vector<std::int32_t>{-1});
    for (int e = 0; e < index_.Count(); ++e) EXPECT_EQ(index_.FindCode(index_.Code(e)), e);
}

TEST_F(PhoneticIndexTest, EmptyTableFindsNothing) {
    PhoneticIndex empty;
    ASSERT_TRUE(empty.Open(ByteView(test::Le32(0))));
    PhoneticIds ids;
    EXPECT_EQ(empty.Find("Meier", &ids), -1);
}

// Entries are checked where their ids are read: an entry whose ids lie outside the
// id array opens but has none; the other entries keep theirs.
TEST_F(PhoneticIndexTest, EntriesOutsideTheIdArrayHaveNoIds) {
    const auto ids_of = [](const PhoneticIndex& index, int entry) {
        std::vector<std::int32_t> out;
        const PhoneticIds ids = index.Ids(entry);
        for (int i = 0; i < ids.Count(); ++i) out.push_back(ids.At(i));
        return out;
    };
    ASSERT_GT(index_.Count(), 1);
    std::vector<std::vector<std::int32_t>> ids;
    for (int e = 0; e < index_.Count(); ++e) ids.push_back(ids_of(index_, e));
    PhoneticIndex index;
    EXPECT_FALSE(index.Open(ByteView(bytes_).Sub(0, 4 + 12 * index_.Count() - 1)));
    // The last id cut off: only the entries that hold it lose their ids.
    ASSERT_TRUE(index.Open(ByteView(bytes_).Sub(0, bytes_.size() - 1)));
    const auto* raw = reinterpret_cast<const std::uint8_t*>(bytes_.data());
    const std::size_t ids_start = 4 + 12 * static_cast<std::size_t>(index_.Count());
    for (int e = 0; e < index.Count(); ++e) {
        const std::uint8_t* entry = raw + 4 + 12 * static_cast<std::size_t>(e);
        const std::size_t end = ids_start + 4 * (static_cast<std::size_t>(LoadI32(entry + 6)) +
                                                 static_cast<std::size_t>(LoadI16(entry + 10)));
        EXPECT_EQ(ids_of(index, e), end < bytes_.size() ? ids[static_cast<std::size_t>(e)]
                                                        : std::vector<std::int32_t>())
            << "entry " << e;
    }
    std::string bad = bytes_;
    bad.replace(4 + 6, 4, test::Le32(-1));
    ASSERT_TRUE(index.Open(ByteView(bad)));
    EXPECT_TRUE(ids_of(index, 0).empty());
    EXPECT_EQ(ids_of(index, 1), ids[1]);
    bad = bytes_;
    bad.replace(4 + 10, 2, test::Le16(1000));
    ASSERT_TRUE(index.Open(ByteView(bad)));
    EXPECT_TRUE(ids_of(index, 0).empty());
    EXPECT_EQ(ids_of(index, 1), ids[1]);
}

}  // namespace
}  // namespace vendarion
