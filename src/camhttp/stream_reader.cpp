#include "camhttp/stream_reader.h"

#include <algorithm>
#include <cstring>

namespace vistrel {

namespace {

// Enough for a response header or a few part headers in one receive; picture bytes bypass it.
constexpr std::size_t kBufferBytes = std::size_t{16} * 1024;

FrameStatus frameStatusOf(ReceiveStatus status) {
    switch (status) {
    case ReceiveStatus::TimedOut:
        return FrameStatus::TimedOut;
    case ReceiveStatus::Interrupted:
        return FrameStatus::Interrupted;
    default:
        return FrameStatus::Closed;
    }
}

} // namespace

StreamReader::StreamReader(ByteSource& source, const HttpLimits& limits)
    : source_(source), limits_(limits), buffer_(kBufferBytes) {}

Deadline StreamReader::nextDeadline() const {
    return headerDeadline_ ? *headerDeadline_
                           : std::chrono::steady_clock::now() + limits_.receiveTimeout;
}

ReceiveStatus StreamReader::receiveInto(MutableBytes into, std::size_t& count) {
    const Received received = source_.receive(into, nextDeadline());
    if (received.status != ReceiveStatus::Data) {
        return received.status;
    }
    if (received.count == 0 || received.count > into.size()) {
        return ReceiveStatus::Failed; // a source that breaks its word ends the stream
    }
    count = received.count;
    return ReceiveStatus::Data;
}

ReceiveStatus StreamReader::fill() {
    begin_ = end_ = 0;
    return receiveInto(MutableBytes(buffer_), end_);
}

// Consumes one line up to and including its LF, keeping at most `longest` bytes of it without
// the CR LF. Every byte consumed counts against `budget`; when the budget runs out first, the
// line is left unfinished.
StreamReader::LineStatus StreamReader::readLine(std::string& line, std::size_t longest,
                                                std::size_t& budget) {
    line.clear();
    bool tooLong = false;
    while (budget > 0) {
        if (begin_ == end_) {
            if (const ReceiveStatus status = fill(); status != ReceiveStatus::Data) {
                return status == ReceiveStatus::TimedOut      ? LineStatus::TimedOut
                       : status == ReceiveStatus::Interrupted ? LineStatus::Interrupted
                                                              : LineStatus::Closed;
            }
        }
        const auto first = buffer_.begin() + static_cast<std::ptrdiff_t>(begin_);
        const auto last = first + static_cast<std::ptrdiff_t>(std::min(end_ - begin_, budget));
        const auto lineFeed = std::find(first, last, '\n');
        const std::size_t content = static_cast<std::size_t>(lineFeed - first);
        const std::size_t kept = std::min(content, longest - line.size());
        tooLong = tooLong || kept < content;
        line.append(first, first + static_cast<std::ptrdiff_t>(kept));
        const std::size_t used = content + (lineFeed == last ? 0 : 1);
        begin_ += used;
        budget -= used;
        if (lineFeed != last) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return tooLong ? LineStatus::TooLong : LineStatus::Line;
        }
    }
    return LineStatus::OverBudget;
}

ResponseHeader StreamReader::readResponseHeader(Deadline deadline) {
    headerDeadline_ = deadline;
    ResponseHeader header;
    std::size_t budget = limits_.responseHeaderBytes;
    std::string line;
    for (;;) {
        const LineStatus status = readLine(line, limits_.responseHeaderBytes, budget);
        if (status == LineStatus::TooLong || status == LineStatus::OverBudget) {
            header.status = HeaderStatus::TooLong;
            break;
        }
        if (status != LineStatus::Line) {
            header.status = status == LineStatus::TimedOut      ? HeaderStatus::TimedOut
                            : status == LineStatus::Interrupted ? HeaderStatus::Interrupted
                                                                : HeaderStatus::Closed;
            break;
        }
        if (line.empty() && !header.text.empty()) {
            header.status = HeaderStatus::Complete;
            break;
        }
        if (!line.empty()) { // empty lines before the status line are passed over
            header.text.append(line).append("\r\n");
        }
    }
    header.statusCode = statusCodeOf(firstLineOf(header.text));
    headerDeadline_.reset();
    return header;
}

// Reads part header lines up to the empty line that follows a Content-Length line, and gives
// Picture when it came. Lines before it that are not header lines (the boundary, the end of
// the previous part) are passed over.
FrameStatus StreamReader::readPartHeader(std::optional<ContentLength>& length) {
    std::size_t budget = limits_.partHeaderBytes;
    std::string line;
    for (;;) {
        switch (readLine(line, limits_.partLineBytes, budget)) {
        case LineStatus::Line:
            break;
        case LineStatus::TooLong:
            continue;
        case LineStatus::OverBudget:
            lost_ = true;
            return FrameStatus::Closed;
        case LineStatus::TimedOut:
            return FrameStatus::TimedOut;
        case LineStatus::Interrupted:
            return FrameStatus::Interrupted;
        case LineStatus::Closed:
            return FrameStatus::Closed;
        }
        if (line.empty() && length) {
            return FrameStatus::Picture;
        }
        if (statusCodeOf(line) == 401) {
            return FrameStatus::Refused;
        }
        if (const ContentLength found = contentLengthOf(line); found.present) {
            length = found;
        }
    }
}

FrameStatus StreamReader::readFrame(std::vector<std::uint8_t>& picture) {
    picture.clear();
    if (lost_) {
        return FrameStatus::Closed;
    }
    std::optional<ContentLength> length;
    if (const FrameStatus status = readPartHeader(length); status != FrameStatus::Picture) {
        return status;
    }
    if (!length->valid) {
        return FrameStatus::Skipped; // where it ends is unknown: look for the next part
    }
    if (length->length > limits_.pictureBytes) {
        return skipBody(length->length);
    }
    return readBody(static_cast<std::size_t>(length->length), picture);
}

FrameStatus StreamReader::readBody(std::size_t length, std::vector<std::uint8_t>& picture) {
    picture.resize(length);
    std::size_t copied = std::min(end_ - begin_, length);
    if (copied > 0) {
        std::memcpy(picture.data(), buffer_.data() + begin_, copied);
    }
    begin_ += copied;
    while (copied < length) {
        std::size_t count = 0;
        const ReceiveStatus status = receiveInto(MutableBytes(picture).subspan(copied), count);
        if (status != ReceiveStatus::Data) {
            picture.clear();
            return frameStatusOf(status);
        }
        copied += count;
    }
    return FrameStatus::Picture;
}

FrameStatus StreamReader::skipBody(std::uint64_t length) {
    std::uint64_t left = length;
    while (left > 0) {
        if (begin_ == end_) {
            if (const ReceiveStatus status = fill(); status != ReceiveStatus::Data) {
                return frameStatusOf(status);
            }
        }
        const std::size_t used =
            static_cast<std::size_t>(std::min<std::uint64_t>(end_ - begin_, left));
        begin_ += used;
        left -= used;
    }
    return FrameStatus::Skipped;
}

} // namespace vistrel
