// The modem layer against emulated modems on pseudo-terminals: what enumeration
// finds, how long silent ports may take, and the exact bytes each modem receives.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>

#include "dial/at_reply.h"
#include "dial/line_discovery.h"
#include "dial/modem_line.h"
#include "dial/modem_probe.h"
#include "dial/modem_settings.h"
#include "dial/serial_ports.h"
#include "dial/tapi_dialer.h"
#include "modem_emulator.h"
#include "support/memory_settings.h"
#include "support/temp_dir.h"

namespace vendarion {
namespace {

using test::ModemEmulator;

// Short waits for answers that are never coming.
ModemTimeouts QuickTimeouts() {
    ModemTimeouts timeouts;
    timeouts.query = std::chrono::milliseconds(200);
    timeouts.init = std::chrono::milliseconds(200);
    timeouts.dial = std::chrono::milliseconds(300);
    timeouts.hang_up = std::chrono::milliseconds(200);
    return timeouts;
}

TEST(AtReply, SkipsEchoAndBlankLinesAndEndsAtTheFinalResult) {
    AtReply reply("AT+GMI");
    EXPECT_FALSE(reply.Feed("AT+GMI\r\r\nAc"));
    EXPECT_TRUE(reply.Feed("me\r\n\r\nOK\r\nstray"));
    EXPECT_EQ(reply.Result(), AtResult::kOk);
    EXPECT_EQ(reply.Lines(), std::vector<std::string>{"Acme"});
    AtReply busy("ATDT1;");
    EXPECT_TRUE(busy.Feed("\r\nBUSY\r\n"));
    EXPECT_EQ(busy.Result(), AtResult::kBusy);
    AtReply endless("ATI");
    EXPECT_TRUE(endless.Feed(std::string(AtReply::kMaxAnswerBytes + 1, 'x')));
    EXPECT_EQ(endless.Result(), AtResult::kOverlong);
}

TEST(SerialPorts, ListsModemCapablePortsInNumberOrder) {
    test::TempDir sys;
    const auto add = [&sys](const std::string& name, const char* type) {
        std::filesystem::create_directories(sys.path() + "/" + name);
        if (type != nullptr) std::ofstream(sys.path() + "/" + name + "/type") << type << "\n";
    };
    add("ttyS10", "4");
    add("ttyS2", "4");
    add("ttyS1", "0");  // no UART behind it
    add("ttyUSB0", nullptr);
    add("ttyACM1", nullptr);
    add("tty1", nullptr);
    add("ttyprintk", nullptr);
    add("ttySx", nullptr);
    EXPECT_EQ(
        FindSerialPorts(sys.path(), "/dev"),
        (std::vector<std::string>{"/dev/ttyACM1", "/dev/ttyS2", "/dev/ttyS10", "/dev/ttyUSB0"}));
    EXPECT_TRUE(FindSerialPorts(sys.path() + "/missing", "/dev").empty());
}

TEST(ModemProbe, ReadsVoiceClassesAndNames) {
    EXPECT_TRUE(OffersVoice({"0,1,8"}));
    EXPECT_TRUE(OffersVoice({"(0-2,8)"}));
    EXPECT_TRUE(OffersVoice({"0-8"}));
    EXPECT_FALSE(OffersVoice({"0,1,2,2.0"}));
    EXPECT_FALSE(OffersVoice({"0,1,18"}));
    EXPECT_FALSE(OffersVoice({"0-2,9-12"}));
    EXPECT_TRUE(OffersVoice({"0-10"}));
    EXPECT_FALSE(OffersVoice({}));
    EXPECT_EQ(ModemName({"+GMI: Acme"}, {"V\t56"}), "Acme V 56");
    EXPECT_EQ(ModemName({}, {"Model"}), "Model");
    EXPECT_EQ(ModemName({}, {}), "");
}

TEST(ModemProbe, FindsModemsAmongSeveralPorts) {
    ModemEmulator voice;
    ModemEmulator data_only({.silent = false,
                             .echo = false,
                             .maker = "Acme",
                             .model = "Fax",
                             .classes = "0,1,2",
                             .dial_result = "OK"});
    ModemEmulator silent({.silent = true});
    ModemEmulator nameless({.maker = "", .model = ""});
    ModemEmulator long_name({.maker = std::string(600, 'n')});
    test::MemorySettings settings;
    const std::vector<std::string> ports{voice.Port(),  "/dev/nonexistent-port", data_only.Port(),
                                         silent.Port(), nameless.Port(),         long_name.Port()};
    TapiDialer dialer(settings, [&] { return DiscoverLines(settings, ports, nullptr); });
    TapiLineList lines;
    ASSERT_EQ(dialer.EnumerateLines(&lines), 0);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0].name, "Acme Voice 56K");
    EXPECT_EQ(lines[0].device, 1);
    // The data modem is device 2 but carries no voice.
    EXPECT_EQ(lines[1].name, "Line 3");
    EXPECT_EQ(lines[1].device, 3);
    EXPECT_EQ(lines[2].name, std::string(511, 'n'));
    EXPECT_EQ(lines[2].device, 4);
    EXPECT_EQ(voice.Received(), "AT\rAT+FCLASS=?\rAT+GMI\rAT+GMM\r");
    EXPECT_EQ(silent.Received(), "AT\r");
}

