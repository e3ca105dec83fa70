#pragma once
// JPEG pictures for tests and benchmarks, encoded with libjpeg-turbo as cameras encode them
// (4:2:0 chroma subsampling).

#include <algorithm>
#include <cstdint>
#include <turbojpeg.h>
#include <vector>

namespace vistrel::test {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
};

// Rows of R, G, B bytes.
struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes;
};

inline std::vector<std::uint8_t> encodeJpeg(const RgbPicture& picture, int quality = 85) {
    tjhandle handle = tjInitCompress();
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    std::vector<std::uint8_t> encoded;
    if (tjCompress2(handle, picture.bytes.data(), picture.width, picture.width * 3, picture.height,
                    TJPF_RGB, &jpeg, &size, TJSAMP_420, quality, 0) == 0) {
        encoded.assign(jpeg, jpeg + size);
    }
    tjFree(jpeg);
    tjDestroy(handle);
    return encoded;
}

// The left half in one colour, the right half in another.
inline RgbPicture twoHalves(int width, int height, Rgb left, Rgb right) {
    RgbPicture picture{width, height, {}};
    picture.bytes.reserve(static_cast<std::size_t>(width * height * 3));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb& colour = x < width / 2 ? left : right;
            picture.bytes.insert(picture.bytes.end(), {colour.r, colour.g, colour.b});
        }
    }
    return picture;
}

// What a real camera sends: a scene of soft gradients and a few edges under sensor noise,
// which leaves the JPEG many non-zero coefficients to decode. `variant` shifts the scene and
// the noise, so that consecutive pictures differ.
inline RgbPicture noisyScene(int width, int height, unsigned variant) {
    RgbPicture picture{width, height, {}};
    picture.bytes.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    std::uint32_t noise = variant * 2654435761u + 1u;
    const auto grain = [&noise] { // about ±8 levels, most of them small (xorshift32)
        noise ^= noise << 13, noise ^= noise >> 17, noise ^= noise << 5;
        return static_cast<int>(noise & 7u) + static_cast<int>(noise >> 8 & 7u) +
               static_cast<int>(noise >> 16 & 3u) - 8;
    };
    std::uint8_t* out = picture.bytes.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int shifted = x + static_cast<int>(variant) * 3;
            const bool edge = (shifted / 97 + y / 61) % 5 == 0;
            const int base[3]{60 + 120 * x / width, 90 + 100 * y / height,
                              edge ? 200 : 70 + 40 * ((shifted / 13) % 3)};
            for (const int channel : base) {
                *out++ = static_cast<std::uint8_t>(std::clamp(channel + grain(), 0, 255));
            }
        }
    }
    return picture;
}

} // namespace vistrel::test
