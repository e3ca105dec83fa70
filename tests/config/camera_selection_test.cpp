#include "config/camera_selection.h"
#include "config_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel {
namespace {

using Datagram = std::vector<std::uint8_t>;

struct Selection : ::testing::Test {
    CameraConfiguration config;
    CameraList list;
    TDeviceItem discoveryRecord; // the record discovery tracks addresses in
    CameraDiscovery discovery{list, discoveryRecord};
    test::RecordingSender sender;

    int addRow(const std::string& mac, const std::string& ip, const std::string& model) {
        list.addAndOrder({{mac, ip, "cam " + mac, model, "5"}});
        for (int i = 0; i < list.rowCount(); ++i) {
            if (list.row(i).caption() == mac) {
                return i;
            }
        }
        return -1;
    }

    SelectionOutcome click(int row) {
        list.select(row);
        return selectCamera(config, list, discovery, sender);
    }
};

Datagram query(const MacAddress& mac, std::uint16_t command) {
    Datagram datagram(mac.begin(), mac.end());
    datagram.insert(datagram.end(),
                    {static_cast<std::uint8_t>(command >> 8), static_cast<std::uint8_t>(command),
                     0xFF, static_cast<std::uint8_t>(~command & 0xFF)});
    return datagram;
}

TEST_F(Selection, AsksTheSelectedCameraForItsSettingsWirelessRecordAndDhcpState) {
    const int row = addRow("00:1a:2b:3c:4d:5e", "192.168.  2.  3", "VN-2000EP");
    EXPECT_EQ(click(row), SelectionOutcome::QueriesSent);
    const MacAddress mac{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    EXPECT_EQ(sender.sent,
              (std::vector<Datagram>{query(mac, 0x0002), query(mac, 0x0009), query(mac, 0x0026)}));

    // A second camera: the queries follow the selection, and so does every template.
    const int other = addRow("02:00:00:ab:cd:ef", " 10.  0.  0.  7", "VC-120");
    sender.sent.clear();
    click(other);
    const MacAddress otherMac{0x02, 0x00, 0x00, 0xab, 0xcd, 0xef};
    EXPECT_EQ(sender.sent, (std::vector<Datagram>{query(otherMac, 0x0002), query(otherMac, 0x0009),
                                                  query(otherMac, 0x0026)}));
    EXPECT_EQ(Datagram(config.templates.LinkTestRequest.begin(),
                       config.templates.LinkTestRequest.begin() + 6),
              Datagram(otherMac.begin(), otherMac.end()));
    EXPECT_EQ(config.templates.DiscoveryRequest[0], 0xFF); // discovery stays a broadcast
}

TEST_F(Selection, FillsTheCameraRecordFromTheRow) {
    config.camera.xmlMode = true; // the previous camera's, kept until this one's reply
    config.camera.cameraName = "previous";
    click(addRow("02:00:00:ab:cd:ef", "192.168.  2.  3", "VN-2000EP"));
    const TDeviceItem& camera = config.camera;
    EXPECT_EQ(camera.macText, "02:00:00:ab:cd:ef");
    EXPECT_EQ(camera.macTextWithoutSeparators, "020000abcdef");
    EXPECT_EQ(camera.ipText, "192.168.  2.  3");
    EXPECT_EQ(camera.browserIpText, "192.168.  2.  3");
    EXPECT_EQ(camera.ipTextNoBlanks, "192.168.2.3");
    EXPECT_EQ(camera.modelName, "VN-2000EP");
    EXPECT_EQ(camera.modelCode, 22);
    EXPECT_TRUE(camera.xmlMode);
    EXPECT_EQ(camera.cameraName, "previous");
    EXPECT_EQ(discovery.cameraAddress(), "192.168.  2.  3");
}

TEST_F(Selection, ModelsMissingFromTheTablesGetCodeZero) {
    click(addRow("02:00:00:ab:cd:ef", "10.  0.  0.  1", "Not a model"));
    EXPECT_EQ(config.camera.modelCode, 0);
}

TEST_F(Selection, DisablesTheWirelessControlsAndShowsTheListButtons) {
    config.panel.setWirelessControlsEnabled(true);
    click(addRow("02:00:00:ab:cd:ef", "10.  0.  0.  1", "VC-120"));
    EXPECT_FALSE(config.panel.MEMO_SETTING_SSID_EDIT.enabled);
    EXPECT_FALSE(config.panel.ComboBox_SS.enabled);
    EXPECT_TRUE(config.panel.Image_Browser.visible);
    EXPECT_TRUE(config.panel.Image_Config.visible);
}

TEST_F(Selection, NoRowHidesTheListButtonsAndSendsNothing) {
    click(addRow("02:00:00:ab:cd:ef", "10.  0.  0.  1", "VC-120"));
    sender.sent.clear();
    config.panel.setWirelessControlsEnabled(true);
    EXPECT_EQ(click(-1), SelectionOutcome::NoSelection);
    EXPECT_TRUE(sender.sent.empty());
    EXPECT_FALSE(config.panel.Image_Browser.visible);
    EXPECT_FALSE(config.panel.Image_Config.visible);
    EXPECT_FALSE(config.panel.Label_Wireless.enabled);
    EXPECT_EQ(config.camera.macText, "02:00:00:ab:cd:ef"); // the last selection's record stays
}

TEST_F(Selection, ARowWithoutAMacAddressesNoCamera) {
    click(addRow("02:00:00:ab:cd:ef", "10.  0.  0.  1", "VC-120"));
    sender.sent.clear();
    EXPECT_EQ(click(addRow("not a mac", "10.  0.  0.  2", "VC-120")),
              SelectionOutcome::Unaddressable);
    EXPECT_TRUE(sender.sent.empty());
    // Nothing still addressed to the camera selected before.
    EXPECT_EQ(Datagram(config.templates.DhcpStatusQuery.begin(),
                       config.templates.DhcpStatusQuery.begin() + 6),
              Datagram(6, 0));
    EXPECT_EQ(config.camera.macText, "not a mac");
}

} // namespace
} // namespace vistrel
