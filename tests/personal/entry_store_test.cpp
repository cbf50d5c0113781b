#include "personal/entry_store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_dir.h"

namespace vendarion {
namespace {

const std::string kMagic("\x88\x02\x12\x00", 4);
const std::string kEmptyStoreBytes = kMagic + std::string(4, '\0');

SubscriberEntry Person(std::string name, std::string first_name = "", std::string town = "") {
    SubscriberEntry entry;
    entry[EntryField::kName] = std::move(name);
    entry[EntryField::kFirstName] = std::move(first_name);
    entry[EntryField::kTown] = std::move(town);
    return entry;
}

SubscriberEntry FullEntry(int i) {
    SubscriberEntry entry;
    for (int field = 0; field < kEntryFieldCount; ++field) {
        entry.fields[static_cast<std::size_t>(field)] =
            "f" + std::to_string(field) + "-" + std::to_string(i) + "\xE4\xDF";
    }
    entry.level = i % 8;
    entry.flag = static_cast<std::uint8_t>(i * 37);
    return entry;
}

EntryStore StoreOf(int count) {
    EntryStore store;
    for (int i = 0; i < count; ++i) store.Insert(FullEntry(i), "note " + std::to_string(i), -1);
    return store;
}

std::vector<std::string> Names(const EntryStore& store) {
    std::vector<std::string> names;
    for (int i = 0; i < store.Count(); ++i) names.push_back(store.EntryAt(i)[EntryField::kName]);
    return names;
}

TEST(EntryStore, EmptyStoreIsTheEightByteFile) {
    test::TempDir dir;
    const std::string path = dir.File("PhoneBook.vdr");
    EXPECT_EQ(EntryStore().Save(path), 0);
    EXPECT_EQ(test::ReadFile(path), kEmptyStoreBytes);
    EntryStore loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(loaded.Count(), 0);
    EXPECT_EQ(loaded.Capacity(), 100);
}

TEST(EntryStore, WritesTheRecordLayoutExactly) {
    EntryStore store;
    SubscriberEntry entry = Person("K\xF6hler", "Jo");
    entry.level = 2;
    entry.flag = 0xAB;
    store.Insert(entry, "n", -1);
    std::string expected("\x88\x02\x12\x00\x01\x00\x00\x00", 8);
    expected += std::string("K\xF6hler\0Jo\0", 10) + std::string(14, '\0');
    expected += std::string("\x02\x00\x00\x00\xAB", 5) + std::string("n\0", 2);
    expected += std::string("\xFF\xFF\xFF\xFF", 4);
    EXPECT_EQ(store.Encode(), expected);
}

TEST(EntryStore, SaveAndLoadKeepEveryFieldInOrder) {
    test::TempDir dir;
    const std::string path = dir.File("Memolet.vdr");
    EntryStore store = StoreOf(7);
    ASSERT_EQ(store.RemoveAt(3), 0);
    ASSERT_EQ(store.Save(path), 0);
    EntryStore loaded;
    ASSERT_TRUE(loaded.Load(path));
    std::vector<SubscriberEntry> saved_entries, loaded_entries;
    std::vector<std::string> saved_notes, loaded_notes;
    std::vector<std::int32_t> saved_values, loaded_values;
    ASSERT_EQ(store.CopyOut(0, 6, &saved_entries, &saved_notes, &saved_values), 0);
    ASSERT_EQ(loaded.CopyOut(0, 6, &loaded_entries, &loaded_notes, &loaded_values), 0);
    EXPECT_EQ(saved_entries, loaded_entries);
    EXPECT_EQ(saved_notes, loaded_notes);
    EXPECT_EQ(saved_values, loaded_values);
    EXPECT_EQ(loaded.Encode(), test::ReadFile(path));
}

TEST(EntryStore, ZeroBytesInsideAFieldCannotShiftTheRecords) {
    EntryStore store;
    store.Insert(Person(std::string("Ab\0cd", 5), "X"), std::string("n\0te", 4), 5);
    test::TempDir dir;
    ASSERT_EQ(store.Save(dir.File("s")), 0);
    EntryStore loaded;
    ASSERT_TRUE(loaded.Load(dir.File("s")));
    EXPECT_EQ(loaded.EntryAt(0)[EntryField::kName], "Ab");
    EXPECT_EQ(loaded.EntryAt(0)[EntryField::kFirstName], "X");
    EXPECT_EQ(loaded.ValueAt(0), 5);
}

TEST(EntryStore, CapacityGrowsInStepsOfHundred) {
    test::TempDir dir;
    EntryStore store;
    store.Insert(Person("a"), "", -1);
    EXPECT_EQ(store.Capacity(), 100);
    store = StoreOf(101);
    EXPECT_EQ(store.Capacity(), 200);
    for (const int count : {99, 100}) {
        ASSERT_EQ(StoreOf(count).Save(dir.File("s")), 0);
        ASSERT_TRUE(store.Load(dir.File("s")));
        EXPECT_EQ(store.Capacity(), count == 99 ? 100 : 200);
    }
    // Removed positions keep their slots until the next load.
    for (int i = 0; i < 50; ++i) ASSERT_EQ(store.RemoveAt(0), 0);
    for (int i = 0; i < 100; ++i) store.Insert(Person("b"), "", -1);
    EXPECT_EQ(store.Capacity(), 200);
    store.Insert(Person("c"), "", -1);
    EXPECT_EQ(store.Capacity(), 300);
}

TEST(EntryStore, SortsByFoldedNameThenFirstNameThenTown) {
    EntryStore store;
    for (const char* name : {"Muff", "M\xFCller", "Mueck"}) store.Insert(Person(name), "", -1);
    EXPECT_EQ(Names(store), (std::vector<std::string>{"Mueck", "M\xFCller", "Muff"}));

    EntryStore ties;
    ties.Insert(Person("Meier", "Hans", "Ulm"), "", 1);
    ties.Insert(Person("Meier", "Hans", "Bonn"), "", 2);
    ties.Insert(Person("meier", "Anna", "Ulm"), "", 3);
    EXPECT_EQ(ties.ValueAt(0), 3);
    EXPECT_EQ(ties.ValueAt(1), 2);
    EXPECT_EQ(ties.ValueAt(2), 1);
    // An equal entry goes in front of the stored one.
    EXPECT_EQ(ties.Insert(Person("MEIER", "hans", "bonn"), "", 4), 1);
    EXPECT_EQ(ties.ValueAt(1), 4);
    EXPECT_EQ(EntryStore::Compare(Person("Stra\xDF"
                                         "e"),
                                  Person("strasse")),
              0);
}

TEST(EntryStore, RemoveAndCopyOutCheckTheirRange) {
    EntryStore store = StoreOf(3);
    EXPECT_EQ(store.RemoveAt(-1), -1);
    EXPECT_EQ(store.RemoveAt(3), -1);
    EXPECT_EQ(store.Count(), 3);
    std::vector<std::int32_t> values;
    EXPECT_EQ(store.CopyOut(-1, 1, nullptr, nullptr, &values), -1);
    EXPECT_EQ(store.CopyOut(0, -1, nullptr, nullptr, &values), -1);
    EXPECT_EQ(store.CopyOut(2, 2, nullptr, nullptr, &values), -1);
    EXPECT_EQ(store.CopyOut(1, 0x7FFFFFFF, nullptr, nullptr, &values), -1);
    EXPECT_TRUE(values.empty());
    EXPECT_EQ(store.CopyOut(3, 0, nullptr, nullptr, &values), 0);
    const SubscriberEntry last = store.EntryAt(2);
    ASSERT_EQ(store.RemoveAt(1), 0);
    EXPECT_EQ(store.Count(), 2);
    EXPECT_EQ(store.EntryAt(1), last);
}

TEST(EntryStore, LoadRefusesDamagedFilesAndLeavesTheStoreEmpty) {
    test::TempDir dir;
    const std::string path = dir.File("s");
    const std::string good = StoreOf(3).Encode();
    EntryStore store;
    const auto load = [&](const std::string& bytes) {
        test::WriteFile(path, bytes);
        return store.Load(path);
    };
    ASSERT_TRUE(load(good));
    EXPECT_FALSE(load(good + '\0')) << "trailing byte";
    EXPECT_EQ(store.Count(), 0);
    EXPECT_FALSE(load("\x89" + good.substr(1))) << "wrong magic";
    for (std::size_t length = 0; length < good.size(); ++length) {
        ASSERT_TRUE(load(good) && store.Count() == 3);
        EXPECT_FALSE(load(good.substr(0, length))) << "truncated to " << length;
        EXPECT_EQ(store.Count(), 0);
        EXPECT_EQ(store.Capacity(), 0);
    }
    EXPECT_FALSE(store.Load(dir.File("missing")));
    EXPECT_FALSE(store.Load(""));
    EXPECT_FALSE(store.Load(dir.path())) << "a folder";
}

TEST(EntryStore, LoadRefusesCountsTheFileCannotHold) {
    test::TempDir dir;
    const std::string path = dir.File("s");
    EntryStore store;
    // Counts far beyond the file's size fail before any record is read or allocated.
    for (const char* count :
         {"\xFF\xFF\xFF\x7F", "\xFF\xFF\xFF\xFF", "\x00\x00\x00\x80", "\x02\x00\x00\x00"}) {
        test::WriteFile(path, kMagic + std::string(count, 4) + std::string(40, '\0'));
        EXPECT_FALSE(store.Load(path));
    }
    // 26 bytes hold exactly one smallest record.
    test::WriteFile(path, kMagic + std::string("\x01\0\0\0", 4) + std::string(26, '\0'));
    EXPECT_TRUE(store.Load(path));
    EXPECT_EQ(store.Count(), 1);
}

TEST(EntryStore, LoadSurvivesEveryByteFlip) {
    test::TempDir dir;
    const std::string path = dir.File("s");
    const std::string good = StoreOf(2).Encode();
    EntryStore store;
    for (std::size_t offset = 0; offset < good.size(); ++offset) {
        std::string bytes = good;
        bytes[offset] = static_cast<char>(bytes[offset] ^ 0xFF);
        test::WriteFile(path, bytes);
        if (store.Load(path)) {
            EXPECT_LE(store.Count(), 2);
            EXPECT_EQ(store.Encode(), bytes) << "a loaded store saves as it was read";
        } else {
            EXPECT_EQ(store.Count(), 0);
        }
    }
}

TEST(EntryStore, SaveFailsCleanlyWhenTheFolderCannotTakeTheFile) {
    test::TempDir dir;
    const EntryStore store = StoreOf(2);
    EXPECT_EQ(store.Save(dir.File("missing/PhoneBook.vdr")), -1);
    test::WriteFile(dir.File("file"), "x");
    EXPECT_EQ(store.Save(dir.File("file/PhoneBook.vdr")), -1);
    std::filesystem::create_directory(dir.File("PhoneBook.vdr"));
    EXPECT_EQ(store.Save(dir.File("PhoneBook.vdr")), -1);
    EXPECT_EQ(store.Save(""), -1);
}

// Saves in a child process whose file size limit stops the write part-way, as a full
// disk would.
int SaveWithSizeLimit(const EntryStore& store, const std::string& path, rlim_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit size_limit{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size_limit);
        ::_exit(store.Save(path) == -1 ? 1 : 0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1 ? -1 : 0;
}

TEST(EntryStore, AFailedWriteReportsFailureAndKeepsTheOldFile) {
    test::TempDir dir;
    const std::string path = dir.File("PhoneBook.vdr");
    const EntryStore old_store = StoreOf(5);
    ASSERT_EQ(old_store.Save(path), 0);
    const std::string old_bytes = test::ReadFile(path);
    const EntryStore bigger = StoreOf(400);
    EXPECT_EQ(SaveWithSizeLimit(bigger, path, old_bytes.size() + 100), -1);
    EXPECT_EQ(test::ReadFile(path), old_bytes);
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1) << "no temporary file left behind";
    EXPECT_EQ(SaveWithSizeLimit(bigger, path, 100 * 1024 * 1024), 0);
    EXPECT_EQ(test::ReadFile(path), bigger.Encode());
}

TEST(EntryStore, AKilledSaveNeverLeavesADamagedStore) {
    test::TempDir dir;
    const std::string path = dir.File("PhoneBook.vdr");
    const EntryStore small = StoreOf(10);
    const EntryStore large = StoreOf(3000);
    ASSERT_EQ(small.Save(path), 0);
    const std::string small_bytes = small.Encode();
    const std::string large_bytes = large.Encode();
    for (int round = 0; round < 12; ++round) {
        const pid_t child = ::fork();
        if (child == 0) {
            for (;;) {
                if (large.Save(path) != 0 || small.Save(path) != 0) ::_exit(1);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(300 + 700 * round));
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        const std::string bytes = test::ReadFile(path);
        EXPECT_TRUE(bytes == small_bytes || bytes == large_bytes) << "round " << round;
        EntryStore loaded;
        EXPECT_TRUE(loaded.Load(path));
    }
}

}  // namespace
}  // namespace vendarion
