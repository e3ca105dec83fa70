#pragma once
// ListBox_IPCAM: the visible camera list, one drawn 100-pixel card per entry of the camera
// list. It holds only a count, a selected index and the focus; the cards are painted from the
// entries. Presses on a card's body and releases on its preview square are reported before the
// list's own selection handling, as the main window's list hook needs them. Assistive tools see
// the cards and their preview squares (card_list_accessibility.h).

#include "discovery/camera_list.h"
#include "discovery/views/card_painter.h"

#include <QAbstractScrollArea>
#include <functional>

namespace vistrel {

class CameraCardList : public QAbstractScrollArea {
    Q_OBJECT

public:
    static constexpr int kItemHeight = 100;

    explicit CameraCardList(const CameraList& list, QWidget* parent = nullptr);

    void setPictures(CardPictures pictures);
    // Labels are looked up at every paint, so a language change shows at the next redraw.
    void setLabelProvider(std::function<CardLabels()> labels) { labels_ = std::move(labels); }

    int count() const { return count_; }
    void setCount(int count);
    int currentIndex() const { return currentIndex_; }
    // Selects a card; scrolls it into view unless told not to (the list re-sorting under the
    // user's eyes must not move the view).
    void setCurrentIndex(int index, bool scrollIntoView = true);

    int indexAt(QPoint viewportPosition) const; // -1 below the last card
    QRect itemRect(int index) const;            // in viewport coordinates
    void redraw();

    const CameraList& cameraList() const { return list_; }
    CardLabels labels() const;
    // What a click on a card's preview square does: selects the card, then reports the release
    // on the square.
    void pressPreviewSquare(int index);

signals:
    void cardBodyPressed(int index);
    void previewSquareReleased(int index);
    void clicked(); // a click changed or confirmed the selection
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollRange();
    void scrollTo(int index);

    const CameraList& list_;
    CardPictures pictures_;
    std::function<CardLabels()> labels_;
    int count_ = 0;
    int currentIndex_ = -1;
};

} // namespace vistrel
