#include "base/byte_layout.h"
#include "config/lan_check.h"
#include "config/panel_addresses.h"
#include "config_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

struct LanCase {
    const char* name;
    const char* ip;
    const char* netmask;
    const char* gateway;
    const char* dns;
    const char* port;
    const char* warning; // nullptr: passes
};

const LanCase kCases[] = {
    {"plain", "192.168.1.10", "255.255.255.0", "192.168.1.1", "8.8.8.8", "80", nullptr},
    {"first octet 1, others 0", "1.0.0.0", "255.0.0.0", "1.0.0.1", "1.0.0.1", "80", nullptr},
    {"first octet 0", "0.1.2.3", "255.0.0.0", "0.1.2.1", "1.1.1.1", "80", "IP_Range_Err_Message"},
    {"octet 256", "192.168.1.256", "255.255.255.0", "192.168.1.1", "1.1.1.1", "80",
     "IP_Range_Err_Message"},
    {"address incomplete", "192.168..10", "255.255.255.0", "192.168.1.1", "1.1.1.1", "80",
     "IP_Complete_Err_Message"},
    {"netmask incomplete", "192.168.1.10", "255.255.255", "192.168.1.1", "1.1.1.1", "80",
     "Netmask_Complete_Err_Message"},
    {"gateway out of range", "192.168.1.10", "255.255.255.0", "192.168.1.300", "1.1.1.1", "80",
     "Gateway_Range_Err_Message"},
    {"dns incomplete", "192.168.1.10", "255.255.255.0", "192.168.1.1", "", "80",
     "Dns_Complete_Err_Message"},
    {"dns first octet 0", "192.168.1.10", "255.255.255.0", "192.168.1.1", "0.0.0.0", "80",
     "Dns_Range_Err_Message"},
    // Text that is not a number can only be pasted; it is out of its group's range.
    {"pasted letters", "192.168.1.1O", "255.255.255.0", "192.168.1.1", "1.1.1.1", "80",
     "IP_Range_Err_Message"},
    {"pasted sign", "192.168.1.10", "255.255.255.0", "192.168.1.1", "-1.1.1.1", "80",
     "Dns_Range_Err_Message"},
    {"pasted blank", "192.168.1.10", "255.255. 255.0", "192.168.1.1", "1.1.1.1", "80",
     "Netmask_Range_Err_Message"},
    {"port 0", "192.168.1.10", "255.255.255.0", "192.168.1.1", "1.1.1.1", "0",
     "WebPort_Range_Err_Message"},
    {"port 65535", "192.168.1.10", "255.255.255.0", "192.168.1.1", "1.1.1.1", "65535", nullptr},
    {"port 65536", "192.168.1.10", "255.255.255.0", "192.168.1.1", "1.1.1.1", "65536",
     "WebPort_Range_Err_Message"},
    {"port pasted", "192.168.1.10", "255.255.255.0", "192.168.1.1", "1.1.1.1", "8o",
     "WebPort_Range_Err_Message"},
    {"port empty", "192.168.1.10", "255.255.255.0", "192.168.1.1", "1.1.1.1", "",
     "WebPort_Complete_Err_Message"},
    // The port is looked at only after all four groups passed.
    {"port empty behind a bad group", "192.168.1.10", "255.255.255.0", "192.168.1.1", "0.1.1.1", "",
     "Dns_Range_Err_Message"},
    {"netmask all ones", "10.0.0.5", "255.255.255.255", "10.0.0.5", "1.1.1.1", "80", nullptr},
    {"all ones, other gateway", "10.0.0.5", "255.255.255.255", "10.0.0.1", "1.1.1.1", "80",
     "Netmask_Range_Err_Message"},
    {"netmask with a hole", "10.0.0.5", "255.0.255.0", "10.0.0.1", "1.1.1.1", "80",
     "Netmask_Range_Err_Message"},
    {"netmask /23", "10.0.0.5", "255.255.254.0", "10.0.1.1", "1.1.1.1", "80", nullptr},
    {"netmask ending in 1", "10.0.0.5", "255.255.255.1", "10.0.0.5", "1.1.1.1", "80",
     "Netmask_Range_Err_Message"},
    {"netmask of zeros", "10.0.0.5", "0.0.0.0", "99.9.9.9", "1.1.1.1", "80",
     "Netmask_Range_Err_Message"}, // the netmask's first octet is out of range
    {"gateway in another subnet", "192.168.1.10", "255.255.255.0", "192.168.2.1", "1.1.1.1", "80",
     "Netmask_Range_Err_Message"},
    {"dns in another subnet", "192.168.1.10", "255.255.255.0", "192.168.1.1", "10.9.9.9", "80",
     nullptr},
};

