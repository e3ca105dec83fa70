#pragma once
// The camera cards: the card background and the icons in its two end squares. The icons are
// colour-keyed and painted over the card's own pixels at their place, so their antialiased
// edges match the card. They take the scale of the card they are cut from.

#include <QImage>

namespace vistrel::skin {

// bk.bmp, 500 × 100 window pixels at a scale of 1 or 2.
QImage cardBackground(int scale);

// state-N.bmp, 64 × 64 on the key 0xFEFFFF: 1 new camera, 2 new camera picked, 3 and 4 set-up
// cameras, 5 another device.
QImage statePicture(int state, const QImage& card);

// view-N.bmp, 64 × 64 on black: 1 preview not available, 2 open the live preview.
QImage viewPicture(int view, const QImage& card);

} // namespace vistrel::skin
