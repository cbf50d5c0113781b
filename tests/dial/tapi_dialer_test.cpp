#include "dial/tapi_dialer.h"

#include <gtest/gtest.h>

#include "base/setting_names.h"
#include "dial/desktop_tel_line.h"
#include "support/memory_settings.h"

namespace vendarion {
namespace {

// A device that records what the dialler does with it, in one shared journal.
class FakeLine final : public LineDevice {
public:
    FakeLine(std::string name, bool voice, std::string* journal, std::int32_t call_result = 1)
        : caps_{std::move(name), voice}, journal_(journal), call_result_(call_result) {}

    LineCaps Caps() const override { return caps_; }
    std::int32_t Open() override {
        *journal_ += "open " + caps_.name + ";";
        return open_result;
    }
    std::int32_t MakeCall(std::string_view dialable) override {
        *journal_ += "call " + std::string(dialable) + ";";
        return call_result_;
    }
    void Close() override { *journal_ += "close " + caps_.name + ";"; }

    std::int32_t open_result = 0;

private:
    LineCaps caps_;
    std::string* journal_;
    std::int32_t call_result_;
};

class TapiDialerTest : public testing::Test {
protected:
    // Devices 1-4: A (voice), B (data only), C (voice, refuses calls), and one
    // without a name.
    TapiDialer MakeDialer() {
        return TapiDialer(settings_, [this] {
            std::vector<std::unique_ptr<LineDevice>> devices;
            devices.push_back(std::make_unique<FakeLine>("A", true, &journal_));
            devices.push_back(std::make_unique<FakeLine>("B", false, &journal_));
            devices.push_back(
                std::make_unique<FakeLine>("C", true, &journal_, line_error::kCallUnavail));
            devices.push_back(std::make_unique<FakeLine>("", true, &journal_));
            ++discoveries_;
            return devices;
        });
    }

    test::MemorySettings settings_;
    std::string journal_;
    int discoveries_ = 0;
};

TEST_F(TapiDialerTest, ListsVoiceLinesAndNamesTheUnnamed) {
    TapiDialer dialer = MakeDialer();
    TapiLineList lines;
    ASSERT_EQ(dialer.EnumerateLines(&lines), 0);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0].name, "A");
    EXPECT_EQ(lines[0].device, 1);
    EXPECT_EQ(lines[1].name, "C");
    EXPECT_EQ(lines[1].device, 3);
    EXPECT_EQ(lines[2].name, "Line 4");
    EXPECT_EQ(lines[2].device, 4);
    // The devices are found once per run.
    ASSERT_EQ(dialer.EnumerateLines(&lines), 0);
    EXPECT_EQ(discoveries_, 1);
}

TEST_F(TapiDialerTest, CutsLongNames) {
    TapiDialer dialer(settings_, [this] {
        std::vector<std::unique_ptr<LineDevice>> devices;
        devices.push_back(std::make_unique<FakeLine>(std::string(600, 'x'), true, &journal_));
        return devices;
    });
    TapiLineList lines;
    ASSERT_EQ(dialer.EnumerateLines(&lines), 0);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].name, std::string(511, 'x'));
}

TEST_F(TapiDialerTest, EachDiallingClosesTheLineBefore) {
    TapiDialer dialer = MakeDialer();
    EXPECT_EQ(dialer.Dial("089123456", 1), 0);
    EXPECT_EQ(dialer.OpenDevice(), 1);
    EXPECT_EQ(journal_, "open A;call 089123456;");
    journal_.clear();
    EXPECT_EQ(dialer.Dial("030123", 4), 0);
    EXPECT_EQ(journal_, "close A;open ;call 030123;");
    EXPECT_EQ(dialer.OpenDevice(), 4);
}

TEST_F(TapiDialerTest, ARefusedCallLeavesNoLineOpen) {
    TapiDialer dialer = MakeDialer();
    EXPECT_EQ(dialer.Dial("089123456", 3), 0);
    EXPECT_EQ(journal_, "open C;call 089123456;close C;");
    EXPECT_EQ(dialer.OpenDevice(), 0);
    // The next dialling has nothing to close.
    journal_.clear();
    EXPECT_EQ(dialer.Dial("1", 1), 0);
    EXPECT_EQ(journal_, "open A;call 1;");
}

