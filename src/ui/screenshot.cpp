#include "ui/screenshot.h"

#include <QImage>
#include <QPainter>

namespace vistrel {

bool saveWindowScreenshot(QWidget& window, const QString& fileName) {
    QImage picture = window.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    if (!window.mask().isEmpty()) {
        QPainter painter(&picture);
        painter.setClipRegion(QRegion(picture.rect()).subtracted(window.mask()));
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        painter.fillRect(picture.rect(), Qt::transparent);
    }
    return picture.save(fileName, "PNG");
}

} // namespace vistrel
