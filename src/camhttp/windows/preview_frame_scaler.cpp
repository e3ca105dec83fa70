#include "camhttp/windows/preview_frame_scaler.h"

#include <QPainter>

namespace vistrel {

PreviewFrameScaler::PreviewFrameScaler(QSize box)
    : box_(box), decoder_(box.width(), box.height()), buffers_{QImage(box, QImage::Format_RGB32),
                                                               QImage(box, QImage::Format_RGB32)} {}

QImage PreviewFrameScaler::scale(Bytes jpeg) {
    if (!decoder_.decode(jpeg, decoded_)) {
        return {};
    }
    // The decoded pixels are viewed, not copied: the words are what Format_RGB32 holds.
    const QImage decoded(decoded_.pixels.data(), decoded_.width, decoded_.height,
                         decoded_.bytesPerLine(), QImage::Format_RGB32);
    turn_ ^= 1;
    QImage& target = buffers_[turn_];
    QPainter painter(&target);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), box_), decoded);
    painter.end();
    return target;
}

} // namespace vistrel
