// How many rows share a code, and the hint that names the town of a code.
#include "ui/assistant_places.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/row_source.h"

namespace vendarion {
namespace {

class CodeRows final : public RowSource {
public:
    explicit CodeRows(std::vector<std::string> codes) : codes_(std::move(codes)) {}
    int Count() override { return static_cast<int>(codes_.size()); }
    std::string Text(int row, int column) override {
        if (column != 0 || row < 0 || row >= Count()) return {};
        return codes_[static_cast<std::size_t>(row)];
    }

private:
    std::vector<std::string> codes_;
};

TEST(AssistantPlaces, CountsTheRowsOfOneCodeInTheDirectionOfTheStep) {
    CodeRows rows({"10115", "16356", "16356", "16356", "50667"});
    EXPECT_EQ(CountSameCode(rows, 1, 1), 3);
    EXPECT_EQ(CountSameCode(rows, 2, 1), 2);
    EXPECT_EQ(CountSameCode(rows, 3, 1), 1);
    EXPECT_EQ(CountSameCode(rows, 3, -1), 3);
    EXPECT_EQ(CountSameCode(rows, 1, -1), 1);
    // The ends of the list stop the count.
    EXPECT_EQ(CountSameCode(rows, 0, -1), 1);
    EXPECT_EQ(CountSameCode(rows, 4, 1), 1);
    // Rows outside the list, and no direction, count nothing.
    EXPECT_EQ(CountSameCode(rows, -1, 1), 0);
    EXPECT_EQ(CountSameCode(rows, 5, -1), 0);
    EXPECT_EQ(CountSameCode(rows, 1, 0), 0);
    CodeRows empty({});
    EXPECT_EQ(CountSameCode(empty, 0, 1), 0);
}

PlaceMatch Match(std::string town, int same_code) {
    PlaceMatch match;
    match.row = 3;
    match.book = 0;
    match.town = std::move(town);
    match.same_code = same_code;
    return match;
}

TEST(AssistantPlaces, HintNamesTheTownAndTheOthersOfItsCode) {
    using enum TownChoice;
    EXPECT_EQ(CodeHint(kPostalCode, Match("Bernau", 1)), "Suche in \"Bernau\".");
    EXPECT_EQ(CodeHint(kPostalCode, Match("Bernau", 2)),
              "Suche in \"Bernau\". Ein weiterer Ort mit dieser PLZ ist mit den Pfeiltasten "
              "ausw\xE4hlbar.");
    EXPECT_EQ(CodeHint(kPostalCode, Match("Bernau", 3)),
              "Suche in \"Bernau\". 2 weitere Orte mit dieser PLZ sind mit den Pfeiltasten "
              "ausw\xE4hlbar.");
    EXPECT_EQ(CodeHint(kAreaCode, Match("K\xF6ln", 2)),
              "Suche in \"K\xF6ln\". Ein weiterer Ort mit dieser Vorwahl ist mit den "
              "Pfeiltasten ausw\xE4hlbar.");
    EXPECT_EQ(CodeHint(kAreaCode, Match("K\xF6ln", 12)),
              "Suche in \"K\xF6ln\". 11 weitere Orte mit dieser Vorwahl sind mit den "
              "Pfeiltasten ausw\xE4hlbar.");
    // A town's own name has no hint, and nothing found means no hint.
    EXPECT_EQ(CodeHint(kName, Match("Bernau", 1)), "");
    EXPECT_EQ(CodeHint(kPostalCode, PlaceMatch{}), "");
    // What a town's name holds is not formatted again.
    EXPECT_EQ(CodeHint(kAreaCode, Match("A%iB", 3)),
              "Suche in \"A%iB\". 2 weitere Orte mit dieser Vorwahl sind mit den Pfeiltasten "
              "ausw\xE4hlbar.");
}

}  // namespace
}  // namespace vendarion
