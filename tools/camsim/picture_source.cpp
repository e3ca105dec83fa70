#include "camsim/picture_source.h"

#include "camsim/test_pattern.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <cstring>

namespace vistrel::camsim {

namespace {

constexpr int kBytesPerPixel = 4;

QString cameraText(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

// White text on a dark band, readable on any part of the scene.
void drawLabel(QPainter& painter, const QRect& band, int flags, const QString& text) {
    painter.fillRect(band, QColor(0, 0, 0, 150));
    painter.drawText(band.adjusted(6, 0, -6, 0), flags | Qt::AlignVCenter, text);
}

} // namespace

PictureSource::PictureSource(const CameraState& camera)
    : camera_(camera), frame_(camera.description().picture.width,
                              camera.description().picture.height, QImage::Format_RGBX8888) {}

std::vector<std::uint8_t> PictureSource::render(const QDateTime& now) {
    if (!scene_) {
        scene_ = testPatternScene(frame_.size());
    }
    copyView();
    drawCaptions(now);
    ++pictures_;
    const auto* bits = frame_.constBits();
    return encoder_.encodeRgbx({bits, static_cast<std::size_t>(frame_.sizeInBytes())},
                               frame_.width(), frame_.height(),
                               static_cast<int>(frame_.bytesPerLine()));
}

QPoint PictureSource::viewOrigin() const {
    const int stepX = frame_.width() / 2 / ViewPosition::kStepsFromCentre;
    const int stepY = frame_.height() / 2 / ViewPosition::kStepsFromCentre;
    return {frame_.width() / 2 + camera_.view().pan() * stepX,
            frame_.height() / 2 + camera_.view().tilt() * stepY};
}

// The view is a window of the scene: row by row, without scaling.
void PictureSource::copyView() {
    const QPoint origin = viewOrigin();
    const std::size_t rowBytes = static_cast<std::size_t>(frame_.width()) * kBytesPerPixel;
    for (int y = 0; y < frame_.height(); ++y) {
        const uchar* source = scene_->constScanLine(origin.y() + y) +
                              static_cast<std::ptrdiff_t>(origin.x()) * kBytesPerPixel;
        std::memcpy(frame_.scanLine(y), source, rowBytes);
    }
}

void PictureSource::drawCaptions(const QDateTime& now) {
    QPainter painter(&frame_);
    QFont font = painter.font();
    const int lineHeight = std::max(12, frame_.height() / 16);
    font.setPixelSize(lineHeight * 2 / 3);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const int width = frame_.width();
    const int bottom = frame_.height() - lineHeight;
    drawLabel(painter, QRect(0, 0, width, lineHeight), Qt::AlignLeft,
              cameraText(camera_.settings().name));
    drawLabel(painter, QRect(0, bottom, width, lineHeight), Qt::AlignLeft,
              now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")));
    painter.drawText(QRect(0, bottom, width - 6, lineHeight), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("#%1  pan %2  tilt %3")
                         .arg(pictures_ + 1)
                         .arg(camera_.view().pan())
                         .arg(camera_.view().tilt()));
}

} // namespace vistrel::camsim
