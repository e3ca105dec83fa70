#include "ui/picture_button.h"

#include "ui/data_files.h"

#include <QMouseEvent>

namespace vistrel {

PictureButton::PictureButton(const QString& pictureStem, QWidget* parent)
    : QLabel(parent), pictureStem_(pictureStem) {
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    showPicture(2);
}

void PictureButton::showPicture(int variant) {
    const QPixmap picture =
        loadSkinPicture(QStringLiteral("%1-%2.bmp").arg(pictureStem_).arg(variant));
    if (!picture.isNull()) {
        setPixmap(picture);
    }
}

void PictureButton::enterEvent(QEnterEvent* event) {
    showPicture(1);
    QLabel::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    showPicture(2);
    QLabel::leaveEvent(event);
}

void PictureButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        showPicture(2);
    }
    QLabel::mousePressEvent(event);
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        showPicture(2);
        emit hookReleased();
        if (rect().contains(event->position().toPoint())) {
            emit clicked();
        }
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace vistrel
