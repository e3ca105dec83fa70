#include "lettering.h"

#include <QTransform>
#include <array>

namespace vistrel::skin {
namespace {

using Path = QPainterPath;

constexpr qreal kTracking = 2.2; // space between two glyphs
constexpr qreal kWordSpace = 5.6;

// Each glyph adds its strokes with its left edge at x and returns its width.

qreal capitalV(Path& p, qreal x) {
    p.moveTo(x, -10);
    p.lineTo(x + 3.7, 0);
    p.lineTo(x + 7.4, -10);
    return 7.4;
}

qreal capitalW(Path& p, qreal x) {
    p.moveTo(x, -10);
    p.lineTo(x + 2.3, 0);
    p.lineTo(x + 4.6, -8.2);
    p.lineTo(x + 6.9, 0);
    p.lineTo(x + 9.2, -10);
    return 9.2;
}

qreal capitalF(Path& p, qreal x) {
    p.moveTo(x + 5.6, -10);
    p.lineTo(x, -10);
    p.lineTo(x, 0);
    p.moveTo(x, -5.3);
    p.lineTo(x + 4.8, -5.3);
    return 5.6;
}

qreal capitalP(Path& p, qreal x) {
    p.moveTo(x, 0);
    p.lineTo(x, -10);
    p.lineTo(x + 3.2, -10);
    p.cubicTo(x + 5.6, -10, x + 6.4, -8.8, x + 6.4, -7.5);
    p.cubicTo(x + 6.4, -6.1, x + 5.6, -5, x + 3.2, -5);
    p.lineTo(x, -5);
    return 6.4;
}

// The lower-case s, 5 units wide and 7 high; the capital is the same shape scaled.
Path sShape() {
    Path p;
    p.moveTo(5.0, -5.9);
    p.cubicTo(4.4, -6.7, 3.5, -7.0, 2.5, -7.0);
    p.cubicTo(1.2, -7.0, 0.2, -6.3, 0.2, -5.2);
    p.cubicTo(0.2, -3.9, 1.5, -3.6, 2.6, -3.4);
    p.cubicTo(3.9, -3.2, 5.1, -2.8, 5.1, -1.7);
    p.cubicTo(5.1, -0.5, 3.9, 0, 2.5, 0);
    p.cubicTo(1.4, 0, 0.4, -0.4, -0.1, -1.1);
    return p;
}

qreal capitalS(Path& p, qreal x) {
    p.addPath(QTransform(1.2, 0, 0, 10.0 / 7.0, x, 0).map(sShape()));
    return 6.1;
}

qreal smallS(Path& p, qreal x) {
    p.addPath(sShape().translated(x, 0));
    return 5.0;
}

qreal smallI(Path& p, qreal x) {
    p.moveTo(x, -9.7);
    p.lineTo(x, -9.69); // a dot: a stroke of almost no length with round caps
    p.moveTo(x, -7);
    p.lineTo(x, 0);
    return 0;
}

qreal smallL(Path& p, qreal x) {
    p.moveTo(x, -10.5);
    p.lineTo(x, 0);
    return 0;
}

qreal smallT(Path& p, qreal x) {
    p.moveTo(x + 1.3, -9.6);
    p.lineTo(x + 1.3, -1.6);
    p.quadTo(x + 1.3, 0, x + 2.9, 0);
    p.lineTo(x + 3.8, 0);
    p.moveTo(x, -7);
    p.lineTo(x + 3.6, -7);
    return 3.8;
}

qreal smallR(Path& p, qreal x) {
    p.moveTo(x, -7);
    p.lineTo(x, 0);
    p.moveTo(x, -3.8);
    p.cubicTo(x + 0.3, -6.0, x + 1.6, -7.0, x + 3.7, -7.0);
    return 3.7;
}

qreal smallE(Path& p, qreal x) {
    p.moveTo(x + 0.1, -3.5);
    p.lineTo(x + 5.7, -3.5);
    p.arcTo(QRectF(x + 0.1, -7, 5.6, 7), 0, 310);
    return 5.8;
}

qreal smallN(Path& p, qreal x) {
    p.moveTo(x, -7);
    p.lineTo(x, 0);
    p.moveTo(x, -4.6);
    p.cubicTo(x, -6.4, x + 1.3, -7, x + 2.8, -7);
    p.cubicTo(x + 4.4, -7, x + 5.5, -6.3, x + 5.5, -4.6);
    p.lineTo(x + 5.5, 0);
    return 5.5;
}

qreal smallD(Path& p, qreal x) {
    p.addEllipse(QRectF(x, -7, 5.6, 7));
    p.moveTo(x + 5.6, -10.5);
    p.lineTo(x + 5.6, 0);
    return 5.6;
}

struct Glyph {
    char letter;
    qreal (*append)(Path&, qreal);
};

constexpr std::array kGlyphs{
    Glyph{'V', capitalV}, Glyph{'W', capitalW}, Glyph{'F', capitalF}, Glyph{'P', capitalP},
    Glyph{'S', capitalS}, Glyph{'s', smallS},   Glyph{'i', smallI},   Glyph{'l', smallL},
    Glyph{'t', smallT},   Glyph{'r', smallR},   Glyph{'e', smallE},   Glyph{'n', smallN},
    Glyph{'d', smallD},
};

const Glyph* findGlyph(char letter) {
    for (const Glyph& glyph : kGlyphs) {
        if (glyph.letter == letter) {
            return &glyph;
        }
    }
    return nullptr;
}

// Lays the text out, adding each glyph to the path when one is given; returns the width.
qreal layOut(std::string_view text, Path* path) {
    Path scratch;
    qreal x = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ') {
            x += kWordSpace;
        } else if (const Glyph* glyph = findGlyph(text[i])) {
            x += glyph->append(path ? *path : scratch, x);
            x += i + 1 < text.size() && text[i + 1] != ' ' ? kTracking : 0;
        }
    }
    return x;
}

} // namespace

QPainterPath letteringPath(std::string_view text) {
    Path path;
    layOut(text, &path);
    return path;
}

qreal letteringWidth(std::string_view text) {
    return layOut(text, nullptr);
}

} // namespace vistrel::skin
