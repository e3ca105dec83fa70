#pragma once
// Decoding of the preview's JPEG pictures with libjpeg-turbo. A picture is decoded at the
// smallest DCT scale that still covers the preview box, so a 1920 × 1080 picture for a
// 320 × 240 box costs a quarter-size decode, not a full one and a shrink.

#include "base/bytes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vistrel {

// The decoder's scale of a picture side: numerator / denominator.
struct DctScale {
    int numerator = 1;
    int denominator = 1;
    friend bool operator==(const DctScale&, const DctScale&) = default;
};

// The scales with a fast path in the decoder, smallest first.
inline constexpr DctScale kFastDctScales[]{{1, 8}, {1, 4}, {1, 2}, {1, 1}};

// A side's length at a scale, rounded up as the decoder does.
int scaledLength(int length, DctScale scale);

// The smallest fast scale at which the picture still covers the box; 1/1 when even its full
// size does not.
DctScale coveringScale(int width, int height, int boxWidth, int boxHeight);

// The check before a picture is decoded: it starts with the JPEG start marker 0xFF 0xD8 and
// ends with the end marker 0xFF 0xD9.
bool hasJpegMarkers(Bytes picture);

// A decoded picture: one 32-bit word 0xFFRRGGBB per pixel in the machine's byte order (what
// Qt's QImage::Format_RGB32 holds), rows packed.
struct DecodedPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    int bytesPerLine() const { return width * 4; }
};

class JpegDecoder {
public:
    // Pictures that claim a larger side are refused: no camera sends them, and a forged header
    // must not make the decoder allocate gigabytes.
    static constexpr int kMaxSide = 8192;

    JpegDecoder(int boxWidth, int boxHeight);
    ~JpegDecoder();
    JpegDecoder(const JpegDecoder&) = delete;
    JpegDecoder& operator=(const JpegDecoder&) = delete;

    // Decodes the picture at its covering scale into `out`, reusing out's pixel buffer. False,
    // with `out` unusable, for a picture without the JPEG markers, with an unreadable or
    // oversized header, or one the decoder gives up on. Damage the decoder works around (a
    // scan cut short) still gives a picture.
    bool decode(Bytes jpeg, DecodedPicture& out);

private:
    bool decodeWithHandle(Bytes jpeg, DecodedPicture& out);

    void* handle_;
    int boxWidth_;
    int boxHeight_;
};

} // namespace vistrel
