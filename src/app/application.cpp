#include "app/application.h"
#include "base/atomic_file.h"

#include <new>

#include "app/archive_locator.h"
#include "app/platform.h"
#include "app/startup_message.h"
#include "base/cp1252.h"
#include "base/setting_names.h"

namespace vendarion {
namespace {

constexpr int kOutOfMemoryText = 1307;
constexpr int kArchiveFailedText = 1325;
constexpr int kOtherVersionText = 1337;
constexpr int kOtherVersionQuestion = 1338;
constexpr int kStoreSetAsideText = 1345;

constexpr std::array<const char*, 4> kArchiveNames = {DataSet::kIndexFile, DataSet::kCodeFile,
                                                      DataSet::kListFile, DataSet::kDataFile};
const std::array<TextSetting, 4> kArchiveSettings = {setting::kIndexFilename,
                                                     setting::kCodeFilename, setting::kListFilename,
                                                     setting::kDataFilename};

struct StepMessage {
    DataSetStep step;
    int text;
    MessageIcon icon;
};

// The message of each data object that can fail after the archives opened.
constexpr StepMessage kStepMessages[] = {
    {DataSetStep::kTownList, 3001, MessageIcon::kNone},
    {DataSetStep::kPostalCodeList, 3002, MessageIcon::kStop},
    {DataSetStep::kAreaCodeList, 3003, MessageIcon::kStop},
    {DataSetStep::kNamesDictionary, 3004, MessageIcon::kStop},
    {DataSetStep::kBookList, 3005, MessageIcon::kStop},
    {DataSetStep::kStreetIndex, 3006, MessageIcon::kStop},
    {DataSetStep::kHeadingIndex, 3007, MessageIcon::kStop},
    {DataSetStep::kNameToBooks, 3008, MessageIcon::kStop},
};

static_assert(static_cast<int>(DataSetStep::kIndexArchive) == 0 &&
              static_cast<int>(DataSetStep::kDataArchive) == 3);

bool SameVersion(const ArchiveVersion& a, const ArchiveVersion& b) {
    return a.major == b.major && a.minor == b.minor;
}

}  // namespace

bool Application::InitData(StartupServices& services, const StartupSwitches& switches) {
    data_set_.reset(new (std::nothrow) DataSet);
    const std::string program_path = services.platform.ProgramPath();
    NoteHardDiskCopy(services, program_path);
    stores_ = OpenPersonalStores(services.settings);
    // A store that could not be read was kept aside and started afresh: said once.
    for (const std::string& set_aside : stores_.set_aside) {
        ShowStartupMessage(services.messages, kStoreSetAsideText, Utf8ToCp1252(set_aside),
                           MessageIcon::kExclamation);
    }
    if (data_set_ == nullptr) {
        ShowStartupMessage(services.messages, kOutOfMemoryText, MessageIcon::kStop);
        return false;
    }
    std::array<std::string, 4> paths;
    if (!LocateArchives(services, switches, program_path, &paths)) return false;
    return OpenDataSet(services, paths);
}

void Application::CopyStores(Platform& platform, const std::string& from, const std::string& to) {
    // The stores of an earlier folder come along, so that no phone book is left
    // behind; the old files stay where they were, and a store already in the new
    // folder is never replaced.
    for (const std::string_view name : {kPhoneBookFileName, kNoteStoreFileName}) {
        const std::string source = from + std::string(name);
        const std::string target = to + std::string(name);
        std::string bytes;
        if (platform.FileExists(target) || !platform.FileExists(source) ||
            !ReadFileContents(source, &bytes)) {
            continue;
        }
        (void)ReplaceFileContents(target, bytes);
    }
}

void Application::NoteHardDiskCopy(StartupServices& services, const std::string& program_path) {
    if (program_path.empty() || services.platform.DriveTypeOf(program_path) != DriveType::kFixed) {
        return;
    }
    runs_from_hard_disk_ = true;
    // An installed program cannot write beside itself: the user's stores go to the
    // user's data folder. Without one they are absent.
    const std::string folder = services.platform.UserDataFolder();
    if (folder.empty()) return;
    // Earlier versions kept the stores beside the program.
    const std::string earlier = Read(services.settings, setting::kHardDiskAppPath);
    for (const std::string& old : {earlier, FolderOf(program_path)}) {
        if (!old.empty() && old != folder) CopyStores(services.platform, old, folder);
    }
    (void)Write(services.settings, setting::kHardDiskAppPath, folder);
}

bool Application::LocateArchives(StartupServices& services, const StartupSwitches& switches,
                                 const std::string& program_path,
                                 std::array<std::string, 4>* paths) {
    ArchiveFile index_archive;
    for (std::size_t i = 0; i < kArchiveNames.size(); ++i) {
        std::optional<std::string> path =
            LocateArchive(services, kArchiveSettings[i], kArchiveNames[i],
                          switches.use_program_folder, program_path);
        if (!path) return false;
        ArchiveFile opened;
        ArchiveFile& archive = i == 0 ? index_archive : opened;
        if (!archive.Open(*path)) {
            ShowStartupMessage(services.messages, kArchiveFailedText, kArchiveNames[i],
                               MessageIcon::kStop);
            return false;
        }
        if (!AcceptVersion(services, switches, index_archive.Version())) return false;
        (*paths)[i] = std::move(*path);
    }
    return true;
}

bool Application::AcceptVersion(StartupServices& services, const StartupSwitches& switches,
                                const ArchiveVersion& version) {
    if (version_accepted_ || SameVersion(version, kRequiredDataVersion)) return true;
    if (!switches.ignore_version) {
        ShowStartupMessage(services.messages, kOtherVersionText, MessageIcon::kStop);
        return false;
    }
    if (AskStartupQuestion(services.messages, kOtherVersionQuestion, MessageIcon::kExclamation) !=
        MessageAnswer::kOk) {
        return false;
    }
    version_accepted_ = true;
    return true;
}

bool Application::OpenDataSet(StartupServices& services, const std::array<std::string, 4>& paths) {
    const DataSetStep step = data_set_->Open(paths);
    if (step == DataSetStep::kComplete) return true;
    const int archive = static_cast<int>(step);
    if (archive < static_cast<int>(kArchiveNames.size())) {
        ShowStartupMessage(services.messages, kArchiveFailedText, kArchiveNames[archive],
                           MessageIcon::kStop);
        return false;
    }
    for (const StepMessage& message : kStepMessages) {
        if (message.step == step) ShowStartupMessage(services.messages, message.text, message.icon);
    }
    return false;
}

void Application::Exit() {
    if (data_set_ != nullptr) data_set_->Close();
    data_set_.reset();
    stores_.phone_book.reset();
    stores_.notes.reset();
    stores_.phone_book_path.clear();
    stores_.notes_path.clear();
}

}  // namespace vendarion
