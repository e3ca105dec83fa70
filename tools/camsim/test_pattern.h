#pragma once
// The scene a camera looks at: a test pattern twice the picture's size in each direction, so
// that panning and tilting show another part of it. Drawn once per picture size and shared.

#include <QImage>
#include <QSize>
#include <memory>

namespace vistrel::camsim {

// The scene for pictures of the given size; drawn on first use, then kept.
std::shared_ptr<const QImage> testPatternScene(QSize pictureSize);

} // namespace vistrel::camsim
