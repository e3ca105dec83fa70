#pragma once
// Building blocks of the message windows: the design font, the stretched skin picture behind
// the controls, white message labels and placing a window in the middle of the desktop.

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>

namespace vistrel {

// The windows' default font: MS Sans Serif, or Liberation Sans in its place, 11 pixels high.
QFont designFont();

// A skin picture stretched over geometry, created as the lowest control of parent so that the
// labels and buttons lie above it. Stays empty when the picture is missing.
QLabel* addBackgroundPicture(QWidget* parent, const QString& objectName, const QRect& geometry,
                             const QString& skinFile);

// A label of fixed size with plain, word-wrapped text in the given colour on a transparent
// background (the picture behind it shows through).
void styleTransparentLabel(QLabel* label, const QColor& colour, Qt::Alignment alignment);

// Puts text into a label that centres it horizontally and vertically. A text taller than the
// label starts at its top edge instead, so that it is cut off at the bottom, not at both ends.
void setVerticallyCentredText(QLabel* label, const QString& text);

// Moves a top-level window to the middle of its screen.
void centreOnDesktop(QWidget* window);

} // namespace vistrel
