// One TCP connection of an Internet query, cancellable from another thread. The
// socket is non-blocking; every wait polls it together with a wake-up descriptor, so
// that a cancellation ends a blocked connect, send or receive at once. The
// connection belongs to the thread that runs the query; only the cancel flag and the
// wake-up descriptor are shared (InternetQueryClient::Cancel).
#pragma once

#include <netinet/in.h>

#include <atomic>
#include <string_view>

#include "net/byte_source.h"

namespace vendarion {

class SocketChannel final : public ByteSource {
public:
    // wake_fd becomes readable when cancelled is set; both outlive the channel.
    SocketChannel(int wake_fd, const std::atomic<bool>& cancelled)
        : wake_fd_(wake_fd), cancelled_(cancelled) {}
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
    // Waits until the socket is ready for events; 0, or 7 when cancelled.
    [[nodiscard]] int Wait(short events);

    int fd_ = -1;
    int wake_fd_;
    const std::atomic<bool>& cancelled_;
};

}  // namespace vendarion
