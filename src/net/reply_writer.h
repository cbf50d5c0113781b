// The server side of the reply: the body of an error reply or of a page of
// records (internet_format.h), and the CGI response around it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "store/subscriber_entry.h"

namespace vendarion {

// Kind 0 with the code and the text (Windows-1252), zero-terminated as the data.
std::string ErrorReplyBody(std::int32_t code, std::string_view text);

// Kind 3: the total of all pages and the page's entries, 19 texts each (the sixteen
// fields, the level, an empty text, the flag). A field's text ends at its first zero
// byte.
std::string RecordsReplyBody(std::int32_t total, std::span<const SubscriberEntry> entries);

// A CGI response: the Content-Type and Content-Length header lines, an empty line
// (each ended by CR LF) and the body.
std::string CgiResponse(std::string_view body);

}  // namespace vendarion
