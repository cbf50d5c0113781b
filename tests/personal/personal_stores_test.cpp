#include "personal/personal_stores.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "base/setting_names.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

const std::string kEmptyStoreBytes("\x88\x02\x12\x00\x00\x00\x00\x00", 8);

TEST(PersonalStores, AbsentWithoutAHardDiskCopy) {
    test::MemorySettings settings;
    const PersonalStores stores = OpenPersonalStores(settings);
    EXPECT_EQ(stores.phone_book, nullptr);
    EXPECT_EQ(stores.notes, nullptr);
}

TEST(PersonalStores, CreatesBothEmptyFilesInTheProgramFolder) {
    test::TempDir dir;
    test::MemorySettings settings;
    Write(settings, setting::kHardDiskAppPath, dir.path() + "/");
    const PersonalStores stores = OpenPersonalStores(settings);
    ASSERT_NE(stores.phone_book, nullptr);
    ASSERT_NE(stores.notes, nullptr);
    EXPECT_EQ(stores.phone_book_path, dir.File("PhoneBook.vdr"));
    EXPECT_EQ(stores.notes_path, dir.File("Memolet.vdr"));
    EXPECT_EQ(test::ReadFile(stores.phone_book_path), kEmptyStoreBytes);
    EXPECT_EQ(test::ReadFile(stores.notes_path), kEmptyStoreBytes);
}

TEST(PersonalStores, LoadsExistingStores) {
    test::TempDir dir;
    EntryStore saved;
    SubscriberEntry entry;
    entry[EntryField::kName] = "Meier";
    saved.Insert(entry, "", 7);
    ASSERT_EQ(saved.Save(dir.File("Memolet.vdr")), 0);
    test::MemorySettings settings;
    Write(settings, setting::kHardDiskAppPath, dir.path() + "/");
    const PersonalStores stores = OpenPersonalStores(settings);
    ASSERT_NE(stores.notes, nullptr);
    EXPECT_EQ(stores.notes->Count(), 1);
    EXPECT_EQ(stores.notes->ValueAt(0), 7);
}

TEST(PersonalStores, ADamagedOrBlockedFileMakesOnlyThatStoreAbsent) {
    test::TempDir dir;
    const std::string damaged = kEmptyStoreBytes + "x";
    test::WriteFile(dir.File("PhoneBook.vdr"), damaged);
    std::filesystem::create_directory(dir.File("Memolet.vdr"));
    test::MemorySettings settings;
    Write(settings, setting::kHardDiskAppPath, dir.path() + "/");
    PersonalStores stores = OpenPersonalStores(settings);
    EXPECT_EQ(stores.phone_book, nullptr);
    EXPECT_TRUE(stores.phone_book_path.empty());
    EXPECT_EQ(test::ReadFile(dir.File("PhoneBook.vdr")), damaged) << "left untouched";
    EXPECT_EQ(stores.notes, nullptr);

    Write(settings, setting::kHardDiskAppPath, dir.File("missing") + "/");
    stores = OpenPersonalStores(settings);
    EXPECT_EQ(stores.phone_book, nullptr);
    EXPECT_EQ(stores.notes, nullptr);
}

}  // namespace
}  // namespace vendarion
