#include "personal/phone_book_commands.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vendarion {
namespace {

SubscriberEntry Named(std::string name) {
    SubscriberEntry entry;
    entry[EntryField::kName] = std::move(name);
    return entry;
}

TEST(AddToPhoneBook, AddsUpToSeventyFiveRowsAndSaves) {
    test::TempDir dir;
    const std::string path = dir.File("PhoneBook.vdr");
    EntryStore store;
    const std::vector<SubscriberEntry> rows(76, Named("Meier"));

    AddOutcome outcome = AddToPhoneBook(store, path, 76, rows);
    EXPECT_EQ(outcome.message, phone_book_message::kTooManyToAdd);
    EXPECT_EQ(store.Count(), 0);
    EXPECT_TRUE(test::ReadFile(path).empty()) << "nothing saved";

    outcome = AddToPhoneBook(store, path, 75, std::span(rows).first(75));
    EXPECT_EQ(outcome.message, phone_book_message::kAddedMany);
    EXPECT_EQ(outcome.argument, 75);
    EXPECT_TRUE(outcome.saved);
    EXPECT_EQ(store.Count(), 75);
    EXPECT_EQ(test::ReadFile(path), store.Encode());
    EXPECT_EQ(store.ValueAt(0), -1);
}

TEST(AddToPhoneBook, CountsSelectedRowsAndAddsDuplicatesInFront) {
    test::TempDir dir;
    EntryStore store;
    store.Insert(Named("Meier"), "", -1);
    SubscriberEntry again = Named("Meier");
    again[EntryField::kPhoneNumber] = "2";
    AddOutcome outcome = AddToPhoneBook(store, dir.File("p"), 1, std::span(&again, 1));
    EXPECT_EQ(outcome.message, phone_book_message::kAddedOne);
    EXPECT_EQ(store.Count(), 2);
    EXPECT_EQ(store.EntryAt(0)[EntryField::kPhoneNumber], "2");
    // Two rows selected, one could not be read: the message still counts two.
    outcome = AddToPhoneBook(store, dir.File("p"), 2, std::span(&again, 1));
    EXPECT_EQ(outcome.message, phone_book_message::kAddedMany);
    EXPECT_EQ(outcome.argument, 2);
    // A failed save is not a failed add.
    outcome = AddToPhoneBook(store, dir.File("none/p"), 1, std::span(&again, 1));
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(store.Count(), 4);
}

TEST(RemoveFromPhoneBook, RemovesSelectedRowsAndPicksTheNextSelection) {
    test::TempDir dir;
    const std::string path = dir.File("p");
    EntryStore store;
    for (const char* name : {"a", "b", "c", "d", "e"}) store.Insert(Named(name), "", -1);
    EXPECT_EQ(RemoveQuestion(1), phone_book_message::kRemoveOne);
    EXPECT_EQ(RemoveQuestion(3), phone_book_message::kRemoveMany);

    RemoveOutcome outcome = RemoveFromPhoneBook(store, path, {2, 3, 4});
    EXPECT_EQ(store.Count(), 2);
    EXPECT_EQ(outcome.select_row, 1) << "the new last row";
    EXPECT_TRUE(outcome.saved);
    EXPECT_EQ(test::ReadFile(path), store.Encode());

    outcome = RemoveFromPhoneBook(store, path, {0});
    EXPECT_EQ(store.EntryAt(0)[EntryField::kName], "b");
    EXPECT_EQ(outcome.select_row, 0);
    outcome = RemoveFromPhoneBook(store, path, {0});
    EXPECT_EQ(outcome.select_row, -1);
}

TEST(RemoveFromPhoneBook, StopsAtTheFirstInvalidPositionFromTheTop) {
    EntryStore store;
    for (const char* name : {"a", "b", "c"}) store.Insert(Named(name), "", -1);
    test::TempDir dir;
    // 7 is removed first and fails: nothing is removed.
    RemoveFromPhoneBook(store, dir.File("p"), {0, 7});
    EXPECT_EQ(store.Count(), 3);
    // A position given twice is removed once.
    RemoveFromPhoneBook(store, dir.File("p"), {1, 1});
    EXPECT_EQ(store.Count(), 2);
    EXPECT_EQ(store.EntryAt(1)[EntryField::kName], "c");
}

}  // namespace
}  // namespace vendarion
