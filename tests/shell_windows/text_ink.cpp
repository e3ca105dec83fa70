#include "text_ink.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <algorithm>

namespace vistrel::test {
namespace {

// Antialiased glyph edges cover a pixel partly; half or more counts as drawn.
constexpr int kInkAlpha = 128;

// Room around the laid-out text for glyphs that reach beyond their advance.
constexpr int kOverhang = 8;

// QLabel's indent: its own when set, half an "x" when it has a frame, else none.
int indentOf(const QLabel& label) {
    if (label.indent() >= 0) {
        return label.indent();
    }
    return label.frameWidth() > 0
               ? QFontMetrics(label.font()).horizontalAdvance(QLatin1Char('x')) / 2 - label.margin()
               : 0;
}

QRect indented(QRect room, int alignment, int indent) {
    if (indent > 0) {
        room.adjust(alignment & Qt::AlignLeft ? indent : 0, alignment & Qt::AlignTop ? indent : 0,
                    alignment & Qt::AlignRight ? -indent : 0,
                    alignment & Qt::AlignBottom ? -indent : 0);
    }
    return room;
}

} // namespace

TextPlacement placementOf(const QLabel& label) {
    const Qt::LayoutDirection direction =
        label.text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    int alignment = static_cast<int>(QStyle::visualAlignment(direction, label.alignment()));
    if (label.wordWrap()) {
        alignment |= Qt::TextWordWrap;
    }
    alignment |= direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft;
    const int margin = label.margin();
    const QRect contents = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    return {indented(contents, alignment, indentOf(label)), alignment, label.font(), label.text()};
}

TextPlacement placementOf(const QPushButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const QRect contents =
        button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
    return {contents, Qt::AlignCenter | Qt::TextShowMnemonic, button.font(), button.text()};
}

QRect inkOf(const QImage& image) {
    int left = image.width();
    int right = -1;
    int top = image.height();
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) >= kInkAlpha) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QRect inkRect(const TextPlacement& placement) {
    if (placement.text.isEmpty()) {
        return {};
    }
    // The controls' painting clips the text to its room; drawn unclipped, what they would cut
    // off shows.
    const int flags = placement.flags | Qt::TextDontClip;
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    const QRect laidOut =
        QFontMetrics(placement.font, &image).boundingRect(placement.room, flags, placement.text);
    const QRect canvas =
        laidOut.united(placement.room).adjusted(-kOverhang, -kOverhang, kOverhang, kOverhang);
    image = QImage(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setFont(placement.font);
        painter.setPen(Qt::black);
        painter.translate(-canvas.topLeft());
        painter.drawText(placement.room, flags, placement.text);
    }
    const QRect ink = inkOf(image);
    return ink.isNull() ? ink : ink.translated(canvas.topLeft());
}

namespace {

// Whether the font, or a fallback the font system finds for it, draws every glyph of the text.
bool hasGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) {
    }
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.glyphIndexes().contains(0)) { // glyph 0: the font's "missing glyph" box
            return false;
        }
    }
    return true;
}

} // namespace

QString charactersWithoutGlyphs(const TextPlacement& placement) {
    QString missing;
    for (const char32_t codePoint : placement.text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        if (!QChar::isSpace(codePoint) && !missing.contains(character) &&
            !hasGlyphs(character, placement.font)) {
            missing += character;
        }
    }
    return missing;
}

} // namespace vistrel::test
