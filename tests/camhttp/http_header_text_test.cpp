// The HTTP text the camera client writes and reads: status lines, Content-Length values and
// the requests themselves.

#include "camhttp/http_header_text.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(StatusLine, CodeOfWellFormedLinesOnly) {
    const struct {
        const char* line;
        std::optional<int> code;
    } cases[] = {
        {"HTTP/1.1 200 OK", 200},
        {"HTTP/1.0 401 Unauthorized", 401},
        {"HTTP/1.1 404", 404},
        {"HTTP/1.1 200 Ok, lower case reason", 200},
        {"HTTP/1.1 2000 OK", std::nullopt},
        {"HTTP/1.1 20 OK", std::nullopt},
        {"HTTP/1.1 abc OK", std::nullopt},
        {"X-Note: HTTP/1.1 200 OK", std::nullopt},
        {"ICY 200 OK", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(statusCodeOf(c.line), c.code) << c.line;
    }
}

TEST(ContentLengthLine, OnlyDecimalCountsAreValid) {
    const struct {
        const char* line;
        bool present;
        bool valid;
        std::uint64_t length;
    } cases[] = {
        {"Content-Length: 1234", true, true, 1234},
        {"content-length:0", true, true, 0},
        {"CONTENT-LENGTH: \t 77 \t", true, true, 77},
        {"Content-Length: 18446744073709551615", true, true, 18446744073709551615u},
        {"Content-Length: 18446744073709551616", true, false, 0},
        {"Content-Length: -5", true, false, 0},
        {"Content-Length: +5", true, false, 0},
        {"Content-Length: abc", true, false, 0},
        {"Content-Length: 12 34", true, false, 0},
        {"Content-Length:", true, false, 0},
        {"X-Content-Length: 5", false, false, 0},
        {"Content-Type: image/jpeg", false, false, 0},
    };
    for (const auto& c : cases) {
        const ContentLength found = contentLengthOf(c.line);
        EXPECT_EQ(found.present, c.present) << c.line;
        EXPECT_EQ(found.valid, c.valid) << c.line;
        EXPECT_EQ(found.length, c.length) << c.line;
    }
}

TEST(Request, CarriesHostAndAnnouncesAnEmptyBody) {
    EXPECT_EQ(requestText({"GET", "/snapshot.cgi", {}, false}, "192.168.1.20", 80),
              "GET /snapshot.cgi HTTP/1.1\r\nHost: 192.168.1.20\r\n\r\n");
    EXPECT_EQ(requestText({"POST", "/camera-cgi/com/ptz.cgi?move=up",
                           "\r\nAuthorization: Basic YWRtaW46eA==", true},
                          "10.0.0.7", 8080),
              "POST /camera-cgi/com/ptz.cgi?move=up HTTP/1.1\r\nHost: 10.0.0.7:8080\r\n"
              "Authorization: Basic YWRtaW46eA==\r\nContent-Length: 0\r\n\r\n");
}

} // namespace
} // namespace vistrel
