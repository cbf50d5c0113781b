#include "dial/tapi_dialer.h"

#include "dial/line_translation.h"

namespace vendarion {

TapiDialer::~TapiDialer() { CloseOpenLine(); }

void TapiDialer::Initialize() {
    if (initialized_) return;
    initialized_ = true;
    if (discover_) devices_ = discover_();
}

LineDevice* TapiDialer::Device(std::int32_t device) {
    Initialize();
    if (device < 1 || static_cast<std::size_t>(device) > devices_.size()) return nullptr;
    return devices_[static_cast<std::size_t>(device) - 1].get();
}

std::int32_t TapiDialer::EnumerateLines(TapiLineList* lines) {
    Initialize();
    lines->clear();
    for (std::size_t i = 0; i < devices_.size(); ++i) {
        const LineCaps caps = devices_[i]->Caps();
        if (!caps.interactive_voice) continue;
        const auto device = static_cast<std::int32_t>(i + 1);
        std::string name = caps.name.substr(0, kMaxLineName);
        if (name.empty()) name = "Line " + std::to_string(device);
        lines->push_back({std::move(name), device});
    }
    return 0;
}

void TapiDialer::CloseOpenLine() {
    if (open_line_ == nullptr) return;
    open_line_->Close();
    open_line_ = nullptr;
}

std::int32_t TapiDialer::Dial(std::string_view dial_string, std::int32_t device) {
    CloseOpenLine();
    current_device_ = device;
    LineDevice* line = Device(device);
    if (line == nullptr) return line_error::kBadDeviceId;
    if (const std::int32_t opened = line->Open(); opened != 0) return opened;

    const LineLocation location = ReadLineLocation(settings_);
    const std::string north_american = NorthAmericanForm(dial_string, location);
    TranslatedAddress address;
    if (!TranslateAddress(north_american.empty() ? dial_string : north_american, location,
                          &address)) {
        line->Close();
        return line_error::kInvalAddress;
    }
    open_line_ = line;
    request_id_ = line->MakeCall(address.dialable);
    if (request_id_ <= 0) CloseOpenLine();
    return 0;
}

}  // namespace vendarion
