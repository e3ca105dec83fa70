#pragma once
// Small painting helpers shared by every picture: blank canvases, gradients, pens, pictures
// painted over a backdrop (so antialiased edges blend into what surrounds them on screen) and
// colour-keyed pictures.
//
// Art is laid out in window pixels. A canvas of scale 2 holds twice the pixels each way and
// carries a device pixel ratio of 2, so the same painting code draws the finer picture that a
// screen at 200 % shows; sizes and places below are in window pixels at every scale.

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QString>
#include <functional>

namespace vistrel::skin {

using ArtPainter = std::function<void(QPainter&)>;

// An opaque canvas filled with one colour.
QImage blankImage(QSize size, const QColor& fill, int scale = 1);

// A fully transparent canvas with premultiplied alpha.
QImage blankAlphaImage(QSize size, int scale = 1);

// The area a picture covers, in window pixels.
QRectF pictureRect(const QImage& image);

// The part of a picture at a place in window pixels, at the picture's scale.
QImage cropped(const QImage& image, const QRect& place);

// Turns antialiasing and smooth transforms on.
void makeSmooth(QPainter& painter);

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor& topColour,
                                 const QColor& bottomColour);
QLinearGradient diagonalGradient(const QRectF& box, const QColor& from, const QColor& to);

// A pen with round caps and joins.
QPen roundPen(const QColor& colour, qreal width);

// Fills the whole device with a top-to-bottom gradient.
void fillVertical(QPainter& painter, const QRectF& box, const QColor& top, const QColor& bottom);

// The backdrop with the art painted over it.
QImage paintedOver(const QImage& backdrop, const ArtPainter& art);

// The art painted over the backdrop; every pixel the art does not touch becomes the key colour
// (0xRRGGBB). Edge pixels keep the backdrop blend, so the picture shows no fringe when it is
// copied with the key over that same backdrop. Art pixels that happen to equal the key are
// nudged by one step of blue.
QImage keyedPicture(const QImage& backdrop, const ArtPainter& art, QRgb key);

// Writes a 24-bit BMP file.
bool saveBmp(const QImage& image, const QString& path);

// Writes a PNG file with an alpha channel.
bool savePng(const QImage& image, const QString& path);

} // namespace vistrel::skin
