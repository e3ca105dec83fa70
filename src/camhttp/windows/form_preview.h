#pragma once
// The preview window: the camera's live picture beside the main window. The picture stream,
// its worker and pan/tilt come with the preview handling; the window shows what it is given.

#include "camhttp/windows/preview_paint_box.h"

#include <QWidget>

namespace vistrel {

class TForm_Preview : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{320, 240};

    explicit TForm_Preview(QWidget* parent = nullptr);

    PreviewPaintBox* paintBox() const { return PaintBox_Preview; }

private:
    PreviewPaintBox* PaintBox_Preview;
};

} // namespace vistrel
