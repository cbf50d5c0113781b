#include "dial/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace vendarion {
namespace {

speed_t SpeedConstant(std::int32_t speed) {
    switch (speed) {
        case 9600:
            return B9600;
        case 19200:
            return B19200;
        case 38400:
            return B38400;
        case 57600:
            return B57600;
        case 230400:
            return B230400;
        default:
            return B115200;
    }
}

// Milliseconds left until the deadline, at least 0.
int MillisecondsLeft(SerialPort::Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - SerialPort::Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// Waits for the events before the deadline; false on a timeout or an error.
bool WaitFor(int fd, short events, SerialPort::Clock::time_point deadline) {
    for (;;) {
        pollfd entry{fd, events, 0};
        const int ready = poll(&entry, 1, MillisecondsLeft(deadline));
        if (ready > 0) return (entry.revents & events) != 0;
        if (ready == 0 || errno != EINTR) return false;
    }
}

}  // namespace

bool SerialPort::Open(const std::string& path, std::int32_t speed) {
    Close();
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    termios settings{};
    // Another program's lock, or one it asked the kernel to enforce, keeps us out.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0 ||
        tcgetattr(fd, &settings) != 0) {
        close(fd);
        return false;
    }
    cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD | HUPCL;
    settings.c_cflag &= ~static_cast<tcflag_t>(CRTSCTS);
    (void)cfsetispeed(&settings, SpeedConstant(speed));
    (void)cfsetospeed(&settings, SpeedConstant(speed));
    if (tcsetattr(fd, TCSANOW, &settings) != 0) {
        close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

void SerialPort::Close() {
    if (fd_ < 0) return;
    // The exclusive mode belongs to the device, not to this descriptor.
    (void)ioctl(fd_, TIOCNXCL);
    close(fd_);
    fd_ = -1;
}

void SerialPort::DiscardInput() {
    if (fd_ >= 0) (void)tcflush(fd_, TCIFLUSH);
}

bool SerialPort::Write(std::string_view bytes, Clock::time_point deadline) {
    while (fd_ >= 0 && !bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(written));
        } else if (written < 0 && errno != EAGAIN && errno != EINTR) {
            return false;
        } else if (!WaitFor(fd_, POLLOUT, deadline)) {
            return false;
        }
    }
    return fd_ >= 0;
}

bool SerialPort::Read(std::string* bytes, Clock::time_point deadline) {
    if (fd_ < 0 || !WaitFor(fd_, POLLIN, deadline)) return false;
    char buffer[512];
    const ssize_t got = read(fd_, buffer, sizeof buffer);
    if (got <= 0) return false;
    bytes->append(buffer, static_cast<std::size_t>(got));
    return true;
}

}  // namespace vendarion
