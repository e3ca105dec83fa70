#include "card_pictures.h"

#include "painting.h"
#include "palette.h"
#include "skin_layout.h"
#include "symbols.h"

#include <QPainterPath>
#include <QRadialGradient>
#include <array>

namespace vistrel::skin {
namespace {

// The card's fill varies only from top to bottom wherever an icon sits, so the icons still
// match it when the program stretches the card to a narrower list.
constexpr QRectF kCardFace{4, 3, 492, 94};

void paintCardFace(QPainter& painter) {
    painter.setPen(QPen(kInk500, 1));
    painter.setBrush(verticalGradient(kCardFace.top(), kCardFace.bottom(), kInk600, kInk700));
    painter.drawRoundedRect(kCardFace.adjusted(0.5, 0.5, -0.5, -0.5), 9, 9);
    painter.setPen(QPen(withAlpha(kMist, 22), 1));
    painter.drawLine(QPointF(kCardFace.left() + 9, kCardFace.top() + 1.5),
                     QPointF(kCardFace.right() - 9, kCardFace.top() + 1.5));
}

// The darker square behind the state icon.
void paintIconWell(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(10, 90, kInk700, kInk800));
    painter.drawRoundedRect(QRectF(11, 11, 78, 78), 12, 12);
}

} // namespace

QImage cardBackground(int scale) {
    QImage image = blankImage(layout::kCardSize, kListGrey, scale);
    QPainter painter(&image);
    makeSmooth(painter);
    paintCardFace(painter);
    paintIconWell(painter);
    return image;
}

namespace {

struct CameraTone {
    QColor bodyTop;
    QColor bodyBottom;
    QColor ringLight;
    QColor ringDeep;
    QColor led;
};

const CameraTone kActiveCamera{kMist, kMistDim, kAccentLight, kAccentDeep, kAccentLight};
const CameraTone kPickedCamera{Qt::white, QColor(0xb4, 0xdf, 0xd9), QColor(0x8a, 0xf0, 0xe3),
                               kAccent, QColor(0x8a, 0xf0, 0xe3)};
const CameraTone kOtherDevice{kSteel, kSteelDark, kInk400, kInk500, kInk400};

// A dome-less box camera seen from the front, on a 64 × 64 grid, on a short stand.
void drawCameraFront(QPainter& painter, const CameraTone& tone) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(tone.bodyBottom);
    painter.drawRoundedRect(QRectF(19, 54, 26, 5), 2.5, 2.5);
    painter.drawRect(QRectF(28.5, 46, 7, 9));
    painter.setBrush(verticalGradient(10, 49, tone.bodyTop, tone.bodyBottom));
    painter.drawRoundedRect(QRectF(9, 10, 46, 39), 10, 10);
    const QPointF lens(32, 29.5);
    painter.setBrush(kInk600);
    painter.drawEllipse(lens, 14, 14);
    painter.setBrush(diagonalGradient(QRectF(20, 18, 24, 24), tone.ringLight, tone.ringDeep));
    painter.drawEllipse(lens, 11.5, 11.5);
    painter.setBrush(kGlass);
    painter.drawEllipse(lens, 7.5, 7.5);
    painter.setBrush(withAlpha(Qt::white, 220));
    painter.drawEllipse(lens + QPointF(-3, -3), 2, 2);
    painter.setBrush(tone.led);
    painter.drawEllipse(QPointF(47.5, 17), 1.8, 1.8);
}

constexpr QPointF kBadgeCentre{50, 50};
constexpr qreal kBadgeRadius = 10;

// Clears a ring around the badge back to the card, so the badge stands apart from the camera.
void cutBadgeRing(QPainter& painter, const QImage& backdrop) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(backdrop));
    painter.drawEllipse(kBadgeCentre, kBadgeRadius + 2.5, kBadgeRadius + 2.5);
}

void drawFilledBadge(QPainter& painter, const QImage& backdrop, const QColor& fill) {
    cutBadgeRing(painter, backdrop);
    painter.setBrush(fill);
    painter.drawEllipse(kBadgeCentre, kBadgeRadius, kBadgeRadius);
}

void drawNewCamera(QPainter& painter, const QImage& backdrop) {
    drawCameraFront(painter, kActiveCamera);
    drawFilledBadge(painter, backdrop, kAccent);
    drawPlus(painter, kBadgeCentre, 10, Qt::white, 2.4);
}

