// One TCP connection of an Internet query, cancellable from another thread. The
// socket is non-blocking; every wait polls it together with a wake-up descriptor, so
// that a cancellation ends a blocked connect, send or receive at once. The
// connection belongs to the thread that runs the query; only the cancel flag and the
// wake-up descriptor are shared (InternetQueryClient::Cancel).
//
// Every wait is bounded: when the socket makes no progress for the stall time, or
// the whole exchange outlasts the total time, the waiting call fails with the
// time-out code 10060, so that a silent or trickling server cannot hold a query.
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <chrono>
#include <string_view>

#include "net/byte_source.h"

namespace vendarion {

// Bounds of the waits of one channel, in milliseconds; values below 1 mean none.
struct ChannelBounds {
    int stall_ms = 30'000;
    int total_ms = 300'000;
};

class SocketChannel final : public ByteSource {
public:
    // wake_fd becomes readable when cancelled is set; both outlive the channel. The
    // total time counts from construction.
    SocketChannel(int wake_fd, const std::atomic<bool>& cancelled, ChannelBounds bounds = {});
    ~SocketChannel() override { Close(); }
    SocketChannel(const SocketChannel&) = delete;
    SocketChannel& operator=(const SocketChannel&) = delete;

    // Creates the socket and connects; 0, 7 when cancelled, or a socket error code.
    [[nodiscard]] int Connect(const sockaddr_in& address);
    // Sends all bytes; 0, 7 when cancelled, or a socket error code.
    [[nodiscard]] int Send(std::string_view bytes);
    // Error 7 when cancelled.
    Received Receive(std::uint8_t* data, std::size_t size) override;
    void Close();

private:
    // Waits until the socket is ready for events; 0, 7 when cancelled, or 10060 when
    // a bound passed first.
    [[nodiscard]] int Wait(short events);

    int fd_ = -1;
    int wake_fd_;
    const std::atomic<bool>& cancelled_;
    ChannelBounds bounds_;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace vendarion
