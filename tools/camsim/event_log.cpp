#include "camsim/event_log.h"

#include <cstdio>
#include <ctime>

namespace vistrel::camsim {

std::string formatLogTime(std::chrono::system_clock::time_point time) {
    using namespace std::chrono;
    const auto sinceEpoch = time.time_since_epoch();
    const auto wholeSeconds = floor<seconds>(sinceEpoch);
    const auto milliseconds = duration_cast<std::chrono::milliseconds>(sinceEpoch - wholeSeconds);
    const std::time_t seconds = wholeSeconds.count();
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[64]; // room for any value of the fields, though only 24 characters are used
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900,
                  utc.tm_mon + 1, utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec,
                  static_cast<int>(milliseconds.count()));
    return text;
}

std::string logLine(const LogEntry& entry, std::chrono::system_clock::time_point time) {
    JsonObject line;
    line.add("time", formatLogTime(time))
        .add("peer", entry.peer)
        .add("direction", entry.direction)
        .add("command", entry.command)
        .add("camera", entry.camera)
        .add("fields", entry.fields)
        .add("verdict", entry.verdict);
    return line.text();
}

void EventLog::write(const LogEntry& entry) {
    if (out_ == nullptr) {
        return;
    }
    *out_ << logLine(entry, clock_()) << '\n';
    out_->flush();
}

} // namespace vistrel::camsim
