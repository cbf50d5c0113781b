// QueryCgi: the directory server for the Internet search, as a CGI program behind
// any web server. Reads the form of a POST request from standard input and writes
// the reply (Content-Type application/vendarion) to standard output. The data set is
// the folder named by the environment variable VENDARION_DATA (the four archives);
// a request it cannot answer gets an error reply with a German text.
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/directory_server.h"
#include "net/reply_writer.h"
#include "store/data_set.h"

namespace vendarion {
namespace {

// A form of seven texts stays far below this.
constexpr std::size_t kMaxRequestBody = 64 * 1024;

std::string_view Environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The request body of Content-Length bytes; false when the method is not POST, the
// length is missing or too large, or standard input ends early.
bool ReadRequestBody(std::string* body) {
    if (Environment("REQUEST_METHOD") != "POST") return false;
    const std::string_view length_text = Environment("CONTENT_LENGTH");
    std::size_t length = 0;
    const auto [end, error] =
        std::from_chars(length_text.data(), length_text.data() + length_text.size(), length);
    if (error != std::errc() || end != length_text.data() + length_text.size() ||
        length > kMaxRequestBody) {
        return false;
    }
    body->resize(length);
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = read(STDIN_FILENO, body->data() + done, length - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

std::string AnswerRequest() {
    std::string body;
    if (!ReadRequestBody(&body)) return ServerErrorReply(server_error::kUnreadableRequest);
    const std::string folder(Environment("VENDARION_DATA"));
    DataSet data_set;
    if (folder.empty() || data_set.Open(folder) != DataSetStep::kComplete) {
        return ServerErrorReply(server_error::kNoData);
    }
    return DirectoryServer(data_set).Answer(body);
}

bool WriteAll(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(STDOUT_FILENO, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace
}  // namespace vendarion

int main() {
    return vendarion::WriteAll(vendarion::CgiResponse(vendarion::AnswerRequest())) ? 0 : 1;
}
