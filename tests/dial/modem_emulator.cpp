#include "modem_emulator.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

namespace vendarion::test {

ModemEmulator::ModemEmulator(Behaviour behaviour) : behaviour_(std::move(behaviour)) {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) return;
    const char* name = ptsname(master_);
    if (name == nullptr) return;
    slave_ = open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) return;
    port_ = name;
    server_ = std::thread(&ModemEmulator::Serve, this);
}

ModemEmulator::~ModemEmulator() {
    stop_ = true;
    if (server_.joinable()) server_.join();
    if (slave_ >= 0) close(slave_);
    if (master_ >= 0) close(master_);
}

std::string ModemEmulator::Received() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return received_;
}

void ModemEmulator::Forget() {
    const std::lock_guard<std::mutex> lock(mutex_);
    received_.clear();
}

std::string ModemEmulator::Answer(const std::string& command) const {
    const auto info = [](const std::string& text) {
        return text.empty() ? std::string("\r\nERROR\r\n") : "\r\n" + text + "\r\n\r\nOK\r\n";
    };
    if (command == "AT" || command == "ATZ" || command == "ATH") return "\r\nOK\r\n";
    if (command == "ATI") return info("Acme Voice Modem V1.0");
    if (command == "AT+GMI") return info(behaviour_.maker);
    if (command == "AT+GMM") return info(behaviour_.model);
    if (command == "AT+FCLASS=?") return info(behaviour_.classes);
    if (command.rfind("ATD", 0) == 0) {
        return behaviour_.dial_result.empty() ? "" : "\r\n" + behaviour_.dial_result + "\r\n";
    }
    return "\r\nERROR\r\n";
}

void ModemEmulator::Serve() {
    std::string command;
    while (!stop_) {
        pollfd entry{master_, POLLIN, 0};
        if (poll(&entry, 1, 10) <= 0 || (entry.revents & POLLIN) == 0) continue;
        char buffer[256];
        const ssize_t got = read(master_, buffer, sizeof buffer);
        if (got <= 0) continue;
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            received_.append(buffer, static_cast<std::size_t>(got));
        }
        if (behaviour_.silent) continue;
        for (ssize_t i = 0; i < got; ++i) {
            if (buffer[i] != '\r') {
                command += buffer[i];
                continue;
            }
            std::string reply = behaviour_.echo ? command + "\r" : std::string();
            reply += Answer(command);
            command.clear();
            if (write(master_, reply.data(), reply.size()) < 0) return;
        }
    }
}

}  // namespace vendarion::test
