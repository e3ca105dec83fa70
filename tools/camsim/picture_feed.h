#pragma once
// The picture stream of one camera: multipart parts ready to send, numbered, rendered once and
// shared by every client that watches.

#include "camsim/camera_state.h"
#include "camsim/picture_source.h"

#include <QByteArray>
#include <cstdint>

namespace vistrel::camsim {

struct PicturePart {
    std::uint64_t sequence = 0; // 0: none yet
    QByteArray bytes;           // part header, JPEG, line end
};

class PictureFeed {
public:
    explicit PictureFeed(const CameraState& camera) : source_(camera) {}

    // Renders the next picture now.
    const PicturePart& renderNext();

    // The newest part when it is newer than `seen`, else a new one rendered now: how a client
    // that reads as fast as it can gets its next picture.
    const PicturePart& newerThan(std::uint64_t seen);

private:
    PictureSource source_;
    PicturePart latest_;
};

} // namespace vistrel::camsim
