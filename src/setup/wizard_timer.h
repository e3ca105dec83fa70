#pragma once
// Timer_Wizard's tick and the buttons that start the wizard's tests, without the window: each
// works on the wizard's shared state and says what to send and what the pages show, for the
// window to apply. One tick a second; a reply that sets a flag is acted on at the next tick.

#include "config/wizard_page.h"
#include "localization/language_keys.h"
#include "setup/wizard_state.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

// The wizard's short requests, each a ready-made template of the selected camera.
enum class WizardRequest {
    Survey,    // SurveyRequest, 0x000A
    LinkTest,  // LinkTestRequest, 0x0028
    Discovery, // DiscoveryRequest, 0x0004 to every camera
    WpsStatus, // WpsStatusRequest, 0x0030
};

// A text of the wizard's language section followed by a fixed suffix; no key is the empty text.
// Both are views of constants.
struct WizardText {
    std::string_view key;
    std::string_view suffix;

    bool operator==(const WizardText&) const = default;
};

// IP address, subnet mask, gateway and DNS server, in this order.
using AddressTexts = std::array<std::string, 4>;

// What a tick reads from the window and the camera.
struct WizardTickInput {
    WizardPage shownPage = WizardPage::None; // the page the last ShowPage made visible
    bool wirelessModel = false;              // IsWirelessModel of the selected camera's model code
    AddressTexts dhcpAddresses;              // Label_T1_IP … Label_T1_DNS
    AddressTexts fixedAddresses;             // Edit_T9_IP … Edit_T9_DNS
    std::string cameraIpText;                // the selected camera's IP text, from its record
    std::string cameraAddress;               // CameraAddress, which re-discovery may have moved
};

// The countdown label of a test page (Label_T1_Sec, Label_T7_Sec, Label_T9_Sec, Label_T11_Sec)
// shows this number.
struct Countdown {
    WizardPage page = WizardPage::None;
    int seconds = 0;

    bool operator==(const Countdown&) const = default;
};

// The cloud test of page 1 or 9 has ended: the addresses go to the value labels of the page
// that follows, which then shows.
struct CloudTestEnd {
    // Wire or Wireless after a confirmation, CloudFailed after a time-out.
    WizardPage nextPage = WizardPage::None;
    AddressTexts values;                           // the IPText … DNSText labels of nextPage
    std::optional<AddressTexts> fixedAddressEdits; // new texts of Edit_T9_IP … Edit_T9_DNS
    bool loadPanelFromCamera = false;              // open the panel for the camera first
};

// The wait of page 7 or 11 has ended: the countdown hides, the result lines show these texts,
// the page's action button (Next on page 7, Start on page 11) takes the caption and is
// enabled, and Cancel is shown and enabled.
struct WaitEnd {
    WizardPage page = WizardPage::None; // Test or WpsSetup
    bool confirmed = false;
    std::vector<WizardText> results; // the page's result lines, TntLabel_T<n>_1 onwards
    WizardText actionCaption;
};

struct WizardTick {
    std::vector<WizardRequest> requests; // to send, in this order
    std::optional<Countdown> countdown;
    std::optional<CloudTestEnd> cloudTestEnd;
    std::optional<WaitEnd> waitEnd;
    bool trackCameraAddress = false; // from now on discovery answers move CameraAddress
    bool stopTimer = false;          // disable Timer_Wizard
};

// One tick of Timer_Wizard: the survey repeat on every page, then the steps of the test pages
// Test, Dhcp, ManualConfig and WpsSetup in this order. A step that shows another page ends the
// test page's steps for this tick.
WizardTick wizardTick(WizardState& state, const WizardTickInput& input);

// Page 1's cloud test starts (its hidden Next, run by the DHCP wait); the window enables the
// timer and shows the countdown.
Countdown startCloudTest(WizardState& state);

// What page 7's Next does.
struct LinkTestNext {
    // Name after a confirmed test, RePlugIn after a failed one; None: start the test.
    WizardPage showPage = WizardPage::None;
    Countdown countdown{WizardPage::Test, 90}; // Label_T7_Sec's text, whatever happens
    // Starting: the timer runs, the countdown shows, Next is disabled with this caption,
    // Cancel hides and the first link test goes out.
    WizardText waitCaption{language_keys::kWait, {}};
};

// Page 7's Next. testEnded: TntLabel_T7_3 is visible, as the end of a test leaves it (preparing
// page 7 hides it). LinkConfirmed is false afterwards.
LinkTestNext linkTestNext(WizardState& state, bool testEnded);

} // namespace vistrel
