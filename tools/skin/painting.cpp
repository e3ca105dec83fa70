#include "painting.h"

namespace vistrel::skin {

namespace {

QImage scaledCanvas(QSize size, QImage::Format format, int scale) {
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

} // namespace

QImage blankImage(QSize size, const QColor& fill, int scale) {
    QImage image = scaledCanvas(size, QImage::Format_RGB32, scale);
    image.fill(fill);
    return image;
}

QImage blankAlphaImage(QSize size, int scale) {
    QImage image = scaledCanvas(size, QImage::Format_ARGB32_Premultiplied, scale);
    image.fill(Qt::transparent);
    return image;
}

QRectF pictureRect(const QImage& image) {
    return {QPointF(0, 0), image.deviceIndependentSize()};
}

QImage cropped(const QImage& image, const QRect& place) {
    const qreal scale = image.devicePixelRatio();
    const QRect pixels(place.topLeft() * scale, place.size() * scale);
    QImage crop = image.copy(pixels);
    crop.setDevicePixelRatio(scale);
    return crop;
}

void makeSmooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor& topColour,
                                 const QColor& bottomColour) {
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, topColour);
    gradient.setColorAt(1, bottomColour);
    return gradient;
}

QLinearGradient diagonalGradient(const QRectF& box, const QColor& from, const QColor& to) {
    QLinearGradient gradient(box.topLeft(), box.bottomRight());
    gradient.setColorAt(0, from);
    gradient.setColorAt(1, to);
    return gradient;
}

QPen roundPen(const QColor& colour, qreal width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void fillVertical(QPainter& painter, const QRectF& box, const QColor& top, const QColor& bottom) {
    painter.fillRect(box, verticalGradient(box.top(), box.bottom(), top, bottom));
}

QImage paintedOver(const QImage& backdrop, const ArtPainter& art) {
    QImage image = backdrop.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&image);
    makeSmooth(painter);
    art(painter);
    return image;
}

namespace {

// Where the art leaves any trace: the alpha of the art painted alone, pixel for pixel of image.
QImage artCoverage(const QImage& image, const ArtPainter& art) {
    QImage coverage(image.size(), QImage::Format_ARGB32_Premultiplied);
    coverage.setDevicePixelRatio(image.devicePixelRatio());
    coverage.fill(Qt::transparent);
    QPainter painter(&coverage);
    makeSmooth(painter);
    art(painter);
    return coverage;
}

} // namespace

QImage keyedPicture(const QImage& backdrop, const ArtPainter& art, QRgb key) {
    QImage image = paintedOver(backdrop, art);
    const QImage coverage = artCoverage(image, art);
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* covered = reinterpret_cast<const QRgb*>(coverage.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(covered[x]) == 0) {
                row[x] = 0xff000000 | key;
            } else if ((row[x] & 0xffffff) == key) {
                row[x] ^= 1;
            }
        }
    }
    return image;
}

namespace {

// The image in the format to save, with a fixed resolution of 96 dots per inch: the default
// follows the screen when a GUI application runs, and the files record it.
QImage forSaving(const QImage& image, QImage::Format format) {
    constexpr int kDotsPerMeter = 3780;
    QImage converted = image.convertToFormat(format);
    converted.setDotsPerMeterX(kDotsPerMeter);
    converted.setDotsPerMeterY(kDotsPerMeter);
    return converted;
}

} // namespace

bool saveBmp(const QImage& image, const QString& path) {
    return forSaving(image, QImage::Format_RGB888).save(path, "BMP");
}

bool savePng(const QImage& image, const QString& path) {
    return forSaving(image, QImage::Format_ARGB32).save(path, "PNG");
}

} // namespace vistrel::skin
