#pragma once
// Typed handles to the controls of the wizard's twelve pages, for the code that drives them.
// The widgets belong to their pages; every one also carries its component name as object name.
// Address groups list IP address, subnet mask, gateway and DNS server in this order.

#include "ui/tnt_widgets.h"

#include <array>

class QLineEdit;
class QRadioButton;
class QTabWidget;
class QToolButton;
class QTreeWidget;

namespace vistrel {

using AddressCaptions = std::array<TTntLabel*, 4>;
using AddressEdits = std::array<QLineEdit*, 4>;
using AddressValues = std::array<QLabel*, 4>;

struct RadioPair {
    QRadioButton* dhcp = nullptr;
    QRadioButton* staticIp = nullptr;
    TTntLabel* dhcpCaption = nullptr;
    TTntLabel* staticCaption = nullptr;
};

struct AccountRows {
    TTntLabel* nameCaption = nullptr;
    TTntLabel* passwordCaption = nullptr;
    TTntLabel* confirmCaption = nullptr;
    QLineEdit* name = nullptr;
    QLineEdit* password = nullptr;
    QLineEdit* confirm = nullptr;
};

// Page 1: the camera got its address by DHCP; the cloud test counts down.
struct DhcpPage {
    TTntLabel* title = nullptr;
    std::array<TTntLabel*, 2> lines{};
    QLabel* seconds = nullptr;   // Label_T1_Sec
    AddressValues addresses{};   // Label_T1_IP … Label_T1_DNS, never shown
    QPushButton* next = nullptr; // Button_T1_Next, never shown, run by the DHCP wait
};

// Page 2: DHCP or a fixed address, for a camera reached through the login.
struct NetworkPage {
    RadioPair radios;
    AddressCaptions captions{};
    AddressEdits edits{};
    TTntButton* cancel = nullptr;
    TTntButton* ok = nullptr;
    TTntButton* advanced = nullptr;
};

// Page 3: the test passed for a wired camera.
struct WirePage {
    TTntLabel* title = nullptr;
    AddressCaptions captions{};
    AddressValues values{};
    std::array<TTntLabel*, 4> lines{};
    TTntButton* next = nullptr;
};

// Page 4: the test passed for a wireless camera; set up a wireless link?
struct WirelessPage {
    TTntLabel* title = nullptr;
    AddressCaptions captions{};
    AddressValues values{};
    std::array<TTntLabel*, 3> lines{};
    TTntButton* no = nullptr;
    TTntButton* yes = nullptr;
};

// Page 5: the camera's name and administrator password.
struct NamePage {
    AccountRows account;
    TTntButton* ok = nullptr;
};

// Page 6: the wireless networks the camera sees, and the key of the chosen one.
struct WConfigPage {
    TTntLabel* title = nullptr;
    TTntLabel* ssidCaption = nullptr;
    TTntLabel* passwordCaption = nullptr;
    QTreeWidget* survey = nullptr; // TntListView_T6
    QLabel* ssidText = nullptr;
    QLineEdit* password = nullptr;
    TTntButton* refresh = nullptr;
    TTntButton* ok = nullptr;
    QToolButton* wps = nullptr; // SpeedButton_T6
};

// Page 7: unplug the cable and wait for the camera over the wireless link.
struct TestPage {
    QLabel* picture = nullptr;
    std::array<TTntLabel*, 3> headers{};
    QLabel* seconds = nullptr; // Label_T7_Sec
    std::array<TTntLabel*, 3> results{};
    TTntButton* next = nullptr;
    TTntButton* cancel = nullptr;
};

// Page 8: plug the cable back in and configure the wireless link again.
struct RePlugInPage {
    QLabel* picture = nullptr;
    std::array<TTntLabel*, 3> lines{};
    TTntButton* ok = nullptr;
};

// Page 9: a fixed address after a failed DHCP wait; the cloud test counts down.
struct ManualConfigPage {
    RadioPair radios;
    AddressCaptions captions{};
    AddressEdits edits{};
    std::array<TTntLabel*, 2> lines{};
    QLabel* seconds = nullptr; // Label_T9_Sec
    TTntButton* next = nullptr;
};

// Page 10: the cloud test failed.
struct CloudFailedPage {
    AddressCaptions captions{};
    AddressValues values{};
    TTntLabel* failed = nullptr;
    TTntLabel* retryQuestion = nullptr;
    TTntButton* cancel = nullptr;
    TTntButton* retry = nullptr;
};

// Page 11: WPS with the router's button.
struct WpsSetupPage {
    QLabel* picture = nullptr;
    std::array<TTntLabel*, 3> headers{};
    QLabel* seconds = nullptr; // Label_T11_Sec
    std::array<TTntLabel*, 2> results{};
    TTntButton* cancel = nullptr;
    TTntButton* start = nullptr;
};

// Page 12: address, name and password of a camera that was set up before, on two tabs.
struct OldNetworkPage {
    QTabWidget* tabs = nullptr; // TntPageControl_T12
    QWidget* lanTab = nullptr;
    QWidget* nameTab = nullptr;
    QLabel* lanBackground = nullptr;  // Image_T12_1
    QLabel* nameBackground = nullptr; // Image_T12_2
    RadioPair radios;
    AddressCaptions captions{};
    AddressEdits edits{};
    TTntButton* cancel = nullptr;
    TTntButton* ok = nullptr;
    TTntButton* advanced = nullptr;
    AccountRows account;
    TTntButton* cancel2 = nullptr;
    TTntButton* ok2 = nullptr;
};

struct WizardPages {
    DhcpPage dhcp;                 // 1
    NetworkPage network;           // 2
    WirePage wire;                 // 3
    WirelessPage wireless;         // 4
    NamePage name;                 // 5
    WConfigPage wconfig;           // 6
    TestPage test;                 // 7
    RePlugInPage rePlugIn;         // 8
    ManualConfigPage manualConfig; // 9
    CloudFailedPage cloudFailed;   // 10
    WpsSetupPage wpsSetup;         // 11
    OldNetworkPage oldNetwork;     // 12
};

} // namespace vistrel
