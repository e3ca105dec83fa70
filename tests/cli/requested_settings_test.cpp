#include "camera_reading_fixture.h"
#include "cli/requested_settings.h"
#include "config/panel_addresses.h"

#include <string>
#include <vector>

namespace vistrel {
namespace {

using Texts = std::vector<std::string>;

// An XML camera as it reports itself after the change.
struct CameBack : test::CameraReadingFixture {
    void reportsItself(const char* dhcp, const char* ip, const char* name, const char* password) {
        answer(test::kXmlModel);
        receiveDocument(std::string("<DHCP>") + dhcp + "</DHCP><ip>" + ip +
                            "</ip><netmask>255.255.255.0</netmask><gateway>192.168.2.1"
                            "</gateway><dns1>192.168.2.1</dns1><webPort>8081</webPort>"
                            "<cameraName>" +
                            name + "</cameraName><userPassword>" + password + "</userPassword>",
                        "");
        ASSERT_TRUE(reading.settingsArrived());
    }
};

RequestedSettings fixedAddress() {
    RequestedSettings asked;
    asked.ip = "192.168.2.40";
    asked.netmask = "255.255.255.0";
    asked.gateway = "192.168.2.1";
    asked.dns = "192.168.2.1";
    asked.webPort = 8081;
    asked.name = "Porch";
    return asked;
}

TEST_F(CameBack, AsAskedShowsNoDifference) {
    reportsItself("0", "192.168.2.40", "Porch", "pine");
    EXPECT_EQ(differencesFrom(fixedAddress(), reading.config, "pine"), Texts{});
}

TEST_F(CameBack, EveryValueThatDiffersIsNamedWithWhatWasAsked) {
    reportsItself("1", "192.168.2.3", "Gate", "pine");
    EXPECT_EQ(differencesFrom(fixedAddress(), reading.config, "fir-cone"),
              (Texts{"DHCP on (asked off)", "IP 192.168.2.3 (asked 192.168.2.40)",
                     "name Gate (asked Porch)", "the password is not the one asked for"}));
}

TEST_F(CameBack, OnDhcpItsAddressIsItsOwn) {
    reportsItself("1", "192.168.2.77", "Porch", "pine");
    RequestedSettings asked = fixedAddress();
    asked.dhcp = true;
    asked.ip.clear();
    EXPECT_EQ(differencesFrom(asked, reading.config, "pine"), Texts{});
}

TEST(RequestedSettingsOf, ReadsThePanelAsTheChecksPassedIt) {
    CameraConfiguration config;
    config.addressChoice.RadioButton_T2_IPClick();
    typeDottedAddress(config.panel, AddressGroup::Ip, "192.168.002.040");
    typeDottedAddress(config.panel, AddressGroup::Netmask, "255.255.255.0");
    typeDottedAddress(config.panel, AddressGroup::Gateway, "192.168.2.1");
    typeDottedAddress(config.panel, AddressGroup::Dns, "8.8.8.8");
    config.panel.MEMO_SETTING_WebPort_EDIT.text = "8081";
    config.panel.STATIC_SETTING_CAMERANAME_EDIT.text = "Porch";
    const RequestedSettings fixed = requestedSettingsOf(config);
    EXPECT_FALSE(fixed.dhcp);
    EXPECT_EQ(fixed.ip, "192.168.2.40");
    EXPECT_EQ(fixed.dns, "8.8.8.8");
    EXPECT_EQ(fixed.webPort, 8081);
    EXPECT_EQ(fixed.name, "Porch");

    config.addressChoice.RadioButton_T2_DHCPClick();
    const RequestedSettings dhcp = requestedSettingsOf(config);
    EXPECT_TRUE(dhcp.dhcp);
    EXPECT_EQ(dhcp.ip, "");
}

} // namespace
} // namespace vistrel
