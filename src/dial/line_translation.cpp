#include "dial/line_translation.h"

#include "base/setting_names.h"

namespace vendarion {
namespace {

constexpr std::int32_t kNorthAmerica = 1;

std::string Digits(std::string_view text) {
    std::string digits;
    for (const char c : text) {
        if (c >= '0' && c <= '9') digits += c;
    }
    return digits;
}

// What a line can dial of a plain address: its digits and dial characters, without
// the separators people write.
std::string DialablePart(std::string_view text) {
    std::string dialable;
    for (const char c : text) {
        if (c != ' ' && c != '(' && c != ')' && c != '-' && c != '.') dialable += c;
    }
    return dialable;
}

// "+<country> (<city>) <number>" dialled from the location.
bool TranslateCanonical(std::string_view address, const LineLocation& location,
                        std::string* dialable) {
    address.remove_prefix(1);
    std::size_t end = 0;
    while (end < address.size() && address[end] >= '0' && address[end] <= '9') ++end;
    const std::string country(address.substr(0, end));
    if (country.empty()) return false;
    address.remove_prefix(end);
    std::string city;
    const std::size_t open = address.find('(');
    const std::size_t close = address.find(')');
    if (open != std::string_view::npos && close != std::string_view::npos && open < close) {
        city = Digits(address.substr(open + 1, close - open - 1));
        address.remove_prefix(close + 1);
    }
    const std::string number = Digits(address);
    const bool home = country == std::to_string(location.country);
    if (home && city == location.city_code) {
        *dialable = number;
    } else if (home) {
        *dialable = (location.country == kNorthAmerica ? "1" : "0") + city + number;
    } else {
        *dialable = (location.country == kNorthAmerica ? "011" : "00") + country + city + number;
    }
    return true;
}

}  // namespace

LineLocation ReadLineLocation(Settings& settings) {
    return {Read(settings, setting::kLineCountry), Read(settings, setting::kLineCityCode)};
}

bool TranslateAddress(std::string_view address, const LineLocation& location,
                      TranslatedAddress* out) {
    if (address.empty() || address.size() > kMaxLineAddress) return false;
    const std::string_view dialled = address.substr(0, address.find('|'));
    out->displayable = std::string(address);
    out->current_country = location.country;
    out->canonical = address.front() == '+';
    if (out->canonical) return TranslateCanonical(dialled, location, &out->dialable);
    out->dialable = DialablePart(dialled);
    return true;
}

std::string NorthAmericanForm(std::string_view dial_string, const LineLocation& location) {
    TranslatedAddress translated;
    if (!TranslateAddress(dial_string, location, &translated) || translated.canonical ||
        translated.current_country != kNorthAmerica) {
        return {};
    }
    const std::size_t bar = dial_string.find('|');
    const std::string_view number = dial_string.substr(0, bar);
    if (number.find_first_not_of(" 0123456789()-.") != std::string_view::npos) return {};
    std::string digits = Digits(number);
    if ((digits.size() == 8 || digits.size() == 11) && (digits[0] == '0' || digits[0] == '1')) {
        digits.erase(0, 1);
    }
    if (digits.size() == 7) {
        if (digits[0] == '0' || digits[0] == '1' || location.city_code.empty()) return {};
        std::string form = "+1 (" + location.city_code + ") " + digits;
        if (bar != std::string_view::npos) form += dial_string.substr(bar);
        return form;
    }
    if (digits.size() == 10) {
        if (digits[0] == '0' || digits[0] == '1' || digits[3] == '0' || digits[3] == '1') return {};
        return "+1 (" + digits.substr(0, 3) + ") " + digits.substr(3);
    }
    return {};
}

}  // namespace vendarion
