#include "button_pictures.h"

#include "lettering.h"
#include "painting.h"
#include "palette.h"
#include "skin_layout.h"
#include "symbols.h"

#include <QPainterPath>

namespace vistrel::skin {
namespace {

using GlyphPainter = std::function<void(QPainter&, const QColor&)>;

// A round button: the glyph alone, and the glyph in white on a teal disc.
ButtonPictures roundButton(const QImage& background, const QRect& place,
                           const GlyphPainter& glyph) {
    const QImage crop = cropped(background, layout::inBackground(place));
    const QPointF centre = pictureRect(crop).center();
    const qreal radius = place.width() / 2.0 - 0.5;
    const auto hover = [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(verticalGradient(0, place.height(), kAccent, kAccentDeep));
        painter.drawEllipse(centre, radius, radius);
        glyph(painter, Qt::white);
    };
    return {paintedOver(crop, hover),
            paintedOver(crop, [&](QPainter& painter) { glyph(painter, kMistDim); })};
}

// A caption button: the glyph alone, and the glyph in white on a rounded plate.
ButtonPictures captionButton(const QImage& background, const QRect& place, const QColor& plate,
                             const GlyphPainter& glyph) {
    const QImage crop = cropped(background, layout::inBackground(place));
    const auto hover = [&](QPainter& painter) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(plate);
        painter.drawRoundedRect(pictureRect(crop).adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
        glyph(painter, Qt::white);
    };
    return {paintedOver(crop, hover),
            paintedOver(crop, [&](QPainter& painter) { glyph(painter, kMistDim); })};
}

} // namespace

ButtonPictures searchButton(const QImage& mainBackground) {
    return roundButton(mainBackground, layout::kSearchButton,
                       [](QPainter& painter, const QColor& colour) {
                           drawMagnifier(painter, QPointF(12, 12), 17, colour);
                       });
}

ButtonPictures settingsButton(const QImage& mainBackground) {
    return roundButton(mainBackground, layout::kSettingsButton,
                       [](QPainter& painter, const QColor& colour) {
                           drawGear(painter, QPointF(12, 12), 17.5, colour);
                       });
}

ButtonPictures minimizeButton(const QImage& mainBackground) {
    return captionButton(mainBackground, layout::kMinButton, kAccent,
                         [](QPainter& painter, const QColor& colour) {
                             painter.setPen(roundPen(colour, 2));
                             painter.drawLine(QPointF(8, 14), QPointF(17, 14));
                         });
}

ButtonPictures closeButton(const QImage& mainBackground) {
    return captionButton(mainBackground, layout::kCloseButton, kCoral,
                         [](QPainter& painter, const QColor& colour) {
                             painter.setPen(roundPen(colour, 2));
                             painter.drawLine(QPointF(8.5, 6.5), QPointF(16.5, 14.5));
                             painter.drawLine(QPointF(16.5, 6.5), QPointF(8.5, 14.5));
                         });
}

namespace {

void paintWpsFace(QPainter& painter, const QRectF& face) {
    painter.setPen(QPen(withAlpha(kAccentLight, 170), 1));
    painter.setBrush(verticalGradient(face.top(), face.bottom(), kAccent, kAccentDeep));
    painter.drawRoundedRect(face, 9, 9);
    painter.setPen(QPen(withAlpha(Qt::white, 50), 1));
    painter.drawLine(QPointF(face.left() + 9, face.top() + 1.5),
                     QPointF(face.right() - 9, face.top() + 1.5));
    drawWpsSymbol(painter, QPointF(28, face.center().y()), 9.5, Qt::white, 2.6);
    const qreal unit = 1.65;
    painter.save();
    painter.translate(47, face.center().y() + 5 * unit);
    painter.scale(unit, unit);
    painter.strokePath(letteringPath("WPS"), roundPen(Qt::white, 1.6));
    painter.restore();
}

} // namespace

QImage wpsButton(const QImage& wizardBackground) {
    const QImage crop = cropped(wizardBackground, QRect(310, 300, 108, 47));
    return paintedOver(crop,
                       [](QPainter& painter) { paintWpsFace(painter, QRectF(1.5, 1.5, 105, 44)); });
}

} // namespace vistrel::skin
