// A TCP server on a free loopback port for the client's tests: a thread accepts one
// connection after another and answers each with the test's script.
#pragma once

#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace vendarion::test {

class ScriptedServer {
public:
    struct Connection {
        int fd = -1;
        std::string request;  // the request received (empty when not read)
    };
    using Script = std::function<void(ScriptedServer& server, Connection& connection)>;

    // With read_request, each connection's request (header lines up to the empty line
    // and Content-Length bytes of body) is read before the script runs.
    explicit ScriptedServer(Script script, bool read_request = true);
    // Releases stalled scripts and ends the thread.
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int Port() const { return port_; }
    std::vector<std::string> Requests() const;

    // For scripts: sends bytes, ignoring failures.
    static void Send(const Connection& connection, std::string_view bytes);
    // For scripts: waits until the server stops or the peer closes the connection.
    void Stall(const Connection& connection);
    // For scripts: marks that the script has reached its point of interest.
    void Mark();
    // For the test: waits until Mark was called count times in all; false after 10 s.
    [[nodiscard]] bool WaitForMarks(int count);

private:
    void Run();
    bool ReadRequest(Connection* connection);

    Script script_;
    bool read_request_;
    int listen_fd_ = -1;
    int stop_fd_ = -1;
    int port_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable marked_;
    int marks_ = 0;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A loopback port that nothing listens on.
int UnusedPort();

}  // namespace vendarion::test
