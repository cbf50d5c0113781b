#include "ui/dial_command.h"

#include "base/ascii_text.h"
#include "base/messages.h"
#include "dial/dial_plan.h"
#include "dial/tapi_dialer.h"
#include "dial/tone_dialer.h"
#include "resources/string_table.h"
#include "ui/wait_cursor.h"

namespace vendarion {
namespace {

constexpr int kTonesNotPlayed = 1343;

}  // namespace

void DialCommand::Run(std::string_view area_code, std::string_view number) {
    DialPlan plan;
    if (!PlanDial(TrimBlanks(area_code), TrimBlanks(number), ReadDialOptions(settings_), &plan)) {
        Tell(dial_message::kNoNumber);
        return;
    }
    if (plan.show_carrier_notice && !AcceptCarrierNotice(settings_, notice_())) return;
    if (plan.confirm && messages_.Show({dial_message::kConfirm,
                                        FormatString(dial_message::kConfirm, plan.display_number),
                                        MessageIcon::kQuestion, MessageButtons::kYesNo,
                                        MessageAnswer::kYes}) != MessageAnswer::kYes) {
        return;
    }
    switch (plan.target) {
        case DialTarget::kNothing:
            return;
        case DialTarget::kTapi: {
            const WaitCursor waiting;
            (void)lines_.Dial(plan.dial_string, plan.tapi_device);
            return;
        }
        case DialTarget::kTones:
            break;
    }
    int played = 0;
    {
        const WaitCursor waiting;
        ToneDialer dialer(audio_);
        played = dialer.Dial(plan.dial_string);
    }
    // A sound card that plays nothing would otherwise leave the user waiting for a
    // call that never comes.
    if (played != 0) Tell(kTonesNotPlayed);
}

void DialCommand::Tell(int id) {
    messages_.Show({id, std::string(LoadString(id)), MessageIcon::kExclamation, MessageButtons::kOk,
                    MessageAnswer::kOk});
}

}  // namespace vendarion
