#include "dial/dial_plan.h"

#include <gtest/gtest.h>

#include "base/setting_names.h"
#include "support/memory_settings.h"

namespace vendarion {
namespace {

DialOptions Tones(std::string own, std::string outside, bool carrier = true) {
    DialOptions options;
    options.own_area_code = std::move(own);
    options.outside_line = std::move(outside);
    options.carrier = carrier;
    return options;
}

TEST(DialString, LongDistanceToneCallGetsTheCarrierPrefix) {
    const DialOptions options = Tones("030", "0");
    EXPECT_EQ(DisplayNumber("089", "123456", options), "0 01090 089 123456");
    EXPECT_EQ(DialString("089", "123456", options), "001090089123456");
    EXPECT_EQ(DisplayNumber("089", "123456", Tones("", "0")), "0 01090 089 123456");
    EXPECT_EQ(DisplayNumber("089", "123456", Tones("", "")), "01090 089 123456");
    EXPECT_EQ(DialString("089", "123456", Tones("030", "", false)), "089123456");
    EXPECT_EQ(DisplayNumber("089", "123456", Tones("030", "", false)), "089 123456");
}

TEST(DialString, LocalToneCallDropsAreaCodeAndCarrier) {
    const DialOptions options = Tones("089", "0");
    EXPECT_EQ(DisplayNumber("089", "123456", options), "0 123456");
    EXPECT_EQ(DialString("089", "123456", options), "0123456");
    DialPlan plan;
    ASSERT_TRUE(PlanDial("089", "123456", options, &plan));
    EXPECT_FALSE(plan.show_carrier_notice);
    // Blanks inside the number pass through for the dialler to skip.
    EXPECT_EQ(DialString("089", "12 34-5", options), "012 34-5");
}

TEST(DialString, TapiKeepsTheAreaCodeAndUsesNoCarrier) {
    DialOptions options = Tones("089", "0");
    options.use_tapi = true;
    EXPECT_EQ(DisplayNumber("089", "123456", options), "0 089 123456");
    EXPECT_EQ(DialString("089", "123456", options), "0089123456");
    EXPECT_EQ(DialString("030", "123456", options), "0030123456");
}

TEST(PlanDial, NeedsAreaCodeAndNumber) {
    DialPlan plan;
    EXPECT_FALSE(PlanDial("", "123456", Tones("", ""), &plan));
    EXPECT_FALSE(PlanDial("089", "", Tones("", ""), &plan));
}

TEST(PlanDial, AsksWhatTheOptionsSayAndPicksTheDialler) {
    DialOptions options = Tones("030", "");
    DialPlan plan;
    ASSERT_TRUE(PlanDial("089", "1", options, &plan));
    EXPECT_TRUE(plan.show_carrier_notice);
    EXPECT_TRUE(plan.confirm);
    EXPECT_EQ(plan.target, DialTarget::kTones);
    EXPECT_EQ(plan.display_number, "01090 089 1");

    options.carrier_notice = false;
    options.confirm = false;
    ASSERT_TRUE(PlanDial("089", "1", options, &plan));
    EXPECT_FALSE(plan.show_carrier_notice);
    EXPECT_FALSE(plan.confirm);

    options.use_tapi = true;
    options.carrier_notice = true;
    ASSERT_TRUE(PlanDial("089", "1", options, &plan));
    EXPECT_FALSE(plan.show_carrier_notice);
    EXPECT_EQ(plan.target, DialTarget::kNothing) << "no line chosen";
    options.tapi_device = 2;
    ASSERT_TRUE(PlanDial("089", "1", options, &plan));
    EXPECT_EQ(plan.target, DialTarget::kTapi);
    EXPECT_EQ(plan.tapi_device, 2);
}

TEST(DialOptions, ReadWithDefaults) {
    test::MemorySettings settings;
    DialOptions options = ReadDialOptions(settings);
    EXPECT_FALSE(options.use_tapi);
    EXPECT_TRUE(options.carrier);
    EXPECT_TRUE(options.carrier_notice);
    EXPECT_TRUE(options.confirm);
    EXPECT_EQ(options.tapi_device, 0);
    Write(settings, setting::kConfirmDial, 2);
    Write(settings, setting::kMorvantaNotice, 3);
    Write(settings, setting::kDialMorvanta, 5);
    settings.WriteText("DialUsingTAPI", "1");
    options = ReadDialOptions(settings);
    EXPECT_FALSE(options.confirm) << "only 1 asks";
    EXPECT_FALSE(options.carrier_notice) << "only 1 shows the notice";
    EXPECT_TRUE(options.carrier);
    EXPECT_FALSE(options.use_tapi) << "a number stored as text reads as the default";
}

TEST(CarrierNotice, ResultCodes) {
    test::MemorySettings settings;
    EXPECT_FALSE(AcceptCarrierNotice(settings, 2));
    EXPECT_FALSE(settings.Has("MorvantaNotice"));
    EXPECT_TRUE(AcceptCarrierNotice(settings, 1));
    EXPECT_FALSE(settings.Has("MorvantaNotice"));
    EXPECT_TRUE(AcceptCarrierNotice(settings, 7));
    EXPECT_EQ(Read(settings, setting::kMorvantaNotice), 0);
    EXPECT_FALSE(ReadDialOptions(settings).carrier_notice);
}

TEST(DialOptions, DialogStoresOnlyDigitsAndRearmsTheNotice) {
    test::MemorySettings settings;
    DialOptionsForm form;
    form.own_area_code = "030 1";
    EXPECT_EQ(StoreDialOptions(settings, form), DialOptionsCheck::kBadOwnAreaCode);
    form.own_area_code = "030";
    form.outside_line = "0a";
    EXPECT_EQ(StoreDialOptions(settings, form), DialOptionsCheck::kBadOutsideLine);
    EXPECT_FALSE(settings.Has("DialVorwahl")) << "nothing stored";

    form.outside_line = "";
    form.carrier = false;
    form.confirm = false;
    ASSERT_EQ(StoreDialOptions(settings, form), DialOptionsCheck::kStored);
    EXPECT_EQ(Read(settings, setting::kDialVorwahl), "030");
    EXPECT_EQ(Read(settings, setting::kConfirmDial), 0);
    EXPECT_EQ(Read(settings, setting::kDialUsingTAPI), 0);
    EXPECT_EQ(Read(settings, setting::kTAPIModem), "");
    EXPECT_EQ(Read(settings, setting::kTAPIDeviceId), 0);
    EXPECT_EQ(Read(settings, setting::kDialMorvanta), 0);

    Write(settings, setting::kMorvantaNotice, 0);
    form.carrier = true;
    ASSERT_EQ(StoreDialOptions(settings, form), DialOptionsCheck::kStored);
    EXPECT_EQ(Read(settings, setting::kMorvantaNotice), 1) << "switched on again";
    Write(settings, setting::kMorvantaNotice, 0);
    ASSERT_EQ(StoreDialOptions(settings, form), DialOptionsCheck::kStored);
    EXPECT_EQ(Read(settings, setting::kMorvantaNotice), 0) << "was already on";
}

}  // namespace
}  // namespace vendarion
