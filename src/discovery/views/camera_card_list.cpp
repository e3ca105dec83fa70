#include "discovery/views/camera_card_list.h"

#include "discovery/card_geometry.h"
#include "discovery/views/card_list_accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>

namespace vistrel {

namespace {

CardRect toCardRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

CameraCardList::CameraCardList(const CameraList& list, QWidget* parent)
    : QAbstractScrollArea(parent), list_(list) {
    static const bool accessibleAsCards = [] {
        QAccessible::installFactory(cameraCardListAccessible);
        return true;
    }();
    Q_UNUSED(accessibleAsCards);
    setObjectName(QStringLiteral("ListBox_IPCAM"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalScrollBar()->setSingleStep(kItemHeight / 4);
    QFont listFont(QStringLiteral("MS Sans Serif"));
    listFont.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                          QStringLiteral("Noto Sans")});
    listFont.setPixelSize(11);
    setFont(listFont);
    QPalette colours = viewport()->palette();
    colours.setColor(QPalette::Base, kCameraListColour);
    colours.setColor(QPalette::Window, kCameraListColour);
    viewport()->setPalette(colours);
    viewport()->setAutoFillBackground(true);
}

void CameraCardList::setPictures(CardPictures pictures) {
    pictures_ = std::move(pictures);
    redraw();
}

void CameraCardList::setCount(int count) {
    count_ = std::max(0, count);
    if (currentIndex_ >= count_) {
        currentIndex_ = -1;
    }
    updateScrollRange();
    redraw();
}

void CameraCardList::setCurrentIndex(int index, bool scrollIntoView) {
    currentIndex_ = (index >= 0 && index < count_) ? index : -1;
    if (scrollIntoView) {
        scrollTo(currentIndex_);
    }
    redraw();
}

int CameraCardList::indexAt(QPoint position) const {
    if (position.y() < 0) {
        return -1;
    }
    const int index = (position.y() + verticalScrollBar()->value()) / kItemHeight;
    return index < count_ ? index : -1;
}

QRect CameraCardList::itemRect(int index) const {
    return QRect(0, index * kItemHeight - verticalScrollBar()->value(), viewport()->width(),
                 kItemHeight);
}

void CameraCardList::redraw() {
    viewport()->update();
}

CardLabels CameraCardList::labels() const {
    return labels_ ? labels_() : CardLabels{};
}

void CameraCardList::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const CardLabels lineLabels = labels();
    const int first = std::max(0, verticalScrollBar()->value() / kItemHeight);
    for (int index = first; index < count_; ++index) {
        const QRect rect = itemRect(index);
        if (rect.top() >= viewport()->height()) {
            break;
        }
        // An index with no entry behind it is never drawn.
        if (index >= list_.rowCount() || !rect.intersects(event->rect())) {
            continue;
        }
        painter.drawImage(rect.topLeft(), composeCard(list_.entry(index), pictures_, lineLabels,
                                                      font(), rect.size(), index == currentIndex_,
                                                      viewport()->devicePixelRatioF()));
        if (index == currentIndex_ && hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect;
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
}

void CameraCardList::mousePressEvent(QMouseEvent* event) {
    const int index = indexAt(event->position().toPoint());
    if (index < 0 || event->button() != Qt::LeftButton) {
        return; // a press below the last card has no card to act on
    }
    const QPoint at = event->position().toPoint();
    const CardRect card = toCardRect(itemRect(index));
    if (cardBody(card).contains(at.x(), at.y()) && !previewSquare(card).contains(at.x(), at.y())) {
        emit cardBodyPressed(index);
    }
    setCurrentIndex(index);
    emit clicked();
}

void CameraCardList::pressPreviewSquare(int index) {
    if (index < 0 || index >= count_) {
        return;
    }
    setCurrentIndex(index);
    emit clicked();
    emit previewSquareReleased(index);
}

void CameraCardList::mouseReleaseEvent(QMouseEvent* event) {
    const int index = indexAt(event->position().toPoint());
    if (index < 0 || event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint at = event->position().toPoint();
    if (previewSquare(toCardRect(itemRect(index))).contains(at.x(), at.y())) {
        emit previewSquareReleased(index);
    }
}

void CameraCardList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()) >= 0) {
        emit doubleClicked();
    }
}

void CameraCardList::keyPressEvent(QKeyEvent* event) {
    const int pageStep = std::max(1, viewport()->height() / kItemHeight);
    int target = currentIndex_;
    switch (event->key()) {
    case Qt::Key_Up:
        target = std::max(0, currentIndex_ - 1);
        break;
    case Qt::Key_Down:
        target = std::min(count_ - 1, currentIndex_ + 1);
        break;
    case Qt::Key_PageUp:
        target = std::max(0, currentIndex_ - pageStep);
        break;
    case Qt::Key_PageDown:
        target = std::min(count_ - 1, currentIndex_ + pageStep);
        break;
    case Qt::Key_Home:
        target = count_ > 0 ? 0 : -1;
        break;
    case Qt::Key_End:
        target = count_ - 1;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    if (target != currentIndex_ && target >= 0) {
        setCurrentIndex(target);
        emit clicked();
    }
}

void CameraCardList::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
}

void CameraCardList::scrollContentsBy(int, int) {
    redraw();
}

void CameraCardList::updateScrollRange() {
    QScrollBar* bar = verticalScrollBar();
    bar->setPageStep(viewport()->height());
    bar->setRange(0, std::max(0, count_ * kItemHeight - viewport()->height()));
}

void CameraCardList::scrollTo(int index) {
    if (index < 0) {
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    const int top = index * kItemHeight;
    if (top < bar->value()) {
        bar->setValue(top);
    } else if (top + kItemHeight > bar->value() + viewport()->height()) {
        bar->setValue(top + kItemHeight - viewport()->height());
    }
}

} // namespace vistrel
