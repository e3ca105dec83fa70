#pragma once
// Draws one camera card: background, state picture, four text lines and the preview picture,
// composed off-screen and blended over the list's colour, fully opaque when selected and
// half transparent when not.

#include "protocol/camera_records.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <array>
#include <functional>

namespace vistrel {

inline const QColor kCameraListColour{0x56, 0x56, 0x56};

// The skin pictures of the cards, with their colour keys already applied as masks.
struct CardPictures {
    QPixmap background;            // bk.bmp
    std::array<QPixmap, 6> states; // state-1.bmp … state-5.bmp at their numbers
    std::array<QPixmap, 3> views;  // view-1.bmp, view-2.bmp at their numbers

    // Loads the pictures of the skin directory, at twice the size for screens that show finer
    // pixels; missing ones stay null and are skipped.
    static CardPictures fromSkin();
};

// Labels of the four lines (name, model, IP, MAC), looked up at every paint.
using CardLabels = std::array<QString, 4>;

// The card of `size` window pixels, drawn with `devicePixelRatio` device pixels to each, so
// that pictures and text stay sharp on a screen at 200 %.
QImage composeCard(const _camdev& entry, const CardPictures& pictures, const CardLabels& labels,
                   const QFont& font, QSize size, bool selected, qreal devicePixelRatio = 1);

} // namespace vistrel
