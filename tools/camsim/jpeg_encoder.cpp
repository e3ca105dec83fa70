#include "camsim/jpeg_encoder.h"

#include <turbojpeg.h>

namespace vistrel::camsim {

JpegEncoder::JpegEncoder() : handle_(tjInitCompress()) {}

JpegEncoder::~JpegEncoder() {
    if (handle_ != nullptr) {
        tjDestroy(handle_);
    }
}

std::vector<std::uint8_t> JpegEncoder::encodeRgbx(std::span<const std::uint8_t> pixels, int width,
                                                  int height, int pitch) {
    const bool covered = width > 0 && height > 0 && pitch >= 4 * width &&
                         pixels.size() >= static_cast<std::size_t>(pitch) * (height - 1) +
                                              4 * static_cast<std::size_t>(width);
    if (handle_ == nullptr || !covered) {
        return {};
    }
    // A buffer of the worst-case size, kept from picture to picture, lets the encoder work
    // without allocating.
    buffer_.resize(tjBufSize(width, height, TJSAMP_420));
    unsigned char* out = buffer_.data();
    unsigned long size = buffer_.size();
    if (tjCompress2(handle_, pixels.data(), width, pitch, height, TJPF_RGBX, &out, &size,
                    TJSAMP_420, kQuality, TJFLAG_NOREALLOC | TJFLAG_FASTDCT) != 0) {
        return {};
    }
    return std::vector<std::uint8_t>(buffer_.begin(), buffer_.begin() + static_cast<long>(size));
}

} // namespace vistrel::camsim
