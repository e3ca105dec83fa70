#pragma once
// Where the program shows each picture, in client pixels of its windows. The art is laid out
// on these places, and pictures that sit on another one (buttons on the main background, card
// icons on the card) are painted over a crop of what lies beneath them.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace vistrel::skin::layout {

// Main window: bg.bmp is drawn 1:1 at (0, -4); the window is cut to a rounded 519 × 490 shape.
inline constexpr QSize kBackgroundSize{537, 508};
inline constexpr QPoint kBackgroundOrigin{0, -4};
inline constexpr QSize kWindowSize{524, 495};
inline constexpr QRect kWindowShape{0, 0, 519, 490};
inline constexpr int kWindowRadius = 15;

inline constexpr QRect kTitleBand{0, 0, 519, 42};
inline constexpr QRect kList{12, 42, 500, 400};
inline constexpr int kBottomBandTop = 442;
inline constexpr QRect kLogo{14, 9, 24, 24};
inline constexpr QPoint kTitleBaseline{48, 27};

inline constexpr QRect kMinButton{448, 13, 25, 21};
inline constexpr QRect kCloseButton{475, 13, 25, 21};
inline constexpr QRect kSearchButton{224, 460, 24, 24};
inline constexpr QRect kSettingsButton{280, 460, 24, 24};
inline constexpr QRect kLanguageBox{381, 461, 130, 22};

// The part of bg.bmp that shows at a place of the window.
constexpr QRect inBackground(const QRect& windowRect) {
    return windowRect.translated(-kBackgroundOrigin);
}

// Camera cards: bk.bmp covers the card; the icons are centred in its two end squares.
inline constexpr QSize kCardSize{500, 100};
inline constexpr QSize kCardIconSize{64, 64};
inline constexpr QPoint kStateIconAt{18, 18};
inline constexpr QPoint kViewIconAt{418, 18};

} // namespace vistrel::skin::layout