TEST(ModemProbe, SilentPortsCostOneShortWaitTogether) {
    std::vector<std::unique_ptr<ModemEmulator>> silent;
    std::vector<std::string> ports;
    for (int i = 0; i < 10; ++i) {
        silent.push_back(std::make_unique<ModemEmulator>(ModemEmulator::Behaviour{.silent = true}));
        ports.push_back(silent.back()->Port());
    }
    test::MemorySettings settings;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(ProbeModems(settings, ports, {}).empty());
    // Ten ports waited for one after another would take ten probe timeouts.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5 * ModemTimeouts{}.probe);
}

TEST(ModemProbe, SkipsPortsThatAnotherProgramHolds) {
    ModemEmulator held;
    const int other = open(held.Port().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(other, 0);
    ASSERT_EQ(flock(other, LOCK_EX | LOCK_NB), 0);
    test::MemorySettings settings;
    EXPECT_TRUE(ProbeModems(settings, {held.Port()}, {}).empty());
    EXPECT_EQ(held.Received(), "");
    close(other);
    EXPECT_EQ(ProbeModems(settings, {held.Port()}, {}).size(), 1U);
}

class ModemDialTest : public testing::Test {
protected:
    void Enumerate(ModemEmulator& modem) {
        dialer_ = std::make_unique<TapiDialer>(settings_, [this, &modem] {
            return DiscoverLines(settings_, {modem.Port()}, nullptr, QuickTimeouts());
        });
        TapiLineList lines;
        ASSERT_EQ(dialer_->EnumerateLines(&lines), 0);
        ASSERT_EQ(lines.size(), 1U);
        modem.Forget();
    }

    test::MemorySettings settings_;
    std::unique_ptr<TapiDialer> dialer_;
};

TEST_F(ModemDialTest, VoiceDialLeavesTheLineUpUntilTheNextDialling) {
    ModemEmulator modem;
    Enumerate(modem);
    EXPECT_EQ(dialer_->Dial("0089123456", 1), 0);
    EXPECT_EQ(modem.Received(), "ATZ\rATDT0089123456;\r");
    EXPECT_EQ(dialer_->OpenDevice(), 1);
    modem.Forget();
    EXPECT_EQ(dialer_->Dial("030 12-34", 1), 0);
    EXPECT_EQ(modem.Received(), "ATH\rATZ\rATDT0301234;\r");
    dialer_.reset();
    EXPECT_EQ(modem.Received(), "ATH\rATZ\rATDT0301234;\rATH\r");
}

TEST_F(ModemDialTest, FailedCallsCloseTheLineAtOnce) {
    for (const std::string result : {"NO CARRIER", "BUSY", "ERROR", "NO DIALTONE", ""}) {
        SCOPED_TRACE(result);
        ModemEmulator modem({.dial_result = result});
        Enumerate(modem);
        EXPECT_EQ(dialer_->Dial("089123456", 1), 0);
        EXPECT_EQ(dialer_->OpenDevice(), 0);
        EXPECT_EQ(modem.Received(), "ATZ\rATDT089123456;\rATH\r");
    }
}

TEST_F(ModemDialTest, InitStringAndSpeedComeFromTheLineSettings) {
    ModemEmulator modem;
    Enumerate(modem);
    ASSERT_TRUE(WriteModemSettings(settings_, modem.Port(), {57600, "AT&F"}));
    EXPECT_EQ(ReadModemSettings(settings_, modem.Port()).speed, 57600);
    // The emulator refuses AT&F: the line does not open.
    EXPECT_EQ(dialer_->Dial("089123456", 1), line_error::kOperationFailed);
    EXPECT_EQ(modem.Received(), "AT&F\r");
    ASSERT_TRUE(WriteModemSettings(settings_, modem.Port(), {57600, ""}));
    modem.Forget();
    EXPECT_EQ(dialer_->Dial("089123456", 1), 0);
    EXPECT_EQ(modem.Received(), "ATDT089123456;\r");
}

TEST(ModemLine, DialCommandCarriesOnlyDialCharacters) {
    EXPECT_EQ(ModemLine::DialCommand("0,089 123-456"), "ATDT0,089123456;");
    EXPECT_EQ(ModemLine::DialCommand("*31#w1"), "ATDT*31#W1;");
    // A number cannot end the command or add one.
    EXPECT_EQ(ModemLine::DialCommand("1;\rATH0\r2"), "ATDT1A02;");
}

TEST(ModemLine, IdentifyAsksTheModem) {
    ModemEmulator modem;
    ModemEmulator silent({.silent = true});
    test::MemorySettings settings;
    ModemLine line(settings, {modem.Port(), {}}, QuickTimeouts());
    std::string answer;
    ASSERT_TRUE(line.Identify(115200, &answer));
    EXPECT_EQ(answer, "Acme Voice Modem V1.0");
    EXPECT_EQ(modem.Received(), "ATI\r");
    ModemLine mute(settings, {silent.Port(), {}}, QuickTimeouts());
    EXPECT_FALSE(mute.Identify(115200, &answer));
}

}  // namespace
}  // namespace vendarion
