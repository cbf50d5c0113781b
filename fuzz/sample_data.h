// The small sample data set of the tests, written once per fuzzing process into a
// folder of its own that is removed when the process ends.
#pragma once

#include <string>

namespace vendarion::fuzz {

// The folder holding Index.mf, Code.mf, List.mf and Data.mf; aborts when they cannot
// be written (a fuzzer without its data would find nothing).
const std::string& SampleDataFolder();

// A fresh empty folder inside the sample's scratch space.
std::string ScratchFolder(const char* name);

}  // namespace vendarion::fuzz
