#pragma once
// The set-up wizard's twelve pages, by the names of their designs. The numbers are the pages'
// places in the window's page control (TabSheet1 … TabSheet12) and the "T<n>" in their
// controls' names.

namespace vistrel {

enum class WizardPage {
    None = 0,         // no page shows
    Dhcp = 1,         // the camera got its address by DHCP; its cloud test
    Network = 2,      // DHCP or a fixed address, after a login
    Wire = 3,         // the test passed for a wired camera
    Wireless = 4,     // the test passed for a wireless camera: set up a wireless link?
    Name = 5,         // the camera's name and administrator password
    WConfig = 6,      // the wireless networks the camera sees
    Test = 7,         // the link test over the wireless network
    RePlugIn = 8,     // that test failed: plug the cable in again
    ManualConfig = 9, // a fixed address after a failed DHCP wait; its cloud test
    CloudFailed = 10, // the cloud test failed
    WpsSetup = 11,    // WPS with the router's button
    OldNetwork = 12,  // address, name and password of a camera set up before
};

inline constexpr int kWizardPageCount = 12;

// The page's place in the page control, 1 … 12; 0 for None.
constexpr int pageNumber(WizardPage page) {
    return static_cast<int>(page);
}

} // namespace vistrel
