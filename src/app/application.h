// The application object: owns the directory data set and the two personal stores
// for the whole run. Its data initialisation locates, checks and opens everything
// in a fixed order; every failure shows exactly one message (none for a cancelled
// question or drive choice) and leaves the object to be released by Exit.
// User-interface thread only.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/startup_checks.h"
#include "app/startup_services.h"
#include "personal/personal_stores.h"
#include "store/data_set.h"

namespace vendarion {

class Application {
public:
    Application() = default;
    ~Application() { Exit(); }
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Creates the data set, notes a hard-disk copy (setting HardDiskAppPath), opens
    // the personal stores, locates and version-checks the four archives and opens
    // the data set. True when all of it is open.
    [[nodiscard]] bool InitData(StartupServices& services, const StartupSwitches& switches);
    // Releases the data set (its readers, then its archives), then the phone book
    // and the note store. Harmless when called again.
    void Exit();

    // Null before InitData and after Exit.
    DataSet* Data() { return data_set_.get(); }
    PersonalStores& Stores() { return stores_; }
    bool RunsFromHardDisk() const { return runs_from_hard_disk_; }

private:
    void NoteHardDiskCopy(StartupServices& services, const std::string& program_path);
    static void CopyStores(Platform& platform, const std::string& from, const std::string& to);
    // Locates the four archives and checks that each opens and that the data is of
    // the required version; fills paths.
    [[nodiscard]] bool LocateArchives(StartupServices& services, const StartupSwitches& switches,
                                      const std::string& program_path,
                                      std::array<std::string, 4>* paths);
    [[nodiscard]] bool AcceptVersion(StartupServices& services, const StartupSwitches& switches,
                                     const ArchiveVersion& version);
    [[nodiscard]] bool OpenDataSet(StartupServices& services,
                                   const std::array<std::string, 4>& paths);

    std::unique_ptr<DataSet> data_set_;
    PersonalStores stores_;
    bool runs_from_hard_disk_ = false;
    bool version_accepted_ = false;
};

// The data version the program reads.
inline constexpr ArchiveVersion kRequiredDataVersion{1, 3};

}  // namespace vendarion
