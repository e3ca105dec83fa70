#include "ui/picture_button.h"

#include "ui/skin_pictures.h"

#include <QAccessibleWidget>
#include <QMouseEvent>

namespace vistrel {

namespace {

// The button as assistive tools see it: a button with a press action, where a plain label
// would be a picture without any action.
class PictureButtonAccessible : public QAccessibleWidget {
public:
    explicit PictureButtonAccessible(PictureButton* button)
        : QAccessibleWidget(button, QAccessible::Button) {}

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            static_cast<PictureButton*>(widget())->click();
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }
};

QAccessibleInterface* pictureButtonAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(PictureButton::staticMetaObject.className())) {
        return new PictureButtonAccessible(static_cast<PictureButton*>(object));
    }
    return nullptr;
}

} // namespace

PictureButton::PictureButton(const QString& pictureStem, QWidget* parent)
    : QLabel(parent), pictureStem_(pictureStem) {
    static const bool accessibleAsButton = [] {
        QAccessible::installFactory(pictureButtonAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsButton);
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

void PictureButton::click() {
    showPicture(2);
    emit hookReleased();
    emit clicked();
}

void PictureButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (rect().contains(event->position().toPoint())) {
            click();
        } else {
            showPicture(2);
            emit hookReleased();
        }
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace vistrel
