#include "ui/window_style.h"

#include "ui/skin_pictures.h"

#include <QPalette>
#include <QScreen>

namespace vistrel {

QFont designFont() {
    QFont font(QStringLiteral("MS Sans Serif"));
    // Where MS Sans Serif is missing, its metric stand-in; the system's default sans face has
    // a taller line, whose descenders the 13-pixel labels of the design would cut off. Thai
    // comes from the UI cut of its face, whose stacked marks stay within such a label too.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Noto Sans Thai UI")});
    font.setPixelSize(11);
    return font;
}

QLabel* addBackgroundPicture(QWidget* parent, const QString& objectName, const QRect& geometry,
                             const QString& skinFile) {
    auto* picture = new QLabel(parent);
    picture->setObjectName(objectName);
    picture->setGeometry(geometry);
    picture->setScaledContents(true);
    picture->setPixmap(loadSkinPicture(skinFile));
    picture->lower();
    return picture;
}

void styleTransparentLabel(QLabel* label, const QColor& colour, Qt::Alignment alignment) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAutoFillBackground(false);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(alignment);
}

void setVerticallyCentredText(QLabel* label, const QString& text) {
    label->setText(text);
    const bool fits = label->heightForWidth(label->width()) <= label->height();
    label->setAlignment(Qt::AlignHCenter | (fits ? Qt::AlignVCenter : Qt::AlignTop));
}

void centreOnDesktop(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        return;
    }
    const QRect desktop = screen->geometry();
    const QSize frame = window->frameGeometry().size();
    window->move(desktop.x() + (desktop.width() - frame.width()) / 2,
                 desktop.y() + (desktop.height() - frame.height()) / 2);
}

} // namespace vistrel
