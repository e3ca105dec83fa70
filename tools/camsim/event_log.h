#pragma once
// The event log: one JSON object per line for every datagram received or sent and every HTTP
// request, so that tests and people debugging a camera see exactly what the finder sent.

#include "camsim/json_text.h"

#include <chrono>
#include <functional>
#include <ostream>
#include <string>

namespace vistrel::camsim {

struct LogEntry {
    std::string peer;      // "ip:port"
    std::string direction; // "in" or "out"
    std::string command;   // "0x0022", "GET /snapshot.cgi", ...
    std::string camera;    // MAC text; empty when no camera is concerned
    JsonObject fields;     // the decoded fields
    std::string verdict;   // "answered", "applied", "refused: ...", "ignored: ..."
};

using LogClock = std::function<std::chrono::system_clock::time_point()>;

// "2024-05-01T12:00:00.123Z": UTC with milliseconds.
std::string formatLogTime(std::chrono::system_clock::time_point time);

// {"time", "peer", "direction", "command", "camera", "fields", "verdict"} on one line.
std::string logLine(const LogEntry& entry, std::chrono::system_clock::time_point time);

class EventLog {
public:
    EventLog() = default; // writes nothing
    explicit EventLog(std::ostream& out, LogClock clock = std::chrono::system_clock::now)
        : out_(&out), clock_(std::move(clock)) {}

    // Writes the line and flushes it, so that a reader following the file sees it at once.
    void write(const LogEntry& entry);

private:
    std::ostream* out_ = nullptr;
    LogClock clock_;
};

} // namespace vistrel::camsim
