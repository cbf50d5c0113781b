#include "loopback_directory.h"

#include <string>

#include "base/setting_names.h"
#include "net/directory_server.h"
#include "reply_bytes.h"
#include "window_harness.h"

namespace vendarion::test {

LoopbackDirectory::LoopbackDirectory(WindowHarness& harness)
    : ok_(WriteSampleDataSet(harness.sample, dir_.path()) &&
          data_.Open(dir_.path()) == DataSetStep::kComplete),
      server_([this](ScriptedServer&, ScriptedServer::Connection& c) {
          // The request's header lines end with a line feed alone.
          const std::size_t body = c.request.find("\n\n");
          const std::string form = body == std::string::npos ? "" : c.request.substr(body + 2);
          ScriptedServer::Send(c, HttpReply(DirectoryServer(data_).Answer(form)));
      }) {
    (void)Write(harness.settings, setting::kInternetServer, "127.0.0.1");
    (void)Write(harness.settings, setting::kInternetURL, "/cgi-bin/QueryCgi");
    (void)Write(harness.settings, setting::kInternetPort, server_.Port());
}

}  // namespace vendarion::test
