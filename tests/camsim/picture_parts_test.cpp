// JPEG encoding, the multipart framing the finder's snapshot client reads, and the pan/tilt
// range.

#include "camsim/http_responses.h"
#include "camsim/jpeg_encoder.h"
#include "camsim/pan_tilt.h"
#include "camsim/wireless_record.h"

#include <gtest/gtest.h>
#include <turbojpeg.h>

namespace vistrel::camsim {
namespace {

TEST(JpegEncoder, PicturesDecodeToTheirSizeAndColour) {
    constexpr int kWidth = 64, kHeight = 48, kPitch = 4 * kWidth + 16; // rows with padding
    std::vector<std::uint8_t> pixels(kPitch * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            std::uint8_t* p = &pixels[y * kPitch + 4 * x];
            p[0] = 200, p[1] = 40, p[2] = 30, p[3] = 0;
        }
    }
    JpegEncoder encoder;
    const std::vector<std::uint8_t> jpeg = encoder.encodeRgbx(pixels, kWidth, kHeight, kPitch);
    ASSERT_GT(jpeg.size(), 4u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    EXPECT_EQ(jpeg[jpeg.size() - 2], 0xFF);
    EXPECT_EQ(jpeg.back(), 0xD9);

    tjhandle decoder = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    ASSERT_EQ(tjDecompressHeader3(decoder, jpeg.data(), jpeg.size(), &width, &height, &subsampling,
                                  &colourspace),
              0);
    EXPECT_EQ(width, kWidth);
    EXPECT_EQ(height, kHeight);
    std::vector<std::uint8_t> rgb(3 * width * height);
    ASSERT_EQ(
        tjDecompress2(decoder, jpeg.data(), jpeg.size(), rgb.data(), width, 0, height, TJPF_RGB, 0),
        0);
    tjDestroy(decoder);
    EXPECT_NEAR(rgb[0], 200, 8);
    EXPECT_NEAR(rgb[1], 40, 8);
    EXPECT_NEAR(rgb[2], 30, 8);
}

TEST(JpegEncoder, RefusesPixelsThatDoNotCoverThePicture) {
    JpegEncoder encoder;
    const std::vector<std::uint8_t> pixels(4 * 16 * 16 - 1);
    EXPECT_TRUE(encoder.encodeRgbx(pixels, 16, 16, 64).empty());
    EXPECT_TRUE(encoder.encodeRgbx(pixels, 16, 8, 32).empty()); // pitch below the row
}

TEST(PicturePart, ContentLengthIsTheLastLineBeforeThePicture) {
    EXPECT_EQ(picturePartHeader(12345),
              "--vistrelpicture\r\nContent-Type: image/jpeg\r\nContent-Length: 12345\r\n\r\n");
    const std::string header = pictureStreamHeader();
    EXPECT_EQ(header.substr(0, 17), "HTTP/1.1 200 OK\r\n");
    EXPECT_NE(header.find("multipart/x-mixed-replace; boundary=vistrelpicture\r\n"),
              std::string::npos);
    EXPECT_EQ(header.substr(header.size() - 4), "\r\n\r\n");
}

TEST(PanTilt, DirectionsAndTheEndsOfTheRange) {
    const std::vector<std::tuple<std::string, int, int>> directions{
        {"up", 0, -1},      {"down", 0, 1},     {"left", -1, 0},     {"right", 1, 0},
        {"upleft", -1, -1}, {"upright", 1, -1}, {"downleft", -1, 1}, {"downright", 1, 1}};
    for (const auto& [name, pan, tilt] : directions) {
        SCOPED_TRACE(name);
        const auto step = panTiltStepOf(name);
        ASSERT_TRUE(step);
        EXPECT_EQ(step->pan, pan);
        EXPECT_EQ(step->tilt, tilt);
    }
    EXPECT_FALSE(panTiltStepOf("UP"));
    EXPECT_FALSE(panTiltStepOf(""));

    ViewPosition view;
    for (int i = 0; i < ViewPosition::kStepsFromCentre; ++i) {
        EXPECT_TRUE(view.move({1, 1}));
    }
    EXPECT_FALSE(view.move({1, 1}));
    EXPECT_TRUE(view.move({-1, 1})); // pan can still go back while tilt stays at its end
    EXPECT_EQ(view.pan(), ViewPosition::kStepsFromCentre - 1);
    EXPECT_EQ(view.tilt(), ViewPosition::kStepsFromCentre);
}

TEST(WirelessRecordChannel, ReadAsTheFinderWritesIt) {
    const std::vector<std::pair<std::uint8_t, int>> cases{{0x00, 0},  {0x06, 6},  {0x09, 9},
                                                          {0x10, 10}, {0x13, 13}, {0x14, 14},
                                                          {0x0B, 11}, {0x0D, 13}};
    for (const auto& [byte, channel] : cases) {
        SCOPED_TRACE(byte);
        EXPECT_EQ(channelOfByte(byte), channel);
    }
}

TEST(WirelessRecordSecurity, WepKeysFitTheirCipherAndFormat) {
    const std::vector<std::tuple<std::uint8_t, std::uint8_t, std::string, bool>> cases{
        {1, 0, "abcde", true},         {1, 1, "0123456789", true},
        {2, 0, "thirteen-char", true}, {2, 1, std::string(26, 'a'), true},
        {1, 0, "abcdef", false},       {2, 1, "0123456789", false},
        {0, 0, "abcde", false},        {1, 2, "abcde", false}};
    for (const auto& [cipher, format, key, accepted] : cases) {
        SCOPED_TRACE(key);
        WirelessRecordFields record;
        record.ssid = "Net";
        record.mode = 1;
        record.cipher = cipher;
        record.keyFormat = format;
        record.wepKey = key;
        EXPECT_EQ(static_cast<bool>(wirelessSettingsOf(record, {})), accepted);
    }
}

} // namespace
} // namespace vistrel::camsim
