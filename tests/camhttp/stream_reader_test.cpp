// The picture stream's reader over bytes held in memory: the response header and the parts
// that follow it, cut into pieces as packets would cut them, well-formed and hostile.

#include "camhttp/stream_reader.h"
#include "support/scripted_byte_source.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

using test::ScriptedByteSource;

const std::string kOkHeader = "HTTP/1.1 200 OK\r\nContent-Type: multipart/x-mixed-replace; "
                              "boundary=frame\r\n\r\n";

std::string part(const std::string& body, const std::string& lengthText) {
    return "--frame\r\nContent-Type: image/jpeg\r\nContent-Length: " + lengthText + "\r\n\r\n" +
           body + "\r\n";
}

std::string part(const std::string& body) {
    return part(body, std::to_string(body.size()));
}

std::string text(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

Deadline soon() {
    return std::chrono::steady_clock::now() + std::chrono::seconds(1);
}

TEST(ResponseHeader, EndsAtTheEmptyLineAndKeepsWhatFollows) {
    // One piece: the header and the first picture arrive together. Many pieces: one byte each.
    const std::string stream = kOkHeader + part("first") + part("second");
    std::vector<std::string> bytewise;
    for (const char c : stream) {
        bytewise.emplace_back(1, c);
    }
    for (const auto& pieces : {std::vector<std::string>{stream}, bytewise}) {
        ScriptedByteSource source(pieces);
        StreamReader reader(source, {});
        const ResponseHeader header = reader.readResponseHeader(soon());
        ASSERT_EQ(header.status, HeaderStatus::Complete);
        EXPECT_EQ(header.statusCode, 200);
        EXPECT_EQ(header.text, kOkHeader.substr(0, kOkHeader.size() - 2));
        std::vector<std::uint8_t> picture;
        ASSERT_EQ(reader.readFrame(picture), FrameStatus::Picture);
        EXPECT_EQ(text(picture), "first");
        ASSERT_EQ(reader.readFrame(picture), FrameStatus::Picture);
        EXPECT_EQ(text(picture), "second");
        EXPECT_EQ(reader.readFrame(picture), FrameStatus::Closed);
    }
}

TEST(ResponseHeader, LongHeadersWithinTheLimitAreRead) {
    // Far longer than a 512-byte buffer, as servers with many headers or a long challenge send.
    std::string header = "HTTP/1.0 401 Unauthorized\r\n";
    for (int i = 0; i < 40; ++i) {
        header += "X-Padding-" + std::to_string(i) + ": " + std::string(100, 'p') + "\r\n";
    }
    header += "WWW-Authenticate: Basic realm=\"cam\"\r\n";
    ScriptedByteSource source({header + "\r\n"});
    StreamReader reader(source, {});
    const ResponseHeader read = reader.readResponseHeader(soon());
    EXPECT_EQ(read.status, HeaderStatus::Complete);
    EXPECT_EQ(read.statusCode, 401);
    EXPECT_NE(read.text.find("WWW-Authenticate: Basic"), std::string::npos);
}

TEST(ResponseHeader, HostileOrBrokenHeadersEndWithinTheLimit) {
    const HttpLimits limits;
    const std::string endless = "HTTP/1.1 200 OK\r\n" + std::string(64 * 1024, 'x');
    const std::string manyLines = [] {
        std::string lines = "HTTP/1.1 200 OK\r\n";
        while (lines.size() < 100 * 1024) {
            lines += "X: y\r\n";
        }
        return lines;
    }();
    const struct {
        const char* name;
        std::vector<std::string> pieces;
        ReceiveStatus end;
        HeaderStatus expected;
    } cases[] = {
        {"a header line of many megabytes",
         {"HTTP/1.1 200 OK\r\nX-Long: ", std::string(16 << 20, 'a')},
         ReceiveStatus::TimedOut,
         HeaderStatus::TooLong},
        {"a line that never ends", {endless}, ReceiveStatus::TimedOut, HeaderStatus::TooLong},
        {"header lines that never end", {manyLines}, ReceiveStatus::Closed, HeaderStatus::TooLong},
        {"closed before the empty line",
         {"HTTP/1.1 200 OK\r\n"},
         ReceiveStatus::Closed,
         HeaderStatus::Closed},
        {"silent after the status line",
         {"HTTP/1.1 200 OK\r\n"},
         ReceiveStatus::TimedOut,
         HeaderStatus::TimedOut},
        {"interrupted", {"HTTP/1.1 20"}, ReceiveStatus::Interrupted, HeaderStatus::Interrupted},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedByteSource source(c.pieces, c.end);
        std::size_t total = 0;
        for (const auto& piece : c.pieces) {
            total += piece.size();
        }
        StreamReader reader(source, limits);
        const ResponseHeader header = reader.readResponseHeader(soon());
        EXPECT_EQ(header.status, c.expected);
        EXPECT_LE(header.text.size(), limits.responseHeaderBytes);
        // Reading stops at the limit: no more than one buffer beyond it is taken.
        EXPECT_LE(total - source.remaining(), limits.responseHeaderBytes + 16 * 1024);
    }
}

TEST(ResponseHeader, ToleratesLineFeedsAloneAndALeadingEmptyLine) {
    ScriptedByteSource source({"\r\nHTTP/1.1 404 Not Found\nServer: tiny\n\nbody"});
    StreamReader reader(source, {});
    const ResponseHeader header = reader.readResponseHeader(soon());
    EXPECT_EQ(header.status, HeaderStatus::Complete);
    EXPECT_EQ(header.statusCode, 404);
    EXPECT_EQ(header.text, "HTTP/1.1 404 Not Found\r\nServer: tiny\r\n");
}

struct Frame {
    FrameStatus status;
    std::string picture;
};

struct FrameCase {
    const char* name;
    std::vector<std::string> pieces; // after the response header
    std::vector<Frame> frames;       // what readFrame gives, in order
    ReceiveStatus end = ReceiveStatus::Closed;
    std::size_t pictureLimit = HttpLimits{}.pictureBytes;
};

void expectFrames(const FrameCase& c) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> pieces{kOkHeader};
    pieces.insert(pieces.end(), c.pieces.begin(), c.pieces.end());
    ScriptedByteSource source(pieces, c.end);
    HttpLimits limits;
    limits.pictureBytes = c.pictureLimit;
    StreamReader reader(source, limits);
    ASSERT_EQ(reader.readResponseHeader(soon()).status, HeaderStatus::Complete);
    std::vector<std::uint8_t> picture;
    for (std::size_t i = 0; i < c.frames.size(); ++i) {
        SCOPED_TRACE("frame " + std::to_string(i));
        EXPECT_EQ(reader.readFrame(picture), c.frames[i].status);
        EXPECT_EQ(text(picture), c.frames[i].picture);
        EXPECT_LE(picture.capacity(), std::max<std::size_t>(c.pictureLimit, 64));
    }
}

