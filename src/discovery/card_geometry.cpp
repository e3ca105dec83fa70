#include "discovery/card_geometry.h"

namespace vistrel {

namespace {

// Start and end of a picture of the given extent along one axis of the square.
std::pair<int, int> placeAlong(int squareStart, int side, int extent) {
    if (extent < side) {
        const int start = squareStart + (side - extent) / 2;
        return {start, start + extent};
    }
    return {squareStart, squareStart + side};
}

} // namespace

CardRect pictureRectInSquare(int squareLeft, int side, int pictureWidth, int pictureHeight) {
    const auto [left, right] = placeAlong(squareLeft, side, pictureWidth);
    const auto [top, bottom] = placeAlong(0, side, pictureHeight);
    return {left, top, right, bottom};
}

std::array<CardRect, 4> textLineBoxes(int cardWidth, int cardHeight, int textHeight) {
    const int lineHeight = textHeight * 3 / 2;
    std::array<CardRect, 4> boxes{};
    int top = (cardHeight - 4 * lineHeight) / 2;
    for (CardRect& box : boxes) {
        box = {cardHeight, top, cardWidth - cardHeight, top + lineHeight - 1};
        top = box.bottom + 1;
    }
    return boxes;
}

CardRect previewSquare(const CardRect& card) {
    return {card.right - card.height(), card.top + 10, card.right - 10, card.bottom};
}

CardRect cardBody(const CardRect& card) {
    return {card.left + 10, card.top + 10, previewSquare(card).left, card.bottom};
}

} // namespace vistrel
