#pragma once
// The pictures of one camera: the part of its test-pattern scene that its pan/tilt position
// shows, with its name, a running clock and the picture number drawn on top, as JPEG.

#include "camsim/camera_state.h"
#include "camsim/jpeg_encoder.h"

#include <QDateTime>
#include <QImage>
#include <cstdint>
#include <memory>
#include <vector>

namespace vistrel::camsim {

class PictureSource {
public:
    explicit PictureSource(const CameraState& camera);

    std::vector<std::uint8_t> render(const QDateTime& now);

private:
    QPoint viewOrigin() const;
    void copyView();
    void drawCaptions(const QDateTime& now);

    const CameraState& camera_;
    std::shared_ptr<const QImage> scene_; // drawn on the first picture
    QImage frame_;
    JpegEncoder encoder_;
    std::uint64_t pictures_ = 0;
};

} // namespace vistrel::camsim
