#pragma once
// Where the parts of one camera card go: the state picture in the left square, the preview
// picture in the right square, and four text lines in between.

#include <array>

namespace vistrel {

struct CardRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const CardRect&) const = default;
};

// A picture of width w and height h in the square (squareLeft, 0, squareLeft + side, side):
// centred along each axis where it is smaller than the square, stretched to the square's
// extent where it is not.
CardRect pictureRectInSquare(int squareLeft, int side, int pictureWidth, int pictureHeight);

// The four line boxes of a card of height cardHeight whose font draws "A" textHeight high:
// L = 1.5 × textHeight, the first box starts at (cardHeight − 4L) / 2, and each box is L − 1
// high and starts one pixel below the previous one. Left and right are the text column.
std::array<CardRect, 4> textLineBoxes(int cardWidth, int cardHeight, int textHeight);

// The preview square of a card at rect: a press there opens the live preview.
CardRect previewSquare(const CardRect& card);
// The card body: a press there highlights a new camera.
CardRect cardBody(const CardRect& card);

} // namespace vistrel
