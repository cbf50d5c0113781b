#include "dial/dial_plan.h"

#include "base/setting_names.h"

namespace vendarion {
namespace {

// The area code to dial: empty for a local tone call, with the carrier prefix in
// front when that applies.
struct AreaPart {
    std::string_view area_code;
    bool carrier = false;
};

AreaPart AreaToDial(std::string_view area_code, const DialOptions& options) {
    if (options.use_tapi) return {area_code, false};
    if (!options.own_area_code.empty() && options.own_area_code == area_code) return {{}, false};
    return {area_code, !area_code.empty() && options.carrier};
}

void AppendPart(std::string_view part, std::string* text) {
    if (part.empty()) return;
    if (!text->empty()) text->push_back(' ');
    text->append(part);
}

}  // namespace

std::string DialString(std::string_view area_code, std::string_view number,
                       const DialOptions& options) {
    const AreaPart area = AreaToDial(area_code, options);
    std::string digits = options.outside_line;
    if (area.carrier) digits += kCarrierPrefix;
    digits += area.area_code;
    digits += number;
    return digits;
}

std::string DisplayNumber(std::string_view area_code, std::string_view number,
                          const DialOptions& options) {
    const AreaPart area = AreaToDial(area_code, options);
    std::string text;
    AppendPart(options.outside_line, &text);
    if (area.carrier) AppendPart(kCarrierPrefix, &text);
    AppendPart(area.area_code, &text);
    AppendPart(number, &text);
    return text;
}

bool PlanDial(std::string_view area_code, std::string_view number, const DialOptions& options,
              DialPlan* plan) {
    if (area_code.empty() || number.empty()) return false;
    *plan = DialPlan{};
    plan->dial_string = DialString(area_code, number, options);
    plan->display_number = DisplayNumber(area_code, number, options);
    plan->show_carrier_notice = AreaToDial(area_code, options).carrier && options.carrier_notice;
    plan->confirm = options.confirm;
    plan->tapi_device = options.tapi_device;
    if (!options.use_tapi) {
        plan->target = DialTarget::kTones;
    } else if (options.tapi_device != 0) {
        plan->target = DialTarget::kTapi;
    }
    return true;
}

bool AcceptCarrierNotice(Settings& settings, int result_code) {
    constexpr int kCancel = 2;
    constexpr int kDoNotShowAgain = 7;
    if (result_code == kCancel) return false;
    if (result_code == kDoNotShowAgain) Write(settings, setting::kMorvantaNotice, 0);
    return true;
}

}  // namespace vendarion