TEST_F(TapiDialerTest, FailuresBeforeTheCallAreReturned) {
    TapiDialer dialer = MakeDialer();
    EXPECT_EQ(dialer.Dial("1", 0), line_error::kBadDeviceId);
    EXPECT_EQ(dialer.Dial("1", 5), line_error::kBadDeviceId);
    EXPECT_EQ(journal_, "");
    // An address too long for a line is refused, and the line closed, not cut.
    EXPECT_EQ(dialer.Dial(std::string(80, '1'), 1), line_error::kInvalAddress);
    EXPECT_EQ(journal_, "open A;close A;");
    EXPECT_EQ(dialer.OpenDevice(), 0);
    auto* line = static_cast<FakeLine*>(dialer.Device(1));
    line->open_result = line_error::kResourceUnavail;
    EXPECT_EQ(dialer.Dial("1", 1), line_error::kResourceUnavail);
    EXPECT_EQ(dialer.OpenDevice(), 0);
}

TEST_F(TapiDialerTest, NorthAmericanNumbersInCountryOne) {
    (void)Write(settings_, setting::kLineCountry, 1);
    (void)Write(settings_, setting::kLineCityCode, "415");
    TapiDialer dialer = MakeDialer();
    EXPECT_EQ(dialer.Dial("12125551234", 1), 0);
    EXPECT_EQ(dialer.Dial("2125551234", 1), 0);
    EXPECT_EQ(dialer.Dial("0125551234", 1), 0);
    EXPECT_EQ(dialer.Dial("5551234|Smith", 1), 0);
    EXPECT_EQ(journal_,
              "open A;call 12125551234;close A;open A;call 12125551234;close A;"
              "open A;call 0125551234;close A;open A;call 5551234;");
}

TEST_F(TapiDialerTest, GermanNumbersGoUnchanged) {
    TapiDialer dialer = MakeDialer();
    EXPECT_EQ(dialer.Dial("12125551234", 1), 0);
    EXPECT_EQ(journal_, "open A;call 12125551234;");
}

// Records the URLs handed over; HasHandler answers as told.
class FakeOpener final : public UrlOpener {
public:
    bool HasHandler(std::string_view scheme) override { return handler && scheme == "tel"; }
    bool Open(std::string_view url) override {
        opened.emplace_back(url);
        return accepts;
    }
    bool handler = true;
    bool accepts = true;
    std::vector<std::string> opened;
};

TEST(DesktopTelLine, HandsTheNumberToTheDesktop) {
    FakeOpener opener;
    test::MemorySettings settings;
    (void)Write(settings, setting::kDialAmt, "0");
    TapiDialer dialer(settings, [&opener] {
        std::vector<std::unique_ptr<LineDevice>> devices;
        devices.push_back(std::make_unique<DesktopTelLine>(opener));
        return devices;
    });
    TapiLineList lines;
    ASSERT_EQ(dialer.EnumerateLines(&lines), 0);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0].name, "Telefonprogramm des Desktops");
    EXPECT_EQ(dialer.Dial("089123456", 1), 0);
    EXPECT_EQ(dialer.Dial("0 089 12 34-56", 1), 0);
    ASSERT_EQ(opener.opened.size(), 2U);
    EXPECT_EQ(opener.opened[0], "tel:089123456");
    EXPECT_EQ(opener.opened[1], "tel:0089123456");
}

TEST(DesktopTelLine, UriKeepsOnlyWhatATelephoneDials) {
    EXPECT_EQ(DesktopTelLine::TelUri("+49 89 123456"), "tel:+4989123456");
    EXPECT_EQ(DesktopTelLine::TelUri("*31#0301"), "tel:*31%230301");
    EXPECT_EQ(DesktopTelLine::TelUri("12+3;ext"), "tel:123");
    EXPECT_EQ(DesktopTelLine::TelUri("+*#"), "");
    FakeOpener opener;
    DesktopTelLine line(opener);
    EXPECT_EQ(line.MakeCall("abc"), line_error::kInvalAddress);
    opener.accepts = false;
    EXPECT_EQ(line.MakeCall("123"), line_error::kOperationFailed);
    opener.accepts = true;
    EXPECT_GT(line.MakeCall("123"), 0);
}

}  // namespace
}  // namespace vendarion
