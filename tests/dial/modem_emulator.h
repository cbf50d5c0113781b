// A modem on a pseudo-terminal, for tests: the program opens Port() like a serial
// line; a thread answers AT commands as the behaviour says and records every byte it
// receives. Every wait is bounded.
#pragma once

#include <atomic>
#include <mutex>
#include <string>
#include <thread>

namespace vendarion::test {

class ModemEmulator {
public:
    struct Behaviour {
        bool silent = false;              // answers nothing
        bool echo = true;                 // repeats each command before the answer
        std::string maker = "Acme";       // AT+GMI; empty answers ERROR
        std::string model = "Voice 56K";  // AT+GMM; empty answers ERROR
        std::string classes = "0,1,8";    // AT+FCLASS=?
        std::string dial_result = "OK";   // ATD...; "" stays silent
    };

    ModemEmulator() : ModemEmulator(Behaviour{}) {}
    explicit ModemEmulator(Behaviour behaviour);
    ~ModemEmulator();
    ModemEmulator(const ModemEmulator&) = delete;
    ModemEmulator& operator=(const ModemEmulator&) = delete;

    // The path the program opens; empty when no pseudo-terminal could be made.
    const std::string& Port() const { return port_; }
    // Every byte received so far.
    std::string Received();
    // Clears what was received.
    void Forget();

private:
    void Serve();
    std::string Answer(const std::string& command) const;

    Behaviour behaviour_;
    int master_ = -1;
    int slave_ = -1;  // kept open so that the master never sees a hang-up
    std::string port_;
    std::mutex mutex_;
    std::string received_;
    std::atomic<bool> stop_{false};
    std::thread server_;
};

}  // namespace vendarion::test
