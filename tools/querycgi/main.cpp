// QueryCgi: the directory server for the Internet search. One program in two modes:
//
// - CGI, when a web server starts it for each request: reads the form of a POST
//   request from standard input, opens the data set, answers, ends.
// - FastCGI, when it is started with a listening socket: as standard input (lighttpd's
//   mod_fastcgi with bin-path, spawn-fcgi), as the first socket a systemd socket unit
//   passes, or opened by itself with --listen ADDRESS (":9000", "127.0.0.1:9000" or
//   the path of a Unix socket). It then keeps the data set open and answers request
//   after request (fastcgi_server.h).
//
// The reply has the Content-Type application/vendarion; a request it cannot answer
// gets an error reply with a German text. Settings come from the environment
// (server_options.h); VENDARION_DATA names the folder of the four archives.
#include <fcgiapp.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fastcgi_server.h"
#include "net/reply_writer.h"
#include "net/server_request.h"
#include "server_options.h"
#include "store/data_set.h"

namespace vendarion {
namespace {

// The first socket that systemd passes (sd_listen_fds).
constexpr int kSystemdFirstSocket = 3;

class StdinBody final : public ByteSource {
public:
    Received Receive(std::uint8_t* data, std::size_t size) override {
        for (;;) {
            const ssize_t got = read(STDIN_FILENO, data, size);
            if (got < 0 && errno == EINTR) continue;
            return {static_cast<std::size_t>(got > 0 ? got : 0), got < 0 ? errno : 0};
        }
    }
};

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

bool WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

int RunCgi(const ServerOptions& options) {
    StdinBody source;
    std::string body;
    std::string reply;
    DataSet data_set;
    if (!ReadRequestBody(Environment("REQUEST_METHOD"), Environment("CONTENT_LENGTH"), source,
                         &body)) {
        reply = ServerErrorReply(server_error::kUnreadableRequest);
    } else if (options.data_folder.empty() ||
               data_set.Open(options.data_folder) != DataSetStep::kComplete) {
        reply = ServerErrorReply(server_error::kNoData);
    } else {
        reply = DirectoryServer(data_set, options.limits).Answer(body);
    }
    return WriteAll(CgiResponse(reply)) ? 0 : 1;
}

// The socket that systemd passed to this process, or -1.
int SystemdSocket() {
    const std::string pid = std::to_string(getpid());
    return Environment("LISTEN_PID") == pid && Environment("LISTEN_FDS") == "1"
               ? kSystemdFirstSocket
               : -1;
}

}  // namespace
}  // namespace vendarion

int main(int argc, char** argv) {
    using namespace vendarion;
    const ServerOptions options = OptionsFromEnvironment();
    if (FCGX_Init() != 0) return 1;
    int listen_socket = -1;
    if (argc == 3 && std::string_view(argv[1]) == "--listen") {
        listen_socket = FCGX_OpenSocket(argv[2], 128);
        if (listen_socket < 0) {
            std::fprintf(stderr, "QueryCgi: cannot listen on %s\n", argv[2]);
            return 1;
        }
    } else if (argc != 1) {
        std::fprintf(stderr, "usage: QueryCgi [--listen ADDRESS]\n");
        return 2;
    } else if (const int passed = SystemdSocket(); passed >= 0) {
        listen_socket = passed;
    } else if (!FCGX_IsCGI()) {
        listen_socket = 0;
    } else {
        return RunCgi(options);
    }
    // A client that goes away must not end the server; a stop request (SIGTERM from
    // the web server, spawn-fcgi's supervisor or systemd) ends it at once, where the
    // FastCGI library would only note it and go on waiting for the next request.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGTERM, SIG_DFL);
    return RunFastCgi(listen_socket, options);
}
