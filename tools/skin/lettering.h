#pragma once
// Lettering drawn as stroked paths, so the art needs no font and renders the same everywhere.
// Glyphs sit on a grid of units: baseline at y = 0, x-height 7 units, capitals and ascenders
// 10 units above it (y = -10).

#include <QPainterPath>
#include <string_view>

namespace vistrel::skin {

// The centre lines of the text's strokes, starting at x = 0 on the baseline. Letters outside
// "VistrelFindWPS " are left out.
QPainterPath letteringPath(std::string_view text);

// The advance width of the text in units.
qreal letteringWidth(std::string_view text);

// The stroke width, in units, the glyphs are designed for.
inline constexpr qreal kLetteringStroke = 1.5;

} // namespace vistrel::skin
