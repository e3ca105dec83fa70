#include "camhttp/windows/preview_paint_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace vistrel {

PreviewPaintBox::PreviewPaintBox(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted, so Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewPaintBox::showPicture(const QImage& picture) {
    picture_ = picture;
    update();
}

void PreviewPaintBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // Stretched to fill the box whatever the picture's own size and aspect.
    painter.drawImage(rect(), picture_);
}

void PreviewPaintBox::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->position().toPoint());
}

} // namespace vistrel
