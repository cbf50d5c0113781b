#include "net/socket_channel.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <utility>

#include "net/internet_error.h"

namespace vendarion {
namespace {

void Drain(int fd) {
    std::uint64_t value = 0;
    while (read(fd, &value, sizeof value) > 0) {
    }
}

}  // namespace

SocketChannel::SocketChannel(int wake_fd, const std::atomic<bool>& cancelled, ChannelBounds bounds)
    : wake_fd_(wake_fd),
      cancelled_(cancelled),
      bounds_(bounds),
      start_(std::chrono::steady_clock::now()) {}

int SocketChannel::Connect(const sockaddr_in& address) {
    Close();
    if (cancelled_.load()) return internet_error::kCancelled;
    fd_ = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd_ < 0) return SocketErrorCode(errno, SocketStep::kConnect);
    if (connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return 0;
    if (errno != EINPROGRESS && errno != EINTR) {
        return SocketErrorCode(errno, SocketStep::kConnect);
    }
    if (const int code = Wait(POLLOUT)) return code;
    int error = 0;
    socklen_t length = sizeof error;
    if (getsockopt(fd_, SOL_SOCKET, SO_ERROR, &error, &length) != 0) error = errno;
    return error == 0 ? 0 : SocketErrorCode(error, SocketStep::kConnect);
}

int SocketChannel::Send(std::string_view bytes) {
    while (!bytes.empty()) {
        if (cancelled_.load()) return internet_error::kCancelled;
        const ssize_t sent = send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent >= 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (const int code = Wait(POLLOUT)) return code;
        } else if (errno != EINTR) {
            return SocketErrorCode(errno, SocketStep::kSend);
        }
    }
    return 0;
}

Received SocketChannel::Receive(std::uint8_t* data, std::size_t size) {
    for (;;) {
        if (cancelled_.load()) return {0, internet_error::kCancelled};
        const ssize_t received = recv(fd_, data, size, 0);
        if (received >= 0) return {static_cast<std::size_t>(received), 0};
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (const int code = Wait(POLLIN)) return {0, code};
        } else if (errno != EINTR) {
            return {0, SocketErrorCode(errno, SocketStep::kReceive)};
        }
    }
}

void SocketChannel::Close() {
    if (fd_ < 0) return;
    close(fd_);
    fd_ = -1;
}

int SocketChannel::Wait(short events) {
    using Clock = std::chrono::steady_clock;
    using std::chrono::milliseconds;
    const Clock::time_point begin = Clock::now();
    for (;;) {
        if (cancelled_.load()) return internet_error::kCancelled;
        // The time left of the nearer bound.
        const auto elapsed = [](Clock::time_point since) {
            return std::chrono::duration_cast<milliseconds>(Clock::now() - since).count();
        };
        bool bounded = false;
        long long left = 0;
        for (const auto& [bound, since] :
             {std::pair{bounds_.stall_ms, begin}, std::pair{bounds_.total_ms, start_}}) {
            if (bound <= 0) continue;
            const long long remaining = bound - elapsed(since);
            left = bounded ? std::min(left, remaining) : remaining;
            bounded = true;
        }
        if (bounded && left <= 0) return SocketErrorCode(ETIMEDOUT, SocketStep::kReceive);
        pollfd fds[2] = {{fd_, events, 0}, {wake_fd_, POLLIN, 0}};
        const int ready = poll(fds, 2, bounded ? static_cast<int>(std::min(left, 1LL << 30)) : -1);
        if (ready < 0 && errno != EINTR) return SocketErrorCode(errno, SocketStep::kReceive);
        if (ready <= 0) continue;
        if (fds[0].revents != 0) return 0;
        // A wake-up without the flag is left over from a cancellation that came after
        // its search had ended; it must not end this one.
        if (fds[1].revents != 0 && !cancelled_.load()) Drain(wake_fd_);
    }
}

}  // namespace vendarion
