#include "shell/message_windows/form_waiting.h"

#include "ui/window_style.h"

namespace vistrel {

TForm_Waiting::TForm_Waiting(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      TntLabel_Wait(new TTntLabel(QStringLiteral("Searching..."), this)) {
    setObjectName(QStringLiteral("Form_Waiting"));
    setFont(designFont());
    addBackgroundPicture(this, QStringLiteral("Image_Back"), QRect(0, 0, 201, 113),
                         QStringLiteral("waiting-bg.bmp"));
    setFixedSize(kClientSize);
    move(kScreenPosition);

    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    TntLabel_Wait->setObjectName(QStringLiteral("TntLabel_Wait"));
    TntLabel_Wait->setFont(font);
    styleTransparentLabel(TntLabel_Wait, Qt::white, Qt::AlignLeft | Qt::AlignTop);
    TntLabel_Wait->setWordWrap(false);
    // Sized like an auto-sized label: whatever text the language gives it runs to the window's
    // edge.
    TntLabel_Wait->setGeometry(
        QRect(QPoint(60, 40), QPoint(kClientSize.width() - 1, kClientSize.height() - 1)));
}

} // namespace vistrel
