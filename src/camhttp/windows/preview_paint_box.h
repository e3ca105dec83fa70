#pragma once
// The picture area of the preview window: draws the last picture it was given stretched over
// its whole area, also when the window is uncovered, and black until the first one arrives.

#include <QImage>
#include <QWidget>

namespace vistrel {

class PreviewPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit PreviewPaintBox(QWidget* parent = nullptr);

    const QImage& picture() const { return picture_; }

public slots:
    void showPicture(const QImage& picture);

signals:
    // Any mouse button, at this point of the box.
    void mousePressed(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
};

} // namespace vistrel
