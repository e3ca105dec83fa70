#include "camhttp/jpeg_decoder.h"
#include "support/jpeg_fixtures.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace vistrel {
namespace {

constexpr test::Rgb kRed{220, 30, 30};
constexpr test::Rgb kBlue{30, 30, 220};

// The pixel's word 0xAARRGGBB.
std::uint32_t pixelAt(const DecodedPicture& picture, int x, int y) {
    std::uint32_t word = 0;
    std::memcpy(&word, picture.pixels.data() + y * picture.bytesPerLine() + x * 4, 4);
    return word;
}

bool near(std::uint32_t word, test::Rgb colour) {
    const auto close = [](std::uint32_t channel, std::uint8_t wanted) {
        return std::abs(static_cast<int>(channel & 0xff) - wanted) <= 12;
    };
    return word >> 24 == 0xff && close(word >> 16, colour.r) && close(word >> 8, colour.g) &&
           close(word, colour.b);
}

// The marker at `marker` (0xC0: the frame header) in an encoded picture; its offset or npos.
std::size_t findMarker(const std::vector<std::uint8_t>& jpeg, std::uint8_t marker) {
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) {
            return i;
        }
    }
    return std::string::npos;
}

TEST(JpegDecoder, CoveringScaleIsTheSmallestFastScaleThatFillsTheBox) {
    struct Case {
        int width;
        int height;
        DctScale scale;
    };
    const Case cases[]{
        {640, 480, {1, 2}},   {1280, 720, {1, 2}},  {1920, 1080, {1, 4}},
        {2560, 1920, {1, 8}}, {2560, 1440, {1, 4}}, {320, 240, {1, 1}},
        {160, 120, {1, 1}},   {639, 480, {1, 2}},  // 319.5 rounds up to 320
        {638, 480, {1, 1}},   {1000, 750, {1, 2}}, // not 3/8 (375 × 282): no fast path
        {1280, 400, {1, 1}},  {5000, 240, {1, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        EXPECT_EQ(coveringScale(c.width, c.height, 320, 240), c.scale);
    }
}

TEST(JpegDecoder, DecodesAtTheCoveringScaleWithPixelsQtTakesAsTheyAre) {
    struct Case {
        int width;
        int height;
        int decodedWidth;
        int decodedHeight;
    };
    const Case cases[]{
        {640, 480, 320, 240}, {1280, 720, 640, 360}, {1920, 1080, 480, 270}, {200, 100, 200, 100}};
    JpegDecoder decoder(320, 240);
    DecodedPicture decoded;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const auto jpeg = test::encodeJpeg(test::twoHalves(c.width, c.height, kRed, kBlue));
        ASSERT_TRUE(decoder.decode(jpeg, decoded));
        EXPECT_EQ(decoded.width, c.decodedWidth);
        EXPECT_EQ(decoded.height, c.decodedHeight);
        ASSERT_EQ(decoded.pixels.size(), std::size_t(c.decodedWidth * c.decodedHeight * 4));
        EXPECT_TRUE(near(pixelAt(decoded, 2, 2), kRed));
        EXPECT_TRUE(near(pixelAt(decoded, c.decodedWidth / 4, c.decodedHeight - 1), kRed));
        EXPECT_TRUE(near(pixelAt(decoded, c.decodedWidth - 3, 2), kBlue));
    }
}

TEST(JpegDecoder, ReusesItsBufferForPicturesOfOneSize) {
    JpegDecoder decoder(320, 240);
    DecodedPicture decoded;
    const auto first = test::encodeJpeg(test::twoHalves(1280, 720, kRed, kBlue));
    const auto second = test::encodeJpeg(test::twoHalves(1280, 720, kBlue, kRed));
    ASSERT_TRUE(decoder.decode(first, decoded));
    const std::uint8_t* buffer = decoded.pixels.data();
    ASSERT_TRUE(decoder.decode(second, decoded));
    EXPECT_EQ(decoded.pixels.data(), buffer);
    EXPECT_TRUE(near(pixelAt(decoded, 2, 2), kBlue));
}

TEST(JpegDecoder, PicturesWithoutBothMarkersAreRefused) {
    const auto jpeg = test::encodeJpeg(test::twoHalves(64, 48, kRed, kBlue));
    ASSERT_TRUE(hasJpegMarkers(jpeg));
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases{
        {"empty", {}},
        {"three bytes", {0xFF, 0xD8, 0xD9}},
        {"ends with the start marker", {0xFF, 0xD8, 0x00, 0xFF, 0xD8}},
        {"no start marker", std::vector<std::uint8_t>(jpeg.begin() + 2, jpeg.end())},
        {"no end marker", std::vector<std::uint8_t>(jpeg.begin(), jpeg.end() - 2)},
        {"a line end after the end marker", jpeg},
    };
    cases.back().bytes.insert(cases.back().bytes.end(), {'\r', '\n'});
    JpegDecoder decoder(320, 240);
    DecodedPicture decoded;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(hasJpegMarkers(c.bytes));
        EXPECT_FALSE(decoder.decode(c.bytes, decoded));
    }
    EXPECT_TRUE(hasJpegMarkers(std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xD9}));
}

TEST(JpegDecoder, UndecodablePicturesAreRefusedAndTheDecoderGoesOn) {
    const auto good = test::encodeJpeg(test::twoHalves(640, 480, kRed, kBlue));
    const std::size_t frame = findMarker(good, 0xC0);
    ASSERT_NE(frame, std::string::npos);

    std::vector<std::uint8_t> garbage(600, 0x5A);
    garbage[0] = 0xFF, garbage[1] = 0xD8, garbage[598] = 0xFF, garbage[599] = 0xD9;
    std::vector<std::uint8_t> noFrameHeader = good;
    noFrameHeader[frame + 1] = 0xFE;       // the frame header becomes a comment
    std::vector<std::uint8_t> huge = good; // claims 60000 × 60000
    huge[frame + 5] = huge[frame + 7] = 0xEA;
    huge[frame + 6] = huge[frame + 8] = 0x60;
    std::vector<std::uint8_t> zeroWidth = good;
    zeroWidth[frame + 7] = zeroWidth[frame + 8] = 0;
    struct Case {
        const char* name;
        const std::vector<std::uint8_t>& bytes;
    };
    const Case cases[]{{"garbage between the markers", garbage},
                       {"no frame header", noFrameHeader},
                       {"a side past the limit", huge},
                       {"zero width", zeroWidth}};
    JpegDecoder decoder(320, 240);
    DecodedPicture decoded;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(decoder.decode(c.bytes, decoded));
        ASSERT_TRUE(decoder.decode(good, decoded)); // the next good picture decodes
        EXPECT_TRUE(near(pixelAt(decoded, 2, 2), kRed));
    }
}

TEST(JpegDecoder, ScanCutShortStillGivesAPicture) {
    // Cameras that lose the end of a scan send what they have and the end marker; the decoder
    // fills the rest, and the picture is shown rather than dropped.
    const auto good = test::encodeJpeg(test::noisyScene(640, 480, 1));
    std::vector<std::uint8_t> cut(good.begin(), good.begin() + good.size() * 2 / 3);
    cut.insert(cut.end(), {0xFF, 0xD9});
    JpegDecoder decoder(320, 240);
    DecodedPicture decoded;
    ASSERT_TRUE(decoder.decode(cut, decoded));
    EXPECT_EQ(decoded.width, 320);
    EXPECT_EQ(decoded.height, 240);
}

} // namespace
} // namespace vistrel
