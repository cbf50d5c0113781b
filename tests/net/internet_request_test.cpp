#include "net/internet_request.h"

#include <gtest/gtest.h>

#include <random>

#include "base/cp1252.h"
#include "net/form_decoder.h"

namespace vendarion {
namespace {

InternetRequest MuellerInKoeln() {
    InternetRequest request;
    request.name = Utf8ToCp1252("Müller");
    request.town = Utf8ToCp1252("Köln");
    request.records_per_page = 50;
    return request;
}

TEST(FormBody, FirstAndSecondPageOfANameInATown) {
    InternetRequest request = MuellerInKoeln();
    EXPECT_EQ(FormBody(request), "l=M%FCller&c=K%F6ln&n=50&v=1");
    EXPECT_EQ(FormBody(request).size(), 28u);
    request.page = 1;
    EXPECT_EQ(FormBody(request), "l=M%FCller&c=K%F6ln&n=50&p=1&v=1");
}

TEST(FormBody, NameModeFlagsStandDirectlyBeforeTheVersion) {
    InternetRequest request = MuellerInKoeln();
    request.exact = true;
    EXPECT_EQ(FormBody(request), "l=M%FCller&c=K%F6ln&n=50&y=1&v=1");
    request.exact = false;
    request.phonetic = true;
    EXPECT_EQ(FormBody(request), "l=M%FCller&c=K%F6ln&n=50&x=1&v=1");
}

TEST(FormBody, EveryFieldInItsOrderAndOnlyWhenGiven) {
    InternetRequest request;
    request.street = "s";
    request.area_code = "a";
    request.postal_code = "z";
    request.town = "c";
    request.heading = "d";
    request.first_name = "f";
    request.name = "l";
    request.extra = "t";
    request.page = 3;
    request.records_per_page = 0;
    request.phonetic = request.exact = true;
    EXPECT_EQ(FormBody(request), "l=l&f=f&d=d&c=c&z=z&a=a&s=s&p=3&x=1&y=1&t=t&v=1");

    InternetRequest nothing;
    nothing.records_per_page = -5;
    nothing.page = -1;
    EXPECT_EQ(FormBody(nothing), "v=1");
    nothing.version = 0;
    EXPECT_EQ(FormBody(nothing), "");
}

TEST(FormEncode, OnlyLettersAndDigitsStayAsTheyAre) {
    EXPECT_EQ(FormEncode("Bad Homburg v.d. H\xf6he"), "Bad%20Homburg%20v%2Ed%2E%20H%F6he");
    EXPECT_EQ(FormEncode("Groß-Gerau"), "Gro%C3%9F%2DGerau");  // bytes, whatever they are
    EXPECT_EQ(FormEncode(std::string("a\0z", 3)), "a%00z");
    EXPECT_EQ(FormEncode("%&=+"), "%25%26%3D%2B");
    EXPECT_EQ(FormEncode("09AZaz"), "09AZaz");
}

TEST(RequestBytes, LineFeedOnlyHeaderWithEmptyHostAndTheBodyLength) {
    const std::string body = FormBody(MuellerInKoeln());
    EXPECT_EQ(RequestBytes("/cgi-bin/QueryCgi", body),
              "POST /cgi-bin/QueryCgi HTTP/1.0\n"
              "Pragma: no-cache\n"
              "User-Agent: Vendarion99\n"
              "Host: \n"
              "Cache-Control: no-cache\n"
              "Content-Type: application/x-www-form-urlencoded\n"
              "Content-Length: 28\n"
              "\n"
              "l=M%FCller&c=K%F6ln&n=50&v=1");
    EXPECT_EQ(RequestBytes("/q", "").find('\r'), std::string::npos);
}

TEST(DecodeForm, ReadsBackWhatTheClientSendsForEveryByte) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        InternetRequest request;
        for (std::string* text :
             {&request.name, &request.first_name, &request.heading, &request.town,
              &request.postal_code, &request.area_code, &request.street, &request.extra}) {
            const int length = static_cast<int>(random() % 6);
            for (int i = 0; i < length; ++i) text->push_back(static_cast<char>(random() % 256));
        }
        request.records_per_page = static_cast<int>(random() % 100) + 1;
        request.page = static_cast<int>(random() % 5);
        request.phonetic = random() % 2 == 0;
        request.exact = random() % 2 == 0;
        InternetRequest decoded;
        ASSERT_TRUE(DecodeForm(FormBody(request), &decoded));
        EXPECT_EQ(decoded, request);
    }
}

TEST(DecodeForm, DefaultsLenienceAndRefusals) {
    InternetRequest request;
    ASSERT_TRUE(DecodeForm("l=Meier+Schulz&&q=ignored&ll=ignored&l=M%c3%bcller&x=0", &request));
    EXPECT_EQ(request.name, "M\xc3\xbcller");  // the last value wins
    EXPECT_EQ(request.records_per_page, 0);    // n missing
    EXPECT_EQ(request.version, 0);             // v missing
    EXPECT_FALSE(request.phonetic);
    ASSERT_TRUE(DecodeForm("f=Anna+Maria", &request));
    EXPECT_EQ(request.first_name, "Anna Maria");
    EXPECT_TRUE(request.name.empty());  // decoding starts afresh

    for (const char* bad :
         {"l=M%F", "l=M%", "l=%G0", "n=5x", "n=", "p=-", "v=1.0", "l", "n=99999999999"}) {
        EXPECT_FALSE(DecodeForm(bad, &request)) << bad;
    }
}

}  // namespace
}  // namespace vendarion
