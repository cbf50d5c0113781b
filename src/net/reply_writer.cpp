#include "net/reply_writer.h"

#include "net/internet_format.h"

namespace vendarion {
namespace {

namespace format = internet_format;

void AddBigEndian(std::string* out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out->push_back(static_cast<char>((value >> shift) & 0xff));
    }
}

void AddText(std::string* out, std::string_view text) {
    out->append(text.substr(0, text.find('\0')));
    out->push_back('\0');
}

std::string Body(std::uint32_t kind, std::uint32_t code_or_total, std::uint32_t texts,
                 std::uint32_t records, std::string_view data) {
    std::string body;
    body.reserve(format::kHeaderSize + data.size());
    for (const std::uint32_t value : {kind, code_or_total, 0u, 0u, texts, records,
                                      static_cast<std::uint32_t>(data.size()), 0u}) {
        AddBigEndian(&body, value);
    }
    body += data;
    return body;
}

}  // namespace

std::string ErrorReplyBody(std::int32_t code, std::string_view text) {
    std::string data;
    AddText(&data, text);
    return Body(format::kKindError, static_cast<std::uint32_t>(code), 0, 0, data);
}

std::string RecordsReplyBody(std::int32_t total, std::span<const SubscriberEntry> entries) {
    std::string data;
    for (const SubscriberEntry& entry : entries) {
        for (const std::string& field : entry.fields) AddText(&data, field);
        AddText(&data, std::to_string(entry.level));
        AddText(&data, "");
        AddText(&data, std::to_string(entry.flag));
    }
    return Body(format::kKindRecords, static_cast<std::uint32_t>(total),
                format::kTextsPerRecordSent, static_cast<std::uint32_t>(entries.size()), data);
}

std::string CgiResponse(std::string_view body) {
    std::string response = "Content-Type: ";
    response += format::kReplyContentType;
    response += "\r\nContent-Length: ";
    response += std::to_string(body.size());
    response += "\r\n\r\n";
    response += body;
    return response;
}

}  // namespace vendarion
