#include "scripted_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>

namespace vendarion::test {
namespace {

int BoundSocket(int* port) {
    const int fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        std::abort();
    }
    *port = ntohs(address.sin_port);
    return fd;
}

std::size_t ContentLength(const std::string& header) {
    const std::string key = "Content-Length: ";
    const std::size_t at = header.find(key);
    return at == std::string::npos ? 0
                                   : std::strtoul(header.c_str() + at + key.size(), nullptr, 10);
}

}  // namespace

ScriptedServer::ScriptedServer(Script script, bool read_request)
    : script_(std::move(script)), read_request_(read_request) {
    listen_fd_ = BoundSocket(&port_);
    stop_fd_ = eventfd(0, EFD_CLOEXEC);
    if (listen(listen_fd_, 16) != 0 || stop_fd_ < 0) std::abort();
    thread_ = std::thread([this] { Run(); });
}

ScriptedServer::~ScriptedServer() {
    const std::uint64_t one = 1;
    if (write(stop_fd_, &one, sizeof one) != sizeof one) std::abort();
    thread_.join();
    close(listen_fd_);
    close(stop_fd_);
}

std::vector<std::string> ScriptedServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void ScriptedServer::Send(const Connection& connection, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t sent = send(connection.fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent <= 0) return;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
}

void ScriptedServer::Stall(const Connection& connection) {
    for (;;) {
        pollfd fds[2] = {{stop_fd_, POLLIN, 0}, {connection.fd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || fds[0].revents != 0) return;
        char byte;
        if (fds[1].revents != 0 && recv(connection.fd, &byte, 1, 0) <= 0) return;
    }
}

void ScriptedServer::Mark() {
    std::lock_guard lock(mutex_);
    ++marks_;
    marked_.notify_all();
}

bool ScriptedServer::WaitForMarks(int count) {
    std::unique_lock lock(mutex_);
    return marked_.wait_for(lock, std::chrono::seconds(10), [&] { return marks_ >= count; });
}

void ScriptedServer::Run() {
    for (;;) {
        pollfd fds[2] = {{stop_fd_, POLLIN, 0}, {listen_fd_, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0 || fds[0].revents != 0) return;
        Connection connection;
        connection.fd = accept4(listen_fd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (connection.fd < 0) continue;
        if (!read_request_ || ReadRequest(&connection)) script_(*this, connection);
        close(connection.fd);
    }
}

bool ScriptedServer::ReadRequest(Connection* connection) {
    std::string& request = connection->request;
    std::size_t header_end = std::string::npos;
    char buffer[4096];
    while (header_end == std::string::npos ||
           request.size() < header_end + ContentLength(request.substr(0, header_end))) {
        const ssize_t got = recv(connection->fd, buffer, sizeof buffer, 0);
        if (got <= 0) return false;
        request.append(buffer, static_cast<std::size_t>(got));
        if (header_end == std::string::npos) {
            const std::size_t blank = request.find("\n\n");
            if (blank != std::string::npos) header_end = blank + 2;
        }
    }
    std::lock_guard lock(mutex_);
    requests_.push_back(request);
    return true;
}

int UnusedPort() {
    int port = 0;
    close(BoundSocket(&port));
    return port;
}

}  // namespace vendarion::test
