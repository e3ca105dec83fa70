#include "camhttp/jpeg_decoder.h"

#include <bit>
#include <turbojpeg.h>

namespace vistrel {

namespace {

// 0xFFRRGGBB words: bytes B, G, R, 0xFF on a little-endian machine. The A formats fill the
// fourth byte with 0xFF, which QImage::Format_RGB32 requires.
constexpr int kNativeRgb32Format =
    std::endian::native == std::endian::little ? TJPF_BGRA : TJPF_ARGB;

} // namespace

int scaledLength(int length, DctScale scale) {
    return (length * scale.numerator + scale.denominator - 1) / scale.denominator;
}

DctScale coveringScale(int width, int height, int boxWidth, int boxHeight) {
    for (const DctScale scale : kFastDctScales) {
        if (scaledLength(width, scale) >= boxWidth && scaledLength(height, scale) >= boxHeight) {
            return scale;
        }
    }
    return {1, 1};
}

bool hasJpegMarkers(Bytes picture) {
    const std::size_t size = picture.size();
    return size >= 4 && picture[0] == 0xFF && picture[1] == 0xD8 && picture[size - 2] == 0xFF &&
           picture[size - 1] == 0xD9;
}

JpegDecoder::JpegDecoder(int boxWidth, int boxHeight)
    : handle_(tjInitDecompress()), boxWidth_(boxWidth), boxHeight_(boxHeight) {}

JpegDecoder::~JpegDecoder() {
    if (handle_) {
        tjDestroy(handle_);
    }
}

bool JpegDecoder::decode(Bytes jpeg, DecodedPicture& out) {
    if (!handle_ || !hasJpegMarkers(jpeg)) {
        return false;
    }
    if (decodeWithHandle(jpeg, out)) {
        return true;
    }
    // A decoder that gave up on a picture may refuse the next good one: start afresh.
    tjDestroy(handle_);
    handle_ = tjInitDecompress();
    return false;
}

bool JpegDecoder::decodeWithHandle(Bytes jpeg, DecodedPicture& out) {
    int width = 0;
    int height = 0;
    int subsampling = 0;
    int colourspace = 0;
    if (tjDecompressHeader3(handle_, jpeg.data(), jpeg.size(), &width, &height, &subsampling,
                            &colourspace) != 0 ||
        width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
        return false;
    }
    const DctScale scale = coveringScale(width, height, boxWidth_, boxHeight_);
    out.width = scaledLength(width, scale);
    out.height = scaledLength(height, scale);
    out.pixels.resize(static_cast<std::size_t>(out.bytesPerLine()) *
                      static_cast<std::size_t>(out.height));
    // Asked for exactly the scaled size, the decoder picks exactly this scale: any larger one
    // would not fit.
    if (tjDecompress2(handle_, jpeg.data(), jpeg.size(), out.pixels.data(), out.width,
                      out.bytesPerLine(), out.height, kNativeRgb32Format, 0) != 0) {
        return tjGetErrorCode(handle_) == TJERR_WARNING;
    }
    return true;
}

} // namespace vistrel
