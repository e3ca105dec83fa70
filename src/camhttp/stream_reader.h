#pragma once

#include "camhttp/byte_source.h"
#include "camhttp/http_header_text.h"
#include "camhttp/http_limits.h"
#include "camhttp/picture_source.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vistrel {

enum class HeaderStatus {
    Complete,    // the empty line that ends the header arrived
    TooLong,     // the header grew past its limit without ending
    Closed,      // the connection ended first
    TimedOut,    // the header did not end before the deadline
    Interrupted, // the wait was interrupted
};

struct ResponseHeader {
    HeaderStatus status = HeaderStatus::Closed;
    std::string text;              // the lines received, each ended by CR LF
    std::optional<int> statusCode; // from the first line, when it is a status line
};

// Reads an HTTP response from a byte source through one buffer: the response header, then the
// parts of a picture stream, each a few header lines with a Content-Length, an empty line and
// that many bytes. Every byte that follows a header stays in the buffer for what comes next,
// and nothing grows past the limits, whatever the source sends.
class StreamReader {
public:
    StreamReader(ByteSource& source, const HttpLimits& limits);

    // Reads up to and including the empty line that ends the response header, which must
    // arrive before the deadline.
    ResponseHeader readResponseHeader(Deadline deadline);

    // Reads the next part into `picture`; each receive waits at most the receive time-out.
    // A part whose length is over the picture limit is read past and Skipped; one whose length
    // is not a number is Skipped and the next part is looked for after it. Closed also when
    // the stream lost its place: no part header within the limit.
    FrameStatus readFrame(std::vector<std::uint8_t>& picture);

private:
    enum class LineStatus { Line, TooLong, OverBudget, Closed, TimedOut, Interrupted };

    LineStatus readLine(std::string& line, std::size_t longest, std::size_t& budget);
    FrameStatus readPartHeader(std::optional<ContentLength>& length);
    FrameStatus readBody(std::size_t length, std::vector<std::uint8_t>& picture);
    FrameStatus skipBody(std::uint64_t length);
    ReceiveStatus fill();
    ReceiveStatus receiveInto(MutableBytes into, std::size_t& count);
    Deadline nextDeadline() const;

    ByteSource& source_;
    HttpLimits limits_;
    std::vector<std::uint8_t> buffer_;
    std::size_t begin_ = 0; // unread bytes are buffer_[begin_, end_)
    std::size_t end_ = 0;
    std::optional<Deadline> headerDeadline_;
    bool lost_ = false; // the stream lost its place; every later read is Closed
};

} // namespace vistrel
