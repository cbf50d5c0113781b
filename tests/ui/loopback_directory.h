// The directory server over its own copy of a window harness's sample data, on a
// loopback port, with the harness's Internet settings pointed at it.
#pragma once

#include "scripted_server.h"
#include "store/data_set.h"
#include "support/temp_dir.h"

namespace vendarion::test {

class WindowHarness;

class LoopbackDirectory {
public:
    explicit LoopbackDirectory(WindowHarness& harness);
    // Whether the server's data set was written and opened.
    bool Ok() const { return ok_; }

private:
    TempDir dir_;
    DataSet data_;
    bool ok_ = false;
    ScriptedServer server_;
};

}  // namespace vendarion::test
