#pragma once
// The skin's colours: cool slate greys for surfaces, one teal accent for everything that
// invites a click or marks a camera, and a coral kept for the close button alone.

#include <QColor>

namespace vistrel::skin {

// Slate surfaces, darkest first.
inline const QColor kGlass{0x10, 0x15, 0x1a};
inline const QColor kInk900{0x15, 0x1b, 0x21};
inline const QColor kInk800{0x1c, 0x24, 0x2b};
inline const QColor kInk700{0x24, 0x2e, 0x37};
inline const QColor kInk600{0x2d, 0x38, 0x42};
inline const QColor kInk500{0x38, 0x45, 0x50};
inline const QColor kInk400{0x4a, 0x57, 0x63};

// Light tones for glyphs and device bodies.
inline const QColor kMist{0xdd, 0xe5, 0xeb};
inline const QColor kMistDim{0xa6, 0xb2, 0xbc};
inline const QColor kSteel{0x7f, 0x8a, 0x94};
inline const QColor kSteelDark{0x55, 0x60, 0x6a};

// The accent.
inline const QColor kAccentLight{0x66, 0xdd, 0xcf};
inline const QColor kAccent{0x1f, 0xb5, 0xa6};
inline const QColor kAccentDeep{0x12, 0x86, 0x7b};

inline const QColor kCoral{0xd9, 0x57, 0x4f};

// The background colour of the program's camera list, fixed by the program.
inline const QColor kListGrey{0x56, 0x56, 0x56};

// Colour keys of the card pictures, as 0xRRGGBB: pixels of exactly these colours are
// transparent. The program names the state key 0xFEFFFF in blue-green-red order.
inline constexpr QRgb kStateKey = 0xfffffe; // red 255, green 255, blue 254
inline constexpr QRgb kViewKey = 0x000000;

// A colour with another alpha.
inline QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

} // namespace vistrel::skin
