#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vistrel {

// Where a camera's live picture stream is, and the password that opens it.
struct StreamTarget {
    std::string host;        // the camera's dotted IPv4 address (or a host name)
    std::uint16_t port = 80; // its web port, in host order
    std::string password;    // the administrator's password, 8-bit text; the user is "admin"
};

// How opening a picture stream ended.
enum class StreamOpening {
    Opened,        // "200 OK": pictures follow
    Refused,       // 401 also after answering the challenge (or without one): wrong password
    OtherStatus,   // another answer, or a header that never ended; no pictures will follow
    LookupFailed,  // the host could not be looked up
    ConnectFailed, // no connection (refused, unreachable, or the time budget ran out)
    TimedOut,      // connected, but the camera did not answer in time
    Interrupted,   // interrupt() was called
};

// How reading the next picture ended.
enum class FrameStatus {
    Picture,     // `picture` holds one whole part body (empty for a Content-Length of 0)
    Skipped,     // a part that could not be kept (a bad or oversized length); still in step
    Refused,     // the stream reported 401
    Closed,      // the camera closed the connection, or the stream lost its place
    TimedOut,    // nothing arrived in time
    Interrupted, // interrupt() was called
};

// A camera's live picture stream, opened and read on a worker thread. Only interrupt() may be
// called from another thread.
class PictureSource {
public:
    virtual ~PictureSource() = default;

    // Connects, requests the stream, answers one authentication challenge and reads the
    // response header. Opening again first closes the previous connection.
    virtual StreamOpening open(const StreamTarget& target) = 0;

    // Reads the next picture of an opened stream into `picture` (replacing its contents).
    virtual FrameStatus readFrame(std::vector<std::uint8_t>& picture) = 0;

    // Makes a blocked open() or readFrame() return Interrupted within 100 ms, and every later
    // call as well. Safe to call from any thread, also before or during open().
    virtual void interrupt() = 0;
};

} // namespace vistrel
