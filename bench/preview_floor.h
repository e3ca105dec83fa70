#pragma once
// The floor of the live preview: what any viewer of the same pictures must spend on one core,
// TurboJPEG's decode at the DCT scale that covers the box plus the same smooth stretch into
// the box, in memory, with no network, no threads and no window.

#include <QSize>
#include <cstdint>
#include <vector>

namespace vistrel::bench {

// CPU milliseconds per picture, decoding the pictures in turn for about `cpuMs` of CPU time.
double previewFloorMsPerPicture(const std::vector<std::vector<std::uint8_t>>& pictures, QSize box,
                                int cpuMs);

} // namespace vistrel::bench
