// How the directory server takes a request from the web server: only a POST whose
// whole body arrives, within the size bound, is searched.
#include "net/server_request.h"

#include <gtest/gtest.h>

#include "reply_bytes.h"

namespace vendarion {
namespace {

bool Read(std::string_view method, std::string_view length, std::string_view bytes,
          std::string* body, std::size_t chunk = SIZE_MAX, int final_error = 0) {
    test::MemorySource source(bytes, chunk, final_error);
    return ReadRequestBody(method, length, source, body);
}

TEST(ServerRequest, ReadsExactlyTheAnnouncedBody) {
    std::string body;
    EXPECT_TRUE(Read("POST", "11", "l=Meier&v=1", &body, 3));
    EXPECT_EQ(body, "l=Meier&v=1");
    EXPECT_TRUE(Read("POST", "7", "l=Meier&v=1", &body));  // the rest is not read
    EXPECT_EQ(body, "l=Meier");
    EXPECT_TRUE(Read("POST", "0", "", &body));
    EXPECT_EQ(body, "");
    const std::string largest(kMaxRequestBody, 'x');
    EXPECT_TRUE(Read("POST", std::to_string(kMaxRequestBody), largest, &body, 1000));
    EXPECT_EQ(body.size(), kMaxRequestBody);
}

TEST(ServerRequest, RefusesWhatItCannotTrust) {
    std::string body;
    EXPECT_FALSE(Read("GET", "11", "l=Meier&v=1", &body));
    EXPECT_FALSE(Read("post", "11", "l=Meier&v=1", &body));
    for (const char* length :
         {"", "-1", "+11", " 11", "11 ", "1x", "0x10", "99999999999999999999"}) {
        EXPECT_FALSE(Read("POST", length, "l=Meier&v=1", &body)) << length;
    }
    EXPECT_FALSE(Read("POST", std::to_string(kMaxRequestBody + 1),
                      std::string(kMaxRequestBody + 1, 'x'), &body));
    EXPECT_FALSE(Read("POST", "12", "l=Meier&v=1", &body));      // the body ends early
    EXPECT_FALSE(Read("POST", "11", "l=Meier", &body, 2, 104));  // the stream fails
}

}  // namespace
}  // namespace vendarion
