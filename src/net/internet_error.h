// The numbered errors of the Internet search and their German texts. Codes 1-9 are
// the client's own; codes from 10000 on are socket errors, numbered as the Windows
// socket library numbers them; HTTP status numbers and the error codes of a
// server's error reply pass through with the server's text.
#pragma once

#include <string>

namespace vendarion {

namespace internet_error {
inline constexpr int kSuccess = 0;
inline constexpr int kNotInitialised = 1;
inline constexpr int kNoAddress = 2;
inline constexpr int kConnectFailed = 3;
inline constexpr int kSendFailed = 4;
inline constexpr int kReceiveFailed = 5;
inline constexpr int kBadRequest = 6;
inline constexpr int kCancelled = 7;
inline constexpr int kBadFormat = 8;
inline constexpr int kNoMemory = 9;
inline constexpr int kConnectionRefused = 10061;
}  // namespace internet_error

// Whether a code keeps the text it was set with (an HTTP status line or a server's
// error text): 100-998 and 1000-9998.
bool KeepsErrorText(int code);

// The table text of a code (Windows-1252). For the codes that keep their text this
// is the generic text, used when no text came with the code.
std::string InternetErrorText(int code);

// The text shown for a code that came with text: text itself when the code keeps it
// and text is not empty, the table text otherwise.
std::string InternetErrorText(int code, const std::string& text);

// The step of a query a socket error happened in; picks the client's own code for an
// error number that has no socket-library number.
enum class SocketStep { kConnect, kSend, kReceive };

// The socket-library number of an errno value (ECONNREFUSED gives 10061, ...).
int SocketErrorCode(int errno_value, SocketStep step);

}  // namespace vendarion
