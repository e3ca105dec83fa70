#include "base/byte_layout.h"
#include "protocol/admin_datagram.h"
#include "setup/site_survey.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vistrel {
namespace {

struct Network {
    std::string ssid;
    std::uint8_t channel;
    std::uint8_t security;
    std::uint8_t signal;
};

// A survey answer as a camera sends it: the header, then one 55-byte entry per network.
std::vector<std::uint8_t> surveyAnswer(const std::vector<Network>& networks) {
    std::vector<std::uint8_t> datagram(kHeaderSize + networks.size() * kSiteSurveyEntrySize);
    writeHeader(datagram, MacAddress{0x02, 0, 0, 0, 0, 1}, AdminCommand::SiteSurvey);
    datagram[6] = 1; // a reply
    datagram[7] = 0x0A;
    for (std::size_t i = 0; i < networks.size(); ++i) {
        const std::size_t entry = kHeaderSize + i * kSiteSurveyEntrySize;
        writeText(datagram, entry + kSurveySsid, kSurveySsidSize, networks[i].ssid);
        datagram[entry + kSurveyChannel] = networks[i].channel;
        datagram[entry + kSurveySecurity] = networks[i].security;
        datagram[entry + kSurveySignal] = networks[i].signal;
    }
    return datagram;
}

std::vector<SurveyRow> rowsOf(const std::vector<std::uint8_t>& datagram,
                              const std::vector<std::string>& listed = {}, bool extended = true) {
    return surveyRowsToAdd(listed, decodeSiteSurveyReply(datagram), extended);
}

TEST(SecurityName, ExtendedAndBasicListsNameTheCodesTheyKnow) {
    struct Case {
        std::uint8_t code;
        const char* extended;
        const char* basic;
    };
    const Case cases[] = {
        {0, "Disabled", "Disabled"},
        {1, "WEP", "WEP"},
        {2, "WEP", "2"},
        {3, "WPAPSK(TKIP)", "WPAPSK(TKIP)"},
        {4, "WPAPSK(AES)", "WPA2PSK(AES)"},
        {5, "WPA2PSK(TKIP)", "5"},
        {6, "WPA2PSK(AES)", "WPA2PSK(AES)"},
        {7, "WPANone(TKIP)", "7"},
        {8, "WPANone(AES)", "8"},
        {9, "9", "9"},
        {0x1F, "1F", "1F"},
        {0xFF, "FF", "FF"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        EXPECT_EQ(securityName(c.code, true), c.extended);
        EXPECT_EQ(securityName(c.code, false), c.basic);
    }
}

TEST(SurveyRows, OneRowPerSsidInTheAnswersOrderTheFirstKept) {
    const auto rows = rowsOf(surveyAnswer({{"Home", 6, 6, 82},
                                           {"Cafe", 11, 0, 23},
                                           {"Home", 1, 3, 99},
                                           {"Listed", 3, 1, 50},
                                           {"home", 2, 1, 10}}),
                             {"Listed"});
    const std::vector<SurveyRow> expected{{"Home", "82", "WPA2PSK(AES)", "6"},
                                          {"Cafe", "23", "Disabled", "11"},
                                          {"home", "10", "WEP", "2"}};
    EXPECT_EQ(rows, expected);
}

TEST(SurveyRows, TheBasicListNamesTheSameCodeDifferently) {
    const auto rows = rowsOf(surveyAnswer({{"Office", 11, 4, 90}}), {}, false);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].encryption, "WPA2PSK(AES)");
}

// A truncated answer lists its complete entries only and never reads past its end; an SSID of
// all 33 bytes without a terminator stays within its field.
TEST(SurveyRows, ATruncatedAnswerListsItsCompleteEntriesOnly) {
    auto datagram = surveyAnswer({{"First", 1, 0, 10}, {"Cut off", 2, 0, 20}});
    datagram.resize(datagram.size() - 1);
    const auto rows = rowsOf(datagram);
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0].ssid, "First");

    EXPECT_TRUE(rowsOf(surveyAnswer({})).empty());
    auto headerOnly = surveyAnswer({});
    headerOnly.resize(4);
    EXPECT_TRUE(rowsOf(headerOnly).empty());

    const std::string unterminated(kSurveySsidSize, 'S');
    const auto longRows = rowsOf(surveyAnswer({{unterminated, 1, 0, 10}}));
    ASSERT_EQ(longRows.size(), 1U);
    EXPECT_EQ(longRows[0].ssid, unterminated);
    EXPECT_EQ(longRows[0].signal, "10");
}

} // namespace
} // namespace vistrel
