#include "reference_writer.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "base/phonetic_code.h"
#include "byte_writer.h"

namespace vendarion::mkdata {

std::string BuildCountries(const std::vector<Country>& countries) {
    std::string bytes;
    PutI32(&bytes, static_cast<std::int32_t>(countries.size()));
    for (const Country& country : countries) {
        PutFixedText(&bytes, country.code, 8);
        PutFixedText(&bytes, country.mark, 3);
        PutFixedText(&bytes, country.name, 32);
    }
    return bytes;
}

std::string BuildBanks(const std::vector<Bank>& banks) {
    std::string bytes;
    PutI32(&bytes, static_cast<std::int32_t>(banks.size()));
    for (const Bank& bank : banks) {
        PutFixedText(&bytes, bank.code, 9);
        PutFixedText(&bytes, bank.name, 60);
        PutFixedText(&bytes, bank.postal_code, 6);
        PutFixedText(&bytes, bank.town, 30);
    }
    return bytes;
}

std::string BuildPhonetic(const SortedWords& surnames, std::vector<std::string>* warnings) {
    // (code, id) pairs; sorting them orders the codes by their bytes and the ids of
    // one code ascending.
    std::vector<std::pair<std::string, std::int32_t>> coded;
    coded.reserve(surnames.words.size());
    for (std::size_t n = 0; n < surnames.words.size(); ++n) {
        std::string code = PhoneticCode(surnames.words[n]);
        if (code.size() > kPhoneticCodeLength) code.resize(kPhoneticCodeLength);
        coded.emplace_back(std::move(code), static_cast<std::int32_t>(n + 1));
    }
    std::sort(coded.begin(), coded.end());
    std::string entries;
    std::string ids;
    std::int32_t entry_count = 0;
    std::int32_t id_count = 0;
    for (std::size_t i = 0; i < coded.size();) {
        std::size_t end = i;
        while (end < coded.size() && coded[end].first == coded[i].first) ++end;
        const std::size_t kept = std::min(end - i, kMaxPhoneticIds);
        if (kept < end - i) {
            warnings->push_back("phonetic code '" + coded[i].first + "' has " +
                                std::to_string(end - i) + " surnames; kept the first " +
                                std::to_string(kept));
        }
        PutFixedText(&entries, coded[i].first, 6);
        PutI32(&entries, id_count);
        PutI16(&entries, static_cast<std::int16_t>(kept));
        for (std::size_t k = i; k < i + kept; ++k) PutI32(&ids, coded[k].second);
        id_count += static_cast<std::int32_t>(kept);
        ++entry_count;
        i = end;
    }
    std::string bytes;
    PutI32(&bytes, entry_count);
    return bytes + entries + ids;
}

std::string BuildTips(const std::vector<std::string>& tips) {
    std::string text = std::to_string(tips.size()) + "\r\n";
    for (const std::string& tip : tips) text += tip + "\r\n";
    return text;
}

}  // namespace vendarion::mkdata
