#pragma once
// The picture buttons. The main window's buttons sit on bg.bmp without transparency, so each
// is painted over the crop of the background it covers, at that background's scale; the hover
// picture adds a highlight.

#include <QImage>

namespace vistrel::skin {

struct ButtonPictures {
    QImage hover;  // name-1.bmp, shown while the mouse is over the button
    QImage normal; // name-2.bmp
};

ButtonPictures searchButton(const QImage& mainBackground);
ButtonPictures settingsButton(const QImage& mainBackground);
ButtonPictures minimizeButton(const QImage& mainBackground);
ButtonPictures closeButton(const QImage& mainBackground);

// wps-button.bmp, 108 × 47: the face of the wizard's WPS button, on the wizard's background.
QImage wpsButton(const QImage& wizardBackground);

} // namespace vistrel::skin
