#include "archive_set.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace vendarion::mkdata {
namespace {

constexpr const char* kNames[4] = {"Index.mf", "Code.mf", "List.mf", "Data.mf"};
constexpr const char* kPendingSuffix = ".new";

}  // namespace

const char* ArchiveName(ArchiveIndex which) { return kNames[which]; }

ArchiveSet::~ArchiveSet() { RemoveFinished(); }

bool ArchiveSet::Create(const std::string& dir) {
    dir_ = dir;
    for (int i = 0; i < 4; ++i) {
        if (!writers_[i].Create(dir + "/" + kNames[i] + kPendingSuffix)) {
            error_ = writers_[i].Error();
            return false;
        }
    }
    return true;
}

bool ArchiveSet::Commit() {
    for (int i = 0; i < 4; ++i) {
        if (!writers_[i].Finish()) {
            error_ = writers_[i].Error();
            RemoveFinished();
            return false;
        }
        finished_[i] = true;
    }
    for (int i = 0; i < 4; ++i) {
        const std::string target = dir_ + "/" + kNames[i];
        if (std::rename((target + kPendingSuffix).c_str(), target.c_str()) != 0) {
            error_ = target + ": " + std::strerror(errno);
            RemoveFinished();
            return false;
        }
        finished_[i] = false;
    }
    return true;
}

void ArchiveSet::RemoveFinished() {
    for (int i = 0; i < 4; ++i) {
        if (finished_[i]) ::unlink((dir_ + "/" + kNames[i] + kPendingSuffix).c_str());
        finished_[i] = false;
    }
}

}  // namespace vendarion::mkdata
