#pragma once
// A picture used as a button: name-2.bmp normally, name-1.bmp while the mouse is over it.
// A left-button release first reports hookReleased, then clicked, as the main window's button
// hook runs before the control's own click handler. Screen readers and other assistive tools
// see it as a button named by its accessible name, whose press action clicks it.

#include <QLabel>
#include <QString>

namespace vistrel {

class PictureButton : public QLabel {
    Q_OBJECT

public:
    // name is the picture's stem in the skin directory: "search", "setting", "min", "close".
    PictureButton(const QString& pictureStem, QWidget* parent = nullptr);

    // What a click with the left button does: hookReleased, then clicked.
    void click();

signals:
    void hookReleased();
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Shows name-<variant>.bmp; a missing picture leaves the previous one.
    void showPicture(int variant);

    QString pictureStem_;
};

} // namespace vistrel
