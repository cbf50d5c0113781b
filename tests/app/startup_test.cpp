#include "app/application.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include <string>
#include <vector>

#include "app/drive_choice.h"
#include "app/linux_platform.h"
#include "base/atomic_file.h"
#include "base/setting_names.h"
#include "personal/entry_store.h"
#include "sample_data_set.h"
#include "support/fake_platform.h"
#include "support/memory_settings.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

// Tries the scripted items one after the other as a user would press OK on each;
// cancels when none gives a path (or when there is no script).
class ScriptedDriveChooser final : public DriveChooser {
public:
    std::optional<std::string> Choose(const DriveChoice& choice) override {
        prompts.push_back(choice.Prompt());
        items = choice.Items();
        preselected = choice.Preselected();
        for (const int item : tries) {
            ++attempts;
            if (std::optional<std::string> path = choice.Accept(item)) return path;
        }
        return std::nullopt;
    }

    std::vector<int> tries;
    std::vector<std::string> prompts;
    std::vector<std::string> items;
    int preselected = -2;
    int attempts = 0;
};

// Makes every folder of path (a path below an existing folder).
void MakeFolders(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos;
         slash = path.find('/', slash + 1)) {
        ::mkdir(path.substr(0, slash).c_str(), 0755);
    }
    ::mkdir(path.c_str(), 0755);
}

std::string VersionBytes(int major, int minor) {
    return {static_cast<char>(major), 0, static_cast<char>(minor), 0};
}

class StartupTest : public ::testing::Test {
protected:
    StartupTest() {
        platform_.program_path = dir_.path() + "/bin/vendarion";
        platform_.user_data_folder = dir_.path() + "/user/";
        ::mkdir((dir_.path() + "/bin").c_str(), 0755);
        ::mkdir((dir_.path() + "/user").c_str(), 0755);
    }

    // Writes the sample archives into folder (relative to the test folder).
    void WriteData(const std::string& folder, const test::MemberEdit& edit = {}) {
        MakeFolders(dir_.File(folder));
        ASSERT_TRUE(test::WriteSampleDataSet(sample_, dir_.File(folder), edit));
    }
    void WriteDataWithVersion(const std::string& folder, int major, int minor) {
        WriteData(folder, [&](const std::string&, const std::string& member, std::string* bytes) {
            if (member == "VERSION") *bytes = VersionBytes(major, minor);
            return true;
        });
    }
    bool Init(std::string_view command_line = "") {
        return application_.InitData(services_, ParseSwitches(command_line));
    }

    test::TempDir dir_;
    test::SampleDataSet sample_ = test::MakeSampleDataSet();
    test::MemorySettings settings_;
    test::ScriptedMessages messages_;
    test::FakePlatform platform_;
    ScriptedDriveChooser chooser_;
    StartupServices services_{settings_, messages_, platform_, chooser_};
    Application application_;
};

TEST_F(StartupTest, FirstStartFindsTheArchivesBesideTheProgram) {
    WriteData("bin");
    ASSERT_TRUE(Init());
    EXPECT_TRUE(messages_.Shown().empty());
    ASSERT_NE(application_.Data(), nullptr);
    EXPECT_TRUE(application_.Data()->IsOpen());
    EXPECT_EQ(application_.Data()->Towns().Count(), static_cast<int>(sample_.towns.size()));
    EXPECT_TRUE(application_.RunsFromHardDisk());
    EXPECT_EQ(Read(settings_, setting::kHardDiskAppPath), dir_.path() + "/user/");
    EXPECT_TRUE(chooser_.prompts.empty());
    application_.Exit();
    EXPECT_EQ(application_.Data(), nullptr);
}

