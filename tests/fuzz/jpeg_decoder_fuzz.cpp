// Feeds arbitrary bytes to the preview's JPEG decoder twice in a row with one buffer, aborting
// when a decoded picture's size disagrees with its buffer or breaks the size limit.

#include "camhttp/jpeg_decoder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static vistrel::JpegDecoder decoder(320, 240);
    vistrel::DecodedPicture picture;
    for (int round = 0; round < 2; ++round) {
        if (decoder.decode(vistrel::Bytes(data, size), picture)) {
            check(picture.width > 0 && picture.height > 0);
            check(picture.width <= vistrel::JpegDecoder::kMaxSide &&
                  picture.height <= vistrel::JpegDecoder::kMaxSide);
            check(picture.pixels.size() ==
                  static_cast<std::size_t>(picture.bytesPerLine()) * picture.height);
        }
    }
    return 0;
}
