#pragma once
// The finder's records of cameras: the selected camera, one entry of the camera list, and the
// selected camera's wireless settings.

#include <cstdint>
#include <string>

namespace vistrel {

// The selected camera. Selection fills the first group from the list row; the settings reply
// fills the rest. Texts are 8-bit, addresses in the padded "%3d.%3d.%3d.%3d" form.
struct TDeviceItem {
    std::uint8_t modelCode = 0; // 0: the model name was not found in the tables
    std::string modelName;
    std::string macText; // lower-case "00:1a:2b:3c:4d:5e"; empty while none is selected
    std::string macTextWithoutSeparators; // "001a2b3c4d5e", as the dynamic-DNS name uses it
    std::string ipText;
    std::string ipTextNoBlanks; // the form used to connect
    std::string browserIpText;

    std::string cameraName;
    std::string userName;
    std::string passwordCredential; // the password, or its digest text, as the camera reported it
    std::string netmaskText;
    std::string gatewayText;
    std::string dnsText;
    std::uint16_t webPort = 0; // the port number; records and replies carry it big-endian
    std::uint8_t dhcpFlag = 0; // 1 = DHCP
    std::string firmwareVersion;
    bool xmlMode = false; // the settings reply carried the XML document
};

// List states of a camera entry.
enum CameraState : int {
    kStateNew = 1,         // still needs its first set-up
    kStateHighlighted = 2, // a new camera highlighted in the drawn list
    kStateSetUpB2 = 3,     // set up, set-up flag B = 2
    kStateSetUpB1 = 4,     // set up, set-up flag B = 1
    kStateOther = 5,
};

// One entry of the camera list.
struct _camdev {
    int state = kStateOther;
    int view = 2; // 2: the preview icon opens the login for the live preview; 1 for new cameras
    std::string name;
    std::string model;
    std::string ip;  // "%3d.%3d.%3d.%3d"
    std::string mac; // lower-case colon form

    bool operator==(const _camdev&) const = default;
};

inline int viewOfState(int state) {
    return state == kStateNew ? 1 : 2;
}

// The selected camera's wireless settings as the settings document carries them, one text per
// element of its wireless group.
struct WlanInfo {
    std::string enable; // "1" on, "0" off
    std::string mode;
    std::string ssid;
    std::string channel;    // "0" automatic, "1".."13"
    std::string wepkeytype; // "0" hexadecimal digits, "1" ASCII characters
    std::string wepkeysize; // "0" 64-bit, "1" 128-bit
    std::string wpaKeyForm; // "0" passphrase, "1" 64 hexadecimal digits
    std::string encryption; // "0" none, "1" WEP, "2" TKIP, "3" AES
    std::string auth;       // "0" none, "2" WEP, "3" WPA-PSK, "4" WPA2-PSK
    std::string wepkey1;
    std::string wpakey;
};

} // namespace vistrel
