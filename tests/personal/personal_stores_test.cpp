#include "personal/personal_stores.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

TEST(PersonalStores, ADamagedFileIsSetAsideAndTheStoreStartsEmpty) {
    test::TempDir dir;
    // An extra byte, and a level no entry can have (the window once indented by it).
    const std::string extra_byte = kEmptyStoreBytes + "x";
    std::string huge_level("\x88\x02\x12\x00\x01\x00\x00\x00", 8);
    huge_level += std::string(16, '\0') + std::string("\xFF\xFF\xFF\x7F", 4) +
                  std::string(2, '\0') + std::string("\xFF\xFF\xFF\xFF", 4);
    test::WriteFile(dir.File("PhoneBook.vdr"), extra_byte);
    test::WriteFile(dir.File("Memolet.vdr"), huge_level);
    test::WriteFile(dir.File("PhoneBook.vdr.tmp-Ab12Cd"), "left by a killed save");
    test::MemorySettings settings;
    Write(settings, setting::kHardDiskAppPath, dir.path() + "/");
    const PersonalStores stores = OpenPersonalStores(settings);
    ASSERT_NE(stores.phone_book, nullptr);
    ASSERT_NE(stores.notes, nullptr);
    EXPECT_EQ(stores.phone_book->Count(), 0);
    EXPECT_EQ(stores.notes->Count(), 0);
    EXPECT_EQ(test::ReadFile(dir.File("PhoneBook.vdr")), kEmptyStoreBytes);
    ASSERT_EQ(stores.set_aside.size(), 2u);
    EXPECT_EQ(stores.set_aside[0].rfind(dir.File("PhoneBook.vdr.defekt-"), 0), 0u);
    EXPECT_EQ(test::ReadFile(stores.set_aside[0]), extra_byte) << "kept unchanged";
    EXPECT_EQ(stores.set_aside[1].rfind(dir.File("Memolet.vdr.defekt-"), 0), 0u);
    EXPECT_EQ(test::ReadFile(stores.set_aside[1]), huge_level);
    EXPECT_FALSE(std::filesystem::exists(dir.File("PhoneBook.vdr.tmp-Ab12Cd")));

    // The next start finds sound files and says nothing.
    EXPECT_TRUE(OpenPersonalStores(settings).set_aside.empty());
}

TEST(PersonalStores, ABlockedPathMakesOnlyThatStoreAbsent) {
    test::TempDir dir;
    std::filesystem::create_directory(dir.File("Memolet.vdr"));
    test::MemorySettings settings;
    Write(settings, setting::kHardDiskAppPath, dir.path() + "/");
    PersonalStores stores = OpenPersonalStores(settings);
    EXPECT_NE(stores.phone_book, nullptr);
    EXPECT_EQ(stores.notes, nullptr);
    EXPECT_TRUE(stores.notes_path.empty());
    EXPECT_TRUE(stores.set_aside.empty());

    Write(settings, setting::kHardDiskAppPath, dir.File("missing") + "/");
    stores = OpenPersonalStores(settings);
    EXPECT_EQ(stores.phone_book, nullptr);
    EXPECT_EQ(stores.notes, nullptr);
}

TEST(PersonalStores, AFileThatCannotBeSetAsideStaysUntouched) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    test::TempDir dir;
    const std::string damaged = kEmptyStoreBytes + "x";
    test::WriteFile(dir.File("PhoneBook.vdr"), damaged);
    ::chmod(dir.path().c_str(), 0555);
    std::string set_aside;
    EXPECT_EQ(OpenOrRenewEntryStore(dir.File("PhoneBook.vdr"), &set_aside), nullptr);
    ::chmod(dir.path().c_str(), 0755);
    EXPECT_TRUE(set_aside.empty());
    EXPECT_EQ(test::ReadFile(dir.File("PhoneBook.vdr")), damaged);
}

}  // namespace
}  // namespace vendarion
