#pragma once
// JPEG encoding of the camera's pictures with libjpeg-turbo.

#include <cstdint>
#include <span>
#include <vector>

namespace vistrel::camsim {

class JpegEncoder {
public:
    static constexpr int kQuality = 80;

    JpegEncoder();
    ~JpegEncoder();
    JpegEncoder(const JpegEncoder&) = delete;
    JpegEncoder& operator=(const JpegEncoder&) = delete;

    // Encodes rows of 4-byte pixels in R, G, B, unused order, `pitch` bytes apart, with 4:2:0
    // chroma subsampling. Empty when the pixels do not cover the picture or encoding fails.
    std::vector<std::uint8_t> encodeRgbx(std::span<const std::uint8_t> pixels, int width,
                                         int height, int pitch);

private:
    void* handle_;
    std::vector<std::uint8_t> buffer_;
};

} // namespace vistrel::camsim
