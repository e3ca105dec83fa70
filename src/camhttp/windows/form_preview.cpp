#include "camhttp/windows/form_preview.h"

namespace vistrel {

TForm_Preview::TForm_Preview(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      PaintBox_Preview(new PreviewPaintBox(this)) {
    setObjectName(QStringLiteral("Form_Preview"));
    setWindowTitle(QStringLiteral("Preview"));
    setFixedSize(kClientSize);

    PaintBox_Preview->setObjectName(QStringLiteral("PaintBox_Preview"));
    PaintBox_Preview->setGeometry(QRect(QPoint(0, 0), kClientSize));
}

} // namespace vistrel
