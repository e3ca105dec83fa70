#pragma once
// The worker's half of showing a picture: the JPEG marker check, the decode at the scale that
// covers the box, and the stretch to the box's size, so that the GUI thread only copies the
// finished picture to the screen.

#include "base/bytes.h"
#include "camhttp/jpeg_decoder.h"

#include <QImage>
#include <QSize>

namespace vistrel {

class PreviewFrameScaler {
public:
    explicit PreviewFrameScaler(QSize box);

    // The picture stretched over the whole box, whatever its own size and aspect; a null image
    // when it lacks the JPEG markers or does not decode. Two box-sized buffers take turns, so
    // the picture handed out last time stays untouched while the GUI thread holds it; a buffer
    // still held when its turn comes is copied by QImage rather than overwritten.
    QImage scale(Bytes jpeg);

private:
    QSize box_;
    JpegDecoder decoder_;
    DecodedPicture decoded_;
    QImage buffers_[2];
    int turn_ = 0;
};

} // namespace vistrel
