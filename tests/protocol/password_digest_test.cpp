#include "protocol/password_digest.h"

#include <algorithm>
#include <cctype>
#include <gtest/gtest.h>
#include <vector>

namespace vistrel {
namespace {

const MacAddress kCamera{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};

TEST(PasswordDigest, MacKeysOfTheWorkedExamples) {
    EXPECT_EQ(deriveMacKey(kCamera),
              (MacKey{0x44, 0xD0, 0xB2, 0x0F, 0x9A, 0xF2, 0x68, 0xC3, 0xCB, 0x05, 0x95, 0x53}));
    // Zero bytes are replaced before the rotations.
    EXPECT_EQ(deriveMacKey(MacAddress{}),
              (MacKey{0x44, 0x81, 0xF4, 0x9B, 0x1B, 0x65, 0x2F, 0xAE, 0x21, 0x05, 0xA3, 0x99}));
}

TEST(PasswordDigest, AdjustmentChangesThreeKeyBytes) {
    MacKey expected = deriveMacKey(kCamera);
    expected[2] = static_cast<std::uint8_t>(expected[2] + 3);
    expected[8] = static_cast<std::uint8_t>(expected[8] * 3);
    expected[10] = static_cast<std::uint8_t>(expected[10] - 3);
    EXPECT_EQ(deriveMacKey(kCamera, 3), expected);
}

// Golden digest texts: MD5 over the 76-byte block of the camera's key, the password and zero
// bytes up to the end, computed independently of this code.
TEST(PasswordDigest, HashesTheFullBlockForEveryPasswordLength) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "E090F8693C0C2169F10F97A50E4E4EB5"},
        {"2580", "88D85D5449AD51038EF2A725727DD2B1"},
        {std::string(64, 'x'), "4AE47A36AD87E1FCC1114B5C9DC21E4B"},
    };
    for (const auto& [password, expected] : cases) {
        SCOPED_TRACE(password);
        EXPECT_EQ(passwordDigestText(kCamera, password), expected);
    }
}

TEST(PasswordDigest, RefusesPasswordsThatDoNotFitTheBlock) {
    EXPECT_FALSE(passwordDigest(kCamera, std::string(65, 'x')));
    EXPECT_EQ(passwordDigestText(kCamera, std::string(65, 'x')), "");
}

TEST(PasswordDigest, DigestTextIsThirtyTwoUpperCaseDigits) {
    PasswordDigest digest{};
    digest.fill(0x9A);
    digest[0] = 0x01;
    std::string expected = "01";
    for (int i = 1; i < 16; ++i) {
        expected += "9A"; // never a sign-extended form
    }
    EXPECT_EQ(digestText(digest), expected);

    const std::string text = passwordDigestText(kCamera, "2580");
    EXPECT_EQ(text.size(), 32u);
    EXPECT_TRUE(std::all_of(text.begin(), text.end(),
                            [](char c) { return std::isxdigit(c) && !std::islower(c); }));
}

TEST(PasswordDigest, TheSamePasswordDiffersBetweenCameras) {
    const MacAddress other{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5f};
    EXPECT_NE(passwordDigestText(kCamera, "2580"), passwordDigestText(other, "2580"));
}

TEST(PasswordScrambling, RoundTripsTextsOfEveryLength) {
    std::string allBytes;
    for (int b = 0; b < 256; ++b) {
        allBytes += static_cast<char>(b);
    }
    for (const std::string& text : {std::string(), std::string("abc"), std::string(12, 'q'),
                                    std::string(13, 'q'), std::string(63, '&'), allBytes}) {
        SCOPED_TRACE(text.size());
        const std::string scrambled = scramblePassword(text);
        EXPECT_EQ(scrambled.size(), 2 * text.size());
        EXPECT_EQ(scrambled.find_first_not_of("0123456789abcdef"), std::string::npos);
        EXPECT_EQ(unscramblePassword(scrambled), text);
    }
}

TEST(PasswordScrambling, DoesNotShowThePassword) {
    EXPECT_EQ(scramblePassword("abc").find("616263"), std::string::npos);
}

} // namespace
} // namespace vistrel