void drawPickedNewCamera(QPainter& painter, const QImage& backdrop) {
    QRadialGradient glow(QPointF(32, 32), 32);
    glow.setColorAt(0, withAlpha(kAccent, 230));
    glow.setColorAt(0.6, withAlpha(kAccent, 150));
    glow.setColorAt(0.85, withAlpha(kAccent, 40));
    glow.setColorAt(1, withAlpha(kAccent, 0));
    painter.setPen(QPen(kAccent, 2));
    painter.setBrush(glow);
    painter.drawRoundedRect(QRectF(1, 1, 62, 62), 12, 12);
    drawCameraFront(painter, kPickedCamera);
    cutBadgeRing(painter, backdrop);
    painter.setBrush(kAccentLight);
    painter.drawEllipse(kBadgeCentre, kBadgeRadius + 1, kBadgeRadius + 1);
    drawPlus(painter, kBadgeCentre, 10, kInk800, 2.6);
}

void drawSetUpCamera(QPainter& painter, const QImage& backdrop) {
    drawCameraFront(painter, kActiveCamera);
    drawFilledBadge(painter, backdrop, kAccent);
    drawCheck(painter, kBadgeCentre, 11, Qt::white, 2.4);
}

// The second kind of set-up camera: the same check in an outlined badge.
void drawSetUpCameraOutlined(QPainter& painter, const QImage& backdrop) {
    drawCameraFront(painter, kActiveCamera);
    drawFilledBadge(painter, backdrop, kInk800);
    painter.setPen(QPen(kAccent, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(kBadgeCentre, kBadgeRadius - 1, kBadgeRadius - 1);
    drawCheck(painter, kBadgeCentre, 10, kAccentLight, 2.2);
}

void drawOtherDevice(QPainter& painter, const QImage& backdrop) {
    drawCameraFront(painter, kOtherDevice);
    drawFilledBadge(painter, backdrop, kSteelDark);
    painter.setBrush(kMistDim);
    for (const qreal dx : {-4.5, 0.0, 4.5}) {
        painter.drawEllipse(kBadgeCentre + QPointF(dx, 0), 1.5, 1.5);
    }
}

using StateArt = void (*)(QPainter&, const QImage&);
constexpr std::array<StateArt, 5> kStateArt{drawNewCamera, drawPickedNewCamera, drawSetUpCamera,
                                            drawSetUpCameraOutlined, drawOtherDevice};

QImage iconBackdrop(const QImage& card, QPoint at) {
    return cropped(card, QRect(at, layout::kCardIconSize));
}

} // namespace

QImage statePicture(int state, const QImage& card) {
    const QImage backdrop = iconBackdrop(card, layout::kStateIconAt);
    const StateArt art = kStateArt.at(state - 1);
    return keyedPicture(
        backdrop, [&](QPainter& painter) { art(painter, backdrop); }, kStateKey);
}

namespace {

QPainterPath playTriangle() {
    QPainterPath triangle;
    triangle.moveTo(27, 21.5);
    triangle.lineTo(43.5, 32);
    triangle.lineTo(27, 42.5);
    triangle.closeSubpath();
    return triangle;
}

void drawPreviewButton(QPainter& painter) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(withAlpha(kAccent, 80), 2));
    painter.drawEllipse(QPointF(32, 32), 26, 26);
    painter.setPen(Qt::NoPen);
    painter.setBrush(verticalGradient(10, 54, kAccent, kAccentDeep));
    painter.drawEllipse(QPointF(32, 32), 21.5, 21.5);
    painter.setBrush(Qt::white);
    painter.setPen(roundPen(Qt::white, 2.5));
    painter.drawPath(playTriangle());
}

void drawPreviewUnavailable(QPainter& painter) {
    painter.setPen(QPen(kInk400, 1.5));
    painter.setBrush(kInk600);
    painter.drawEllipse(QPointF(32, 32), 21, 21);
    painter.setBrush(kInk400);
    painter.setPen(roundPen(kInk400, 2.5));
    painter.drawPath(playTriangle());
}

} // namespace

QImage viewPicture(int view, const QImage& card) {
    const QImage backdrop = iconBackdrop(card, layout::kViewIconAt);
    return keyedPicture(backdrop, view == 2 ? drawPreviewButton : drawPreviewUnavailable, kViewKey);
}

} // namespace vistrel::skin
