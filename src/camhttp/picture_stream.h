#pragma once

#include "camhttp/http_exchange.h"
#include "camhttp/http_limits.h"
#include "camhttp/interruption.h"
#include "camhttp/picture_source.h"

#include <memory>
#include <string_view>

namespace vistrel {

// The path of a camera's picture stream.
inline constexpr std::string_view kSnapshotPath = "/snapshot.cgi";

// A camera's picture stream over HTTP: "GET /snapshot.cgi" with a Host header, answered once
// with Basic or Digest when the camera challenges, then one JPEG picture after another from
// the same connection. Every wait is bounded by the limits, and interrupt() ends any of them
// at once. Each object holds its own connection.
class PictureStream final : public PictureSource {
public:
    PictureStream() : PictureStream(HttpLimits{}) {}
    explicit PictureStream(const HttpLimits& limits);
    ~PictureStream() override;

    StreamOpening open(const StreamTarget& target) override;
    FrameStatus readFrame(std::vector<std::uint8_t>& picture) override;
    void interrupt() override;

    // The status code of the last answer to open(), 0 when none came.
    int lastStatusCode() const { return lastStatusCode_; }

private:
    HttpLimits limits_;
    Interruption interruption_;
    HttpExchange stream_;
    int lastStatusCode_ = 0;
};

} // namespace vistrel