TEST(StreamFrames, WellFormedStreams) {
    const std::string big(100000, 'j');
    const FrameCase cases[] = {
        {"two parts in one piece",
         {part("one") + part("two")},
         {{FrameStatus::Picture, "one"}, {FrameStatus::Picture, "two"}, {FrameStatus::Closed, ""}}},
        {"a part cut across pieces",
         {"--frame\r\nContent-Le", "ngth: 6\r\n", "\r\nab", "cd", "ef\r\n"},
         {{FrameStatus::Picture, "abcdef"}}},
        {"a picture larger than the buffer", {part(big)}, {{FrameStatus::Picture, big}}},
        {"Content-Length 0: an empty picture",
         {part(""), part("next")},
         {{FrameStatus::Picture, ""}, {FrameStatus::Picture, "next"}}},
        {"Content-Length followed by another header line",
         {"--frame\r\nContent-Length: 4\r\nContent-Type: image/jpeg\r\n\r\nJPEG\r\n"},
         {{FrameStatus::Picture, "JPEG"}}},
        {"header name in lower case, blanks around the value",
         {"--frame\r\ncontent-length:   3 \r\n\r\nabc"},
         {{FrameStatus::Picture, "abc"}}},
        {"line feeds alone", {"--frame\nContent-Length: 2\n\nok"}, {{FrameStatus::Picture, "ok"}}},
        {"a 401 status line in the stream",
         {"HTTP/1.1 401 Unauthorized\r\n\r\n"},
         {{FrameStatus::Refused, ""}}},
    };
    for (const auto& c : cases) {
        expectFrames(c);
    }
}

TEST(StreamFrames, BadLengthsNeverOverrunAndKeepTheirPlace) {
    const FrameCase cases[] = {
        {"Content-Length -5 is skipped; the next part is found",
         {part("12345", "-5"), part("good")},
         {{FrameStatus::Skipped, ""}, {FrameStatus::Picture, "good"}}},
        {"Content-Length abc is skipped; the next part is found",
         {part("xyz", "abc"), part("good")},
         {{FrameStatus::Skipped, ""}, {FrameStatus::Picture, "good"}}},
        {"Content-Length +5 and 5x are not numbers",
         {part("12345", "+5"), part("12345", "5x"), part("good")},
         {{FrameStatus::Skipped, ""}, {FrameStatus::Skipped, ""}, {FrameStatus::Picture, "good"}}},
        {"a length beyond 64 bits",
         {part("1", "99999999999999999999999"), part("good")},
         {{FrameStatus::Skipped, ""}, {FrameStatus::Picture, "good"}}},
        {"Content-Length 999999999 with a closing camera allocates nothing",
         {"--frame\r\nContent-Length: 999999999\r\n\r\n" + std::string(5000, 'z')},
         {{FrameStatus::Closed, ""}, {FrameStatus::Closed, ""}}},
        {"a part above the picture limit is read past and skipped",
         {part(std::string(3000, 'o')), part("fits")},
         {{FrameStatus::Skipped, ""}, {FrameStatus::Picture, "fits"}},
         ReceiveStatus::Closed,
         1000},
        {"a close in the middle of a picture",
         {"--frame\r\nContent-Length: 100\r\n\r\nonly part of it"},
         {{FrameStatus::Closed, ""}}},
        {"a silence in the middle of a picture",
         {"--frame\r\nContent-Length: 100\r\n\r\nonly part of it"},
         {{FrameStatus::TimedOut, ""}},
         ReceiveStatus::TimedOut},
        {"a part header line too long to be one is passed over",
         {"--frame\r\nX-Junk: " + std::string(5000, 'j') + "\r\n" + part("after")},
         {{FrameStatus::Picture, "after"}}},
        {"part header lines that never end lose the place for good",
         {std::string(70000, '\n'), part("late")},
         {{FrameStatus::Closed, ""}, {FrameStatus::Closed, ""}}},
        {"a header line of many megabytes loses the place",
         {"--frame\r\nX: " + std::string(4 << 20, 'm') + "\r\n" + part("late")},
         {{FrameStatus::Closed, ""}}},
    };
    for (const auto& c : cases) {
        expectFrames(c);
    }
}

} // namespace
} // namespace vistrel
