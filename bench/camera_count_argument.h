#pragma once
// The number of cameras a burst benchmark simulates: its first argument, 1 to 65,536 (each
// camera gets a MAC of its own from two bytes), or the default without one.

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace vistrel::bench {

inline constexpr int kDefaultCameraCount = 1000;
inline constexpr int kMaxCameraCount = 65536;

// The count, or nothing after a message on standard error when the argument is not one.
inline std::optional<int> cameraCountArgument(int argc, char* argv[]) {
    if (argc < 2) {
        return kDefaultCameraCount;
    }
    char* end = nullptr;
    const long count = std::strtol(argv[1], &end, 10);
    if (argc > 2 || end == argv[1] || *end != '\0' || count < 1 || count > kMaxCameraCount) {
        std::fprintf(stderr, "usage: %s [CAMERAS]   (1 to %d, default %d)\n", argv[0],
                     kMaxCameraCount, kDefaultCameraCount);
        return std::nullopt;
    }
    return static_cast<int>(count);
}

} // namespace vistrel::bench
