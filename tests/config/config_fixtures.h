#pragma once
// Shared pieces of the configuration tests: a sender that keeps what goes out, a wizard that
// notes what the address choice tells it, and a configuration whose selected camera is known.

#include "config/address_choice.h"
#include "config/camera_configuration.h"
#include "protocol/datagram_sender.h"
#include "support/recording_sender.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel::test {

class RecordingWizard : public WizardAddressView {
public:
    std::vector<std::string> calls;

    void checkAddressRadios(AddressMode mode) override {
        calls.push_back(mode == AddressMode::Dhcp ? "check DHCP" : "check static");
    }
    void followAddressMode(AddressMode mode) override {
        calls.push_back(mode == AddressMode::Dhcp ? "lock" : "unlock");
    }
    void enableFixedAddressPage(bool addressEdits) override {
        calls.push_back(addressEdits ? "page 9 usable" : "page 9 radios usable");
    }
};

inline const MacAddress kSelectedMac{0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
inline constexpr std::string_view kSelectedMacText = "00:1a:2b:3c:4d:5e";

// The four octet fields of a group from a dotted text such as "192.168.2.3"; pieces beyond the
// text leave their fields empty.
inline void setOctets(SettingsPanel& panel, AddressGroup group, std::string_view dotted) {
    for (EditControl* field : panel.octetFields(group)) {
        const auto dot = dotted.find('.');
        field->text = std::string(dotted.substr(0, dot));
        dotted.remove_prefix(dot == std::string_view::npos ? dotted.size() : dot + 1);
    }
}

// A camera selected in the list whose settings reply has not arrived yet.
inline void selectCamera(CameraConfiguration& config, std::uint8_t modelCode, bool xmlMode) {
    config.camera.macText = std::string(kSelectedMacText);
    config.camera.modelCode = modelCode;
    config.camera.xmlMode = xmlMode;
    config.templates.setCameraMac(kSelectedMac);
}

} // namespace vistrel::test