TEST_F(StartupTest, SettingsValuesNameTheArchivesUnlessTheProgramFolderIsForced) {
    WriteData("elsewhere");
    WriteData("bin");
    ASSERT_TRUE(Write(settings_, setting::kIndexFilename, dir_.File("elsewhere/Index.mf")));
    ASSERT_TRUE(Write(settings_, setting::kDataFilename, dir_.File("missing/Data.mf")));
    EXPECT_FALSE(Init());
    EXPECT_EQ(messages_.ShownIds(), std::vector<int>{1325});
    EXPECT_NE(messages_.Shown()[0].text.find("\"Data.mf\""), std::string::npos);
    EXPECT_EQ(messages_.Shown()[0].icon, MessageIcon::kStop);

    messages_.Clear();
    Application forced;
    ASSERT_TRUE(forced.InitData(services_, ParseSwitches("vendarion mf-use-cwd")));
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(StartupTest, ArchivesInSeveralFoldersOpenTogether) {
    WriteData("one");
    WriteData("two");
    ASSERT_TRUE(Write(settings_, setting::kIndexFilename, dir_.File("one/Index.mf")));
    ASSERT_TRUE(Write(settings_, setting::kCodeFilename, dir_.File("two/Code.mf")));
    ASSERT_TRUE(Write(settings_, setting::kListFilename, dir_.File("one/List.mf")));
    ASSERT_TRUE(Write(settings_, setting::kDataFilename, dir_.File("two/Data.mf")));
    ASSERT_TRUE(Init());
    EXPECT_GT(application_.Data()->Books().Table().Count(), 1024);
}

TEST_F(StartupTest, RemoteDataIsRefusedBeforeAnyOpen) {
    WriteData("bin");
    platform_.drives = {{dir_.File("bin"), DriveType::kRemote}};
    EXPECT_FALSE(Init());
    EXPECT_EQ(messages_.ShownIds(), std::vector<int>{1335});
    EXPECT_FALSE(application_.RunsFromHardDisk());
    EXPECT_FALSE(settings_.Has("HardDiskAppPath"));
}

TEST_F(StartupTest, EmptyCdDriveOffersTheMediaAndStoresTheChosenPath) {
    WriteData("bin");
    WriteData("media/disc/Vendario");
    const std::string empty_drive = dir_.File("media/cdrom");
    const std::string disc = dir_.File("media/disc");
    platform_.drives = {{disc, DriveType::kOptical}, {empty_drive, DriveType::kOptical}};
    ASSERT_TRUE(Write(settings_, setting::kIndexFilename, empty_drive + "/Vendario/Index.mf"));
    chooser_.tries = {1, 0};  // the empty drive first: no file, the dialog stays open
    ASSERT_TRUE(Init());
    EXPECT_TRUE(messages_.Shown().empty());
    ASSERT_EQ(chooser_.prompts.size(), 1u);
    EXPECT_NE(chooser_.prompts[0].find("\"Index.mf\""), std::string::npos);
    EXPECT_EQ(chooser_.items, (std::vector<std::string>{disc, empty_drive}));
    EXPECT_EQ(chooser_.preselected, 1);
    EXPECT_EQ(chooser_.attempts, 2);
    EXPECT_EQ(Read(settings_, setting::kIndexFilename), disc + "/Vendario/Index.mf");
}

TEST_F(StartupTest, CancelledDriveChoiceEndsWithoutAMessage) {
    platform_.drives = {{dir_.File("cd"), DriveType::kOptical}};
    platform_.program_path = dir_.File("cd/vendarion");
    EXPECT_FALSE(Init());
    EXPECT_TRUE(messages_.Shown().empty());
    EXPECT_EQ(chooser_.prompts.size(), 1u);
    EXPECT_FALSE(application_.RunsFromHardDisk()) << "a program on CD is no hard-disk copy";
}

TEST_F(StartupTest, DataOfAnotherVersionEndsOrIsAcceptedOnce) {
    WriteDataWithVersion("bin", 1, 2);
    EXPECT_FALSE(Init());
    EXPECT_EQ(messages_.ShownIds(), std::vector<int>{1337});

    messages_.Clear();
    messages_.Answer(MessageAnswer::kOk);
    Application accepted;
    ASSERT_TRUE(accepted.InitData(services_, ParseSwitches("mf-ignore-version")));
    EXPECT_EQ(messages_.ShownIds(), std::vector<int>{1338}) << "asked once for four archives";
    EXPECT_EQ(messages_.Shown()[0].buttons, MessageButtons::kOkCancel);
    EXPECT_EQ(messages_.Shown()[0].default_answer, MessageAnswer::kCancel);
    EXPECT_EQ(messages_.Shown()[0].icon, MessageIcon::kExclamation);

    messages_.Clear();
    Application cancelled;
    EXPECT_FALSE(cancelled.InitData(services_, ParseSwitches("mf-ignore-version")));
    EXPECT_EQ(messages_.ShownIds(), std::vector<int>{1338});
}

TEST_F(StartupTest, IndexWithoutVersionCountsAsOlderData) {
    WriteData("bin", [](const std::string&, const std::string& member, std::string*) {
        return member != "VERSION";
    });
    EXPECT_FALSE(Init());
    EXPECT_EQ(messages_.ShownIds(), std::vector<int>{1337});
}

TEST_F(StartupTest, EachDataObjectHasItsOwnMessage) {
    const std::pair<const char*, int> cases[] = {
        {"Orte.z2", 3001},
        {"PLZs.i2", 3002},
        {"Vorwahlen.z2", 3003},
        {"Namen.dz", 3004},
        {"BookData.dat", 3005},
        {"BookToStrassen.bhi", 3006},
        {"BookToBezeichnungen.bhi", 3007},
        {"NameToBooks.bhi", 3008},
    };
    for (const auto& [member, text] : cases) {
        test::TempDir folder;
        ASSERT_TRUE(test::WriteSampleDataSet(
            sample_, folder.path(), [&](const std::string&, const std::string& name, std::string*) {
                return name != member;
            }));
        platform_.program_path = folder.path() + "/vendarion";
        messages_.Clear();
        Application application;
        EXPECT_FALSE(application.InitData(services_, {}));
        EXPECT_EQ(messages_.ShownIds(), std::vector<int>{text}) << member;
        EXPECT_EQ(messages_.Shown().at(0).icon,
                  text == 3001 ? MessageIcon::kNone : MessageIcon::kStop);
    }
}

TEST_F(StartupTest, PersonalStoresExistOnlyForAHardDiskCopy) {
    WriteData("bin");
    platform_.drives = {{dir_.File("bin"), DriveType::kOptical}};
    ASSERT_TRUE(Init());
    EXPECT_EQ(application_.Stores().phone_book, nullptr);
    EXPECT_EQ(application_.Stores().notes, nullptr);

    platform_.drives.clear();
    Application installed;
    ASSERT_TRUE(installed.InitData(services_, {}));
    ASSERT_NE(installed.Stores().phone_book, nullptr);
    ASSERT_NE(installed.Stores().notes, nullptr);
    // The stores live in the user's data folder, not beside the program.
    EXPECT_EQ(installed.Stores().phone_book_path, dir_.File("user/PhoneBook.vdr"));
    EXPECT_EQ(installed.Stores().notes_path, dir_.File("user/Memolet.vdr"));
    EXPECT_EQ(installed.Stores().phone_book->Count(), 0);

    // Without a data folder of the user's there is nowhere to keep them.
    test::MemorySettings fresh;
    StartupServices services{fresh, messages_, platform_, chooser_};
    platform_.user_data_folder.clear();
    Application homeless;
    ASSERT_TRUE(homeless.InitData(services, {}));
    EXPECT_EQ(homeless.Stores().phone_book, nullptr);
    EXPECT_TRUE(homeless.RunsFromHardDisk());
}

TEST_F(StartupTest, AStoreKeptBesideTheProgramComesAlongToTheUserFolder) {
    WriteData("bin");
    // Stores that load, so that they are kept as they are.
    const auto store_of = [](const char* name) {
        EntryStore store;
        SubscriberEntry entry;
        entry[EntryField::kName] = name;
        store.Insert(entry, "", -1);
        return store.Encode();
    };
    ASSERT_TRUE(ReplaceFileContents(dir_.File("bin/PhoneBook.vdr"), store_of("old book")));
    ASSERT_TRUE(ReplaceFileContents(dir_.File("user/Memolet.vdr"), store_of("newer notes")));
    ASSERT_TRUE(ReplaceFileContents(dir_.File("bin/Memolet.vdr"), store_of("old notes")));
    (void)Write(settings_, setting::kHardDiskAppPath, dir_.path() + "/bin/");
    (void)Init();
    std::string bytes;
    ASSERT_TRUE(ReadFileContents(dir_.File("user/PhoneBook.vdr"), &bytes));
    EXPECT_EQ(bytes, store_of("old book"));
    // The old file stays, and a store already in the user folder is not replaced.
    EXPECT_TRUE(ReadFileContents(dir_.File("bin/PhoneBook.vdr"), &bytes));
    ASSERT_TRUE(ReadFileContents(dir_.File("user/Memolet.vdr"), &bytes));
    EXPECT_EQ(bytes, store_of("newer notes"));
    EXPECT_TRUE(messages_.Shown().empty());
}

TEST_F(StartupTest, AStoreThatCannotBeReadIsSetAsideAndSaidOnce) {
    WriteData("bin");
    ASSERT_TRUE(ReplaceFileContents(dir_.File("user/PhoneBook.vdr"), "not a phone book"));
    (void)Write(settings_, setting::kHardDiskAppPath, dir_.path() + "/bin/");
    (void)Init();
    ASSERT_NE(application_.Stores().phone_book, nullptr);
    EXPECT_EQ(application_.Stores().phone_book->Count(), 0);
    ASSERT_EQ(messages_.ShownIds(), std::vector<int>{1345});
    EXPECT_EQ(messages_.Shown()[0].icon, MessageIcon::kExclamation);
    EXPECT_NE(messages_.Shown()[0].text.find(dir_.File("user/PhoneBook.vdr.defekt-")),
              std::string::npos);
    std::string bytes;
    ASSERT_TRUE(ReadFileContents(dir_.File("user/PhoneBook.vdr"), &bytes));
    EXPECT_EQ(bytes, std::string("\x88\x02\x12\x00\x00\x00\x00\x00", 8));
}

TEST(LinuxPlatformTest, TheUserDataFolderIsMadeUnderXdgDataHome) {
    test::TempDir dir;
    const char* saved = std::getenv("XDG_DATA_HOME");
    const std::string old = saved != nullptr ? saved : "";
    ::setenv("XDG_DATA_HOME", dir.File("share").c_str(), 1);
    LinuxPlatform platform;
    const std::string folder = platform.UserDataFolder();
    EXPECT_EQ(folder, dir.File("share/Morvanta/Vendarion/"));
    struct stat info {};
    EXPECT_EQ(::stat(folder.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
    // A file where the folder should be: no folder.
    ::setenv("XDG_DATA_HOME", dir.File("share/Morvanta/Vendarion/file").c_str(), 1);
    EXPECT_TRUE(ReplaceFileContents(dir.File("share/Morvanta/Vendarion/file"), "x"));
    EXPECT_EQ(platform.UserDataFolder(), "");
    if (saved != nullptr) {
        ::setenv("XDG_DATA_HOME", old.c_str(), 1);
    } else {
        ::unsetenv("XDG_DATA_HOME");
    }
}

TEST(StartupChecks, TheProgramMustFindItsOwnFile) {
    test::MemorySettings settings;
    test::ScriptedMessages messages;
    test::FakePlatform platform;
    EXPECT_FALSE(CheckOperatingSystem(platform, settings, messages));
    EXPECT_EQ(messages.ShownIds(), std::vector<int>{1334});
    ASSERT_TRUE(Write(settings, setting::kNoWin32sCheck, 1));
    EXPECT_TRUE(CheckOperatingSystem(platform, settings, messages));
    platform.program_path = "/opt/vendarion/vendarion";
    ASSERT_TRUE(Write(settings, setting::kNoWin32sCheck, 0));
    EXPECT_TRUE(CheckOperatingSystem(platform, settings, messages));
    EXPECT_EQ(messages.Shown().size(), 1u);
}

TEST(StartupChecks, AnOlderToolkitAsksAndAnUnreadableOneEnds) {
    test::ScriptedMessages messages;
    EXPECT_TRUE(CheckToolkitVersion("4.71", 40071, messages));
    EXPECT_TRUE(CheckToolkitVersion("6.4.2", 60002, messages));
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_FALSE(CheckToolkitVersion("4.70", 40071, messages)) << "Cancel is the default";
    messages.Answer(MessageAnswer::kOk);
    EXPECT_TRUE(CheckToolkitVersion("4.70.9", 40071, messages));
    EXPECT_EQ(messages.ShownIds(), (std::vector<int>{1318, 1318}));
    messages.Clear();
    EXPECT_FALSE(CheckToolkitVersion("", 40071, messages));
    EXPECT_FALSE(CheckToolkitVersion("six", 40071, messages));
    EXPECT_FALSE(CheckToolkitVersion("6", 40071, messages));
    EXPECT_EQ(messages.ShownIds(), (std::vector<int>{1319, 1319, 1319}));
}

TEST(StartupChecks, SwitchesAreFoundAnywhereInTheCommandLine) {
    EXPECT_FALSE(ParseSwitches("vendarion").use_program_folder);
    const StartupSwitches both = ParseSwitches("vendarion /xmf-use-cwd --mf-ignore-version");
    EXPECT_TRUE(both.use_program_folder);
    EXPECT_TRUE(both.ignore_version);
    EXPECT_FALSE(ParseSwitches("MF-USE-CWD mf-ignore").ignore_version);
    EXPECT_FALSE(ParseSwitches("MF-USE-CWD").use_program_folder);
}

}  // namespace
}  // namespace vendarion