std::string lanWarning(CameraConfiguration& config) {
    const CheckResult result = Check_Lan_Settings(config);
    return result.passed() ? "passes" : result.warning->text;
}

TEST(LanCheck, RefusesWithTheWarningOfTheFirstFault) {
    for (const LanCase& c : kCases) {
        SCOPED_TRACE(c.name);
        CameraConfiguration config;
        test::setOctets(config.panel, AddressGroup::Ip, c.ip);
        test::setOctets(config.panel, AddressGroup::Netmask, c.netmask);
        test::setOctets(config.panel, AddressGroup::Gateway, c.gateway);
        test::setOctets(config.panel, AddressGroup::Dns, c.dns);
        config.panel.MEMO_SETTING_WebPort_EDIT.text = c.port;
        EXPECT_EQ(lanWarning(config), c.warning ? c.warning : "passes");
    }
}

// A camera whose panel holds a valid fixed address.
struct FixedAddress : ::testing::Test {
    CameraConfiguration config;

    FixedAddress() {
        test::setOctets(config.panel, AddressGroup::Ip, "192.168.2.3");
        test::setOctets(config.panel, AddressGroup::Netmask, "255.255.255.0");
        test::setOctets(config.panel, AddressGroup::Gateway, "192.168.2.1");
        test::setOctets(config.panel, AddressGroup::Dns, "192.168.2.254");
        config.panel.MEMO_SETTING_WebPort_EDIT.text = "8080";
    }

    template <std::size_t N>
    static std::vector<std::uint8_t> bytesAt(const std::array<std::uint8_t, N>& record,
                                             std::size_t offset, std::size_t size) {
        return {record.begin() + offset, record.begin() + offset + size};
    }
};

TEST_F(FixedAddress, GoesIntoBothRecordsWithDhcpOff) {
    config.shortRecord[kShortRecordLayout.dhcpFlag] = 1;
    config.longRecord[kLongRecordLayout.dhcpFlag] = 1;
    ASSERT_TRUE(Check_Lan_Settings(config).passed());
    const std::vector<std::uint8_t> expected{192, 168, 2,   3,   255, 255, 255, 0, 192,  168,
                                             2,   1,   192, 168, 2,   254, 0,   0, 0x1F, 0x90};
    EXPECT_EQ(bytesAt(config.shortRecord, 42, 20), expected); // 58..59 lie between DNS and port
    EXPECT_EQ(bytesAt(config.longRecord, 74, 20), expected);
    EXPECT_EQ(config.shortRecord[kShortRecordLayout.dhcpFlag], 0);
    EXPECT_EQ(config.longRecord[kLongRecordLayout.dhcpFlag], 0);
}

TEST_F(FixedAddress, ARefusalWritesNothing) {
    config.panel.MEMO_SETTING_WebPort_EDIT.text = "0";
    EXPECT_FALSE(Check_Lan_Settings(config).passed());
    EXPECT_TRUE(std::all_of(config.shortRecord.begin(), config.shortRecord.end(),
                            [](auto b) { return b == 0; }));
}

