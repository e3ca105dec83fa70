#pragma once
// Previews for looking at the skin as the program shows it. They need a running
// QGuiApplication, since the cards carry text.

#include "skin_pictures.h"

#include <QImage>

namespace vistrel::skin {

// The main window on a desktop: the background cut to the window's shape, its buttons (the
// search button under the mouse) and four cards composed and blended as the camera list draws
// them: set up, new and picked (selected), new, another device.
QImage mainWindowPreview(const std::vector<NamedPicture>& pictures);

// Every card state selected and not, beside the other windows' pictures and the buttons
// magnified.
QImage contactSheet(const std::vector<NamedPicture>& pictures);

} // namespace vistrel::skin
