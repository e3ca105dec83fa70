#include "discovery/card_geometry.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

TEST(CardGeometry, PicturesAreCentredWhenSmallerAndSqueezedWhenLarger) {
    EXPECT_EQ(pictureRectInSquare(0, 100, 36, 36), (CardRect{32, 32, 68, 68}));
    EXPECT_EQ(pictureRectInSquare(0, 100, 120, 36), (CardRect{0, 32, 100, 68}));
    EXPECT_EQ(pictureRectInSquare(0, 100, 35, 100), (CardRect{32, 0, 67, 100}));
    // The preview picture goes into the right square of a 500-pixel card.
    EXPECT_EQ(pictureRectInSquare(400, 100, 64, 64), (CardRect{418, 18, 482, 82}));
}

TEST(CardGeometry, FourLineBoxesBetweenTheSquares) {
    const auto boxes = textLineBoxes(500, 100, 13); // L = 19
    const int tops[] = {12, 31, 50, 69};
    for (int line = 0; line < 4; ++line) {
        SCOPED_TRACE(line);
        EXPECT_EQ(boxes[line].top, tops[line]);
        EXPECT_EQ(boxes[line].height(), 18);
        EXPECT_EQ(boxes[line].left, 100);
        EXPECT_EQ(boxes[line].right, 400);
    }
    // A font too large for the card starts above it.
    EXPECT_EQ(textLineBoxes(500, 100, 18)[0].top, -4);
}

TEST(CardGeometry, PreviewSquareAndBodySplitTheCard) {
    const CardRect card{0, 200, 500, 300};
    EXPECT_EQ(previewSquare(card), (CardRect{400, 210, 490, 300}));
    EXPECT_EQ(cardBody(card), (CardRect{10, 210, 400, 300}));
    EXPECT_TRUE(previewSquare(card).contains(450, 250));
    EXPECT_FALSE(previewSquare(card).contains(450, 205));
    EXPECT_TRUE(cardBody(card).contains(10, 299));
}

} // namespace
} // namespace vistrel
