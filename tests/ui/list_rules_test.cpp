// The widget-free rules of the window: count texts, command states, the input
// texts each list keeps.
#include <gtest/gtest.h>

#include "ui/command_rules.h"
#include "ui/entry_commands.h"
#include "ui/list_count_text.h"
#include "ui/list_types.h"
#include "ui/remembered_inputs.h"

namespace vendarion {
namespace {

TEST(EntryCommands, TheNeighbourhoodIsTheStreetWithoutItsNumber) {
    EXPECT_EQ(EntryCommands::StreetOfCell("Hauptstra\xDF"
                                          "e  5"),
              "Hauptstra\xDF"
              "e");
    EXPECT_EQ(EntryCommands::StreetOfCell("  Am Markt  12a "), "Am Markt");
    EXPECT_EQ(EntryCommands::StreetOfCell("Lindenallee"), "Lindenallee");
    // Only blanks, or a number alone: no street to search.
    EXPECT_EQ(EntryCommands::StreetOfCell("   "), "");
    EXPECT_EQ(EntryCommands::StreetOfCell(""), "");
}

TEST(ListCountText, EachListCountsInItsOwnWords) {
    EXPECT_EQ(ListCountText(ListType::kTowns, {.rows = 9}), "9 Orte sind vorhanden.");
    EXPECT_EQ(ListCountText(ListType::kTowns, {.rows = 1, .town_filter = true}),
              "Ein Ort wurde gefunden.");
    EXPECT_EQ(ListCountText(ListType::kTowns, {.rows = 0, .town_filter = true}),
              "Es wurden keine Orte gefunden.");
    EXPECT_EQ(ListCountText(ListType::kInternetTowns, {.rows = 2, .town_filter = true}),
              "2 Orte sind vorhanden.");
    EXPECT_EQ(ListCountText(ListType::kStreets, {.rows = 0}),
              "Es sind keine Stra\xDF"
              "e vorhanden.");
    EXPECT_EQ(ListCountText(ListType::kInternetSurnames, {.rows = 5}),
              "5 verschiedene Namen sind vorhanden.");
    EXPECT_EQ(ListCountText(ListType::kNone, {.rows = 5}), "");
    EXPECT_EQ(ListCountText(ListType::kTown, {.rows = 5}), "");
    EXPECT_EQ(ListCountText(ListType::kTown, {.marked_towns = 3}), "3 Orte wurden markiert.");
    EXPECT_EQ(ListCountText(ListType::kPhoneBook, {.rows = 0}),
              "Es sind keine Eintr\xE4ge vorhanden.");
    EXPECT_EQ(ListCountText(ListType::kNotes, {.rows = 1}),
              "Ein Memolet ist auf dem Desktop vorhanden.");
    EXPECT_EQ(ListCountText(ListType::kNotes, {.store_exists = false}),
              "Nur verf\xFCgbar, wenn Vendarion zuvor auf der Festplatte installiert wurde!");
    EXPECT_TRUE(CountsMarkedRows(ListType::kPhoneBook));
    EXPECT_FALSE(CountsMarkedRows(ListType::kInternetTowns));
}

TEST(ListTypes, InputsSelectionAndCards) {
    EXPECT_EQ(InfoOf(ListType::kTowns).inputs, 3);
    EXPECT_EQ(InfoOf(ListType::kNames).inputs, 42);
    EXPECT_EQ(InfoOf(ListType::kHeadings).inputs, 42);
    EXPECT_EQ(InfoOf(ListType::kPostalCodes).inputs, 4);
    EXPECT_EQ(InfoOf(ListType::kAreaCodes).inputs, 16);
    EXPECT_EQ(InfoOf(ListType::kSurnames).inputs, 2);
    EXPECT_EQ(InfoOf(ListType::kInternetAreaCodes).inputs, 63);
    EXPECT_EQ(InfoOf(ListType::kBankCodes).inputs, 0);
    int several = 0;
    for (int type = 0; type < kListTypeCount; ++type) {
        if (InfoOf(static_cast<ListType>(type)).several_rows) several |= 1 << type;
    }
    EXPECT_EQ(several, (1 << 1) | (1 << 3) | (1 << 9) | (1 << 10) | (1 << 16) | (1 << 17));
    EXPECT_EQ(InfoOf(ListType::kInternetTowns).key, "Ort");
    EXPECT_EQ(InfoOf(ListType::kCountryCodes).key, "AuslandVorwahl");
    EXPECT_TRUE(InfoOf(ListType::kBankCodes).shows_card);
    EXPECT_FALSE(InfoOf(ListType::kTowns).shows_card);
    EXPECT_FALSE(InfoOf(ListType::kTown).has_list);
    EXPECT_TRUE(AllowsFirstName(ListType::kInternetTowns));
    EXPECT_FALSE(AllowsFirstName(ListType::kTowns));
}

TEST(CommandRules, GoNeedsTownRowsOrAnIdleSearchList) {
    CommandContext context{.type = ListType::kTowns, .rows = 0};
    EXPECT_FALSE(CommandEnabled(command::kGo, context));
    context.rows = 3;
    context.searching = true;
    EXPECT_TRUE(CommandEnabled(command::kGo, context));
    context.type = ListType::kNames;
    EXPECT_FALSE(CommandEnabled(command::kGo, context));
    EXPECT_TRUE(CommandEnabled(command::kCancel, context));
    context.searching = false;
    EXPECT_TRUE(CommandEnabled(command::kGo, context));
    EXPECT_FALSE(CommandEnabled(command::kCancel, context));
    context.type = ListType::kBankCodes;
    EXPECT_FALSE(CommandEnabled(command::kGo, context));
}

TEST(CommandRules, TownCommandsFollowTheChosenTown) {
    CommandContext context;
    EXPECT_FALSE(CommandEnabled(command::kTownNames, context));
    context.has_town = true;
    EXPECT_TRUE(CommandEnabled(command::kTownStreets, context));
    context.multi_town = true;
    EXPECT_TRUE(CommandEnabled(command::kTownNames, context));
    EXPECT_FALSE(CommandEnabled(command::kTownStreets, context));
    EXPECT_FALSE(CommandEnabled(command::kTownHeadings, context));
}

TEST(CommandRules, PlaceCommandsFollowTheInternetMode) {
    EXPECT_EQ(CommandList(command::kTowns, ListType::kNames), ListType::kTowns);
    EXPECT_EQ(CommandList(command::kTowns, ListType::kInternetSurnames), ListType::kInternetTowns);
    EXPECT_EQ(CommandList(command::kSurnames, ListType::kInternet), ListType::kInternetSurnames);
    EXPECT_EQ(CommandList(command::kPostalCodes, ListType::kBankCodes), ListType::kPostalCodes);
    EXPECT_EQ(CommandList(command::kGo, ListType::kNames), std::nullopt);
    EXPECT_TRUE(CommandChecked(command::kTowns, {.type = ListType::kInternetTowns}));
    EXPECT_TRUE(CommandChecked(command::kTowns, {.type = ListType::kTowns}));
    EXPECT_FALSE(CommandChecked(command::kTowns, {.type = ListType::kTown}));
    EXPECT_TRUE(CommandChecked(command::kSearch, {.type = ListType::kNone}));
    EXPECT_FALSE(CommandChecked(command::kToolbar, {.toolbar = false}));
}

TEST(RememberedInputs, TheListsOfOneTownShareTheirTexts) {
    RememberedInputs inputs;
    inputs.Field(ListType::kStreets, InputField::kStreet) = "Hauptstr.";
    EXPECT_EQ(inputs.Field(ListType::kNames, InputField::kStreet), "Hauptstr.");
    inputs.Field(ListType::kInternetTowns, InputField::kTown) = "Berlin";
    EXPECT_EQ(inputs.Field(ListType::kInternet, InputField::kTown), "Berlin");
    EXPECT_EQ(inputs.Field(ListType::kTowns, InputField::kTown), "");
    inputs.SearchText(ListType::kBankCodes) = "k\xF6ln";
    EXPECT_EQ(inputs.SearchText(ListType::kCountryCodes), "");
}

TEST(RememberedInputs, ASurnameIsCarriedFromTheTownsToTheNames) {
    RememberedInputs inputs;
    inputs.Field(ListType::kNames, InputField::kName) = "Meier";
    inputs.Field(ListType::kNames, InputField::kStreet) = "Kirchweg";
    inputs.Field(ListType::kTowns, InputField::kName) = "Meier";
    EXPECT_FALSE(inputs.CarryOver(ListType::kTowns, ListType::kNames));
    EXPECT_EQ(inputs.Field(ListType::kNames, InputField::kStreet), "Kirchweg");
    inputs.Field(ListType::kTowns, InputField::kName) = "Weber";
    EXPECT_TRUE(inputs.CarryOver(ListType::kTowns, ListType::kNames));
    EXPECT_EQ(inputs.Field(ListType::kNames, InputField::kName), "Weber");
    EXPECT_EQ(inputs.Field(ListType::kNames, InputField::kStreet), "");
}

TEST(RememberedInputs, ANewSurnameFromTheNationalListDropsTheTownText) {
    RememberedInputs inputs;
    inputs.Field(ListType::kTowns, InputField::kTown) = "Berlin";
    inputs.Field(ListType::kSurnames, InputField::kName) = "Meier";
    EXPECT_TRUE(inputs.CarryOver(ListType::kSurnames, ListType::kTowns));
    EXPECT_EQ(inputs.Field(ListType::kTowns, InputField::kName), "Meier");
    EXPECT_EQ(inputs.Field(ListType::kTowns, InputField::kTown), "");
    inputs.Field(ListType::kTowns, InputField::kTown) = "K\xF6ln";
    EXPECT_FALSE(inputs.CarryOver(ListType::kSurnames, ListType::kTowns));
    EXPECT_EQ(inputs.Field(ListType::kTowns, InputField::kTown), "K\xF6ln");
    EXPECT_FALSE(inputs.CarryOver(ListType::kNames, ListType::kTowns));
}

}  // namespace
}  // namespace vendarion
