#include "camera_reading_fixture.h"
#include "cli/panel_input.h"
#include "config/panel_opening.h"
#include "config/settings_confirmation.h"

#include <string>
#include <vector>

namespace vistrel {
namespace {

using Texts = std::vector<std::string>;

// A camera opened for configuration as after a login: an XML camera on DHCP at 192.168.2.3, or
// a fixed-layout one with its address from the search.
struct OpenedCamera : test::ReadCamera {
    void openXmlCamera(bool dhcp) {
        answer(test::kXmlModel);
        receiveDocument(std::string("<DHCP>") + (dhcp ? "1" : "0") +
                            "</DHCP><ip>192.168.2.3</ip><netmask>255.255.255.0</netmask>"
                            "<gateway>192.168.2.1</gateway><dns1>192.168.2.1</dns1>"
                            "<webPort>80</webPort><cameraName>Porch</cameraName>"
                            "<userName>admin</userName><userPassword>pine</userPassword>",
                        "<enable>0</enable>");
        open();
    }
    void openFixedCamera(std::uint8_t model, bool dhcp) {
        answer(model);
        test::FixedReplyFields fields;
        fields.longForm = model == test::kLongModel;
        fields.dhcpFlag = dhcp ? 1 : 0;
        receive(test::fixedSettingsReply(test::kCameraMac, fields));
        open();
    }
    void open() {
        ASSERT_TRUE(reading.settingsArrived());
        prepareConfigureLogin(config(), &reading.selectedRow());
        LoadPanelFromCamera(config());
    }
    CameraConfiguration& config() { return reading.config; }
    Texts octets(AddressGroup group) {
        Texts texts;
        for (const EditControl* field : config().panel.octetFields(group)) {
            texts.push_back(field->text);
        }
        return texts;
    }
    std::string refusal(const ConfigureChanges& changes) {
        const InputResult result = typeChanges(config(), changes);
        return result.passed() ? "passes" : result.check.warning->text;
    }
    // What the command line does: the options into the fields, then the confirm's checks.
    std::string outcome(const ConfigureChanges& changes) {
        if (std::string typed = refusal(changes); typed != "passes") {
            return typed;
        }
        const ConfirmResult confirmed = Image_Settings_OKClick(config(), "secret", true);
        return confirmed.warning ? confirmed.warning->text : "passes";
    }
};

struct PanelInput : OpenedCamera, ::testing::Test {};

TEST_F(PanelInput, OnlyTheAddressesGivenChangeTheirFields) {
    openXmlCamera(/*dhcp=*/true);
    ConfigureChanges changes;
    changes.ip = "192.168.2.40";
    changes.netmask = "255.255.0.0";
    ASSERT_EQ(refusal(changes), "passes");
    EXPECT_FALSE(config().addressChoice.wizardChoosesDhcp());
    EXPECT_EQ(octets(AddressGroup::Ip), (Texts{"192", "168", "2", "40"}));
    EXPECT_EQ(octets(AddressGroup::Netmask), (Texts{"255", "255", "0", "0"}));
    EXPECT_EQ(octets(AddressGroup::Gateway), (Texts{"192", "168", "2", "1"}));
    EXPECT_EQ(octets(AddressGroup::Dns), (Texts{"192", "168", "2", "1"}));
    EXPECT_EQ(config().panel.MEMO_SETTING_WebPort_EDIT.text, "80");
    EXPECT_EQ(config().panel.STATIC_SETTING_CAMERANAME_EDIT.text, "Porch");
}

TEST(PanelInputPort, ThePortAloneKeepsTheAddressMode) {
    for (const bool dhcp : {true, false}) {
        SCOPED_TRACE(dhcp ? "DHCP" : "fixed");
        OpenedCamera camera;
        camera.openFixedCamera(test::kShortModel, dhcp);
        ConfigureChanges changes;
        changes.webPort = "8081";
        ASSERT_EQ(camera.refusal(changes), "passes");
        EXPECT_EQ(camera.config().addressChoice.wizardChoosesDhcp(), dhcp);
        const ConfirmResult confirmed = Image_Settings_OKClick(camera.config(), "secret", true);
        ASSERT_EQ(confirmed.status, ConfirmStatus::Ready);
        // The short record's web port and DHCP flag, as the camera receives them.
        EXPECT_EQ(confirmed.datagram[60], 0x1F);
        EXPECT_EQ(confirmed.datagram[61], 0x91);
        EXPECT_EQ(confirmed.datagram[201], dhcp ? 1 : 0);
    }
}

ConfigureChanges port(const char* text) {
    ConfigureChanges changes;
    changes.webPort = text;
    return changes;
}

ConfigureChanges named(std::string name) {
    ConfigureChanges changes;
    changes.name = std::move(name);
    return changes;
}

// The key filters and length limits of the window's fields, then the confirm's checks.
TEST(PanelInputFilters, DecideAsTheWindowsFieldsAndChecksDo) {
    constexpr const char* kAsciiOnly = "The camera name can hold printable ASCII characters only.";
    const struct {
        const char* name;
        ConfigureChanges changes;
        bool dhcp;
        const char* outcome;
    } cases[] = {
        {"port 0", port("0"), false, "WebPort_Range_Err_Message"},
        {"port 0 of a camera on DHCP", port("0"), true, "WebPort_Range_Err_Message"},
        {"port with a leading zero", port("080"), false, "WebPort_Range_Err_Message"},
        {"port of letters", port("web"), true, "WebPort_Range_Err_Message"},
        {"port of six digits", port("123456"), false, "WebPort_Range_Err_Message"},
        {"empty port", port(""), false, "WebPort_Complete_Err_Message"},
        {"port 65535", port("65535"), true, "passes"},
        {"name of 31 characters", named(std::string(31, 'n')), false, "passes"},
        {"name of 32 characters", named(std::string(32, 'n')), false, "CameraName_Too_Long"},
        {"empty name", named(""), false, "CameraName_Cant_Be_Empty"},
        {"name with an accent", named("Caf\xC3\xA9"), false, kAsciiOnly},
        {"name with a tab", named("a\tb"), false, kAsciiOnly},
        {"name with an ampersand", named("Porch & gate"), false, "passes"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenedCamera camera;
        camera.openFixedCamera(test::kLongModel, c.dhcp); // names up to 31 characters
        EXPECT_EQ(camera.outcome(c.changes), c.outcome);
    }
}

TEST_F(PanelInput, AnXmlCameraRefusesAnAmpersandInTheName) {
    openXmlCamera(/*dhcp=*/false);
    EXPECT_EQ(refusal(named("Porch & gate")), "Paswword_Err_Message");
    EXPECT_EQ(config().panel.STATIC_SETTING_CAMERANAME_EDIT.text, "Porch");
}

TEST_F(PanelInput, NewPasswordsAreCountedInCharacters) {
    openFixedCamera(test::kLongModel, /*dhcp=*/false); // passwords up to 12 characters
    SettingsPanel& panel = config().panel;
    const std::string twelveUmlauts = [] {
        std::string text;
        for (int i = 0; i < 12; ++i) {
            text += "\xC3\xA4";
        }
        return text;
    }();
    EXPECT_TRUE(
        typeNewPassword(panel, SecretText(twelveUmlauts), SecretText(twelveUmlauts)).passed());
    EXPECT_EQ(panel.STATIC_SETTING_NEWPASSWORD_EDIT.text, twelveUmlauts);
    const SecretText thirteen(twelveUmlauts + "x");
    EXPECT_EQ(typeNewPassword(panel, thirteen, SecretText("short")).warning,
              Warning::key("Password_Too_Long"));
    EXPECT_EQ(typeNewPassword(panel, SecretText("short"), thirteen).warning,
              Warning::key("Password_Too_Long"));
    // Two empty fields would keep the old password, which --change-password does not ask for.
    EXPECT_EQ(typeNewPassword(panel, SecretText(), SecretText()).warning,
              Warning::key("Password_Must_Four_Characters"));
}

} // namespace
} // namespace vistrel