TEST_F(FixedAddress, DhcpChosenInTheWizardWritesOnlyTheFlags) {
    config.addressChoice.RadioButton_T2_DHCPClick();
    test::setOctets(config.panel, AddressGroup::Ip, "999.x..");
    config.panel.MEMO_SETTING_WebPort_EDIT.text.clear();
    ASSERT_TRUE(Check_Lan_Settings(config).passed());
    EXPECT_EQ(config.shortRecord[kShortRecordLayout.dhcpFlag], 1);
    EXPECT_EQ(config.longRecord[kLongRecordLayout.dhcpFlag], 1);
    EXPECT_EQ(bytesAt(config.shortRecord, 42, 4), std::vector<std::uint8_t>(4, 0));
}

TEST_F(FixedAddress, ThePanelsOwnDhcpRadioIsNotWhatCounts) {
    config.addressChoice.checkPanelRadio(AddressMode::Dhcp); // the wizard's pairs stay static
    config.panel.MEMO_SETTING_WebPort_EDIT.text = "0";
    EXPECT_EQ(lanWarning(config), "WebPort_Range_Err_Message");
}

TEST_F(FixedAddress, AnAddressOfFiveNumbersIsOutOfRange) {
    typeDottedAddress(config.panel, AddressGroup::Ip, "192.168.2.3.4");
    EXPECT_EQ(lanWarning(config), "IP_Range_Err_Message");
}

// The port of a camera that stays on DHCP: the LAN check's rule, without the addresses.
TEST_F(FixedAddress, TheWebPortAloneFollowsTheLanChecksRule) {
    const struct {
        const char* port;
        const char* warning;
    } cases[] = {{"8080", nullptr},
                 {"1", nullptr},
                 {"65535", nullptr},
                 {"0", "WebPort_Range_Err_Message"},
                 {"65536", "WebPort_Range_Err_Message"},
                 {"8o", "WebPort_Range_Err_Message"},
                 {"", "WebPort_Complete_Err_Message"}};
    config.addressChoice.RadioButton_T2_DHCPClick();
    test::setOctets(config.panel, AddressGroup::Ip, "999.x..");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.port);
        config.panel.MEMO_SETTING_WebPort_EDIT.text = c.port;
        const CheckResult result = Check_Web_Port(config);
        EXPECT_EQ(result.passed() ? "passes" : result.warning->text,
                  c.warning ? c.warning : "passes");
    }
}

TEST_F(FixedAddress, AWebPortCheckedAloneStaysThroughTheDhcpLanCheck) {
    config.addressChoice.RadioButton_T2_DHCPClick();
    config.panel.MEMO_SETTING_WebPort_EDIT.text = "0";
    EXPECT_FALSE(Check_Web_Port(config).passed());
    EXPECT_EQ(bytesAt(config.shortRecord, 60, 2), (std::vector<std::uint8_t>{0, 0}));

    config.panel.MEMO_SETTING_WebPort_EDIT.text = "8081";
    ASSERT_TRUE(Check_Web_Port(config).passed());
    ASSERT_TRUE(Check_Lan_Settings(config).passed());
    EXPECT_EQ(bytesAt(config.shortRecord, 60, 2), (std::vector<std::uint8_t>{0x1F, 0x91}));
    EXPECT_EQ(bytesAt(config.longRecord, 92, 2), (std::vector<std::uint8_t>{0x1F, 0x91}));
    EXPECT_EQ(config.shortRecord[kShortRecordLayout.dhcpFlag], 1);
    EXPECT_EQ(config.longRecord[kLongRecordLayout.dhcpFlag], 1);
}

TEST(NetmaskShape, AcceptsLeadingOnesOnly) {
    EXPECT_TRUE(isNetmaskShape({255, 255, 255, 255}));
    EXPECT_TRUE(isNetmaskShape({255, 255, 255, 254}));
    EXPECT_TRUE(isNetmaskShape({255, 128, 0, 0}));
    EXPECT_TRUE(isNetmaskShape({0, 0, 0, 0}));
    EXPECT_FALSE(isNetmaskShape({255, 255, 255, 253}));
    EXPECT_FALSE(isNetmaskShape({255, 0, 0, 1}));
    EXPECT_FALSE(isNetmaskShape({254, 255, 0, 0}));
}

} // namespace
} // namespace vistrel
