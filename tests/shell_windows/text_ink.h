#pragma once
// Where a control's caption puts its pixels. Labels and push buttons draw their text with one
// QPainter::drawText into a rectangle of their own; drawing the same text the same way without
// the control's clipping shows whether any of it falls outside that rectangle, whatever fonts
// the text falls back to.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;

namespace vistrel::test {

// A text as a control draws it: the rectangle it is laid out in, its flags, its font.
struct TextPlacement {
    QRect room;
    int flags = 0;
    QFont font;
    QString text;
};

// The label's text placed as QLabel paints plain text: in its contents rectangle less its
// margin, aligned for the text's own direction, word-wrapped when the label wraps.
TextPlacement placementOf(const QLabel& label);

// The button's caption placed as the style paints it: centred in the push button's contents.
TextPlacement placementOf(const QPushButton& button);

// The bounding box, in the room's coordinates, of the pixels the text covers by half or more;
// empty for a text without visible pixels.
QRect inkRect(const TextPlacement& placement);

// The bounding box of an image's pixels that are half opaque or more; empty when none is.
QRect inkOf(const QImage& image);

// The characters of the text that neither the placement's font nor any installed fallback
// can draw: they would show as empty boxes.
QString charactersWithoutGlyphs(const TextPlacement& placement);

} // namespace vistrel::test
