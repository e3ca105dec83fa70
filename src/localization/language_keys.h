#pragma once
// The Language.ini keys that the program reads by name. Controls that take their caption from
// the key of their own component name are not listed: the windows name them, and the re-texting
// lists them (LanguageState::captionKeys). Every key here and there must have a text in every
// language section.

#include <array>
#include <string_view>
#include <vector>

namespace vistrel::language_keys {

// The caption of the waiting window's TntLabel_Wait.
inline constexpr std::string_view kSearching = "Search";

// Main window: the hints of its pictures, the field labels drawn on each camera card, the tray
// menu's close item.
inline constexpr std::string_view kSearchHint = "Image_Search_Camera_Hint";
inline constexpr std::string_view kConfigHint = "Image_Config_Hint";
inline constexpr std::string_view kBrowserHint = "Image_Browser_Hint";
inline constexpr std::array<std::string_view, 4> kCardLabels{
    "MainListColumns1", "MainListColumns2", "MainListColumns3", "MainListColumns4"};
inline constexpr std::string_view kTrayClose = "Main_TntPopupMenu_MenuItem0";

// Texts the wizard puts into its controls while it runs; it also reuses the captions of
// TntButton_T3_Next ("Next"), TntButton_T10_Retry ("Retry", and with "?" as a question),
// TntButton_T11_Start, TntLabel_T7_2, TntLabel_T7_3 and TntLabel_T11_2.
inline constexpr std::string_view kLinkDetected = "TntLabel_T7_1_OK";
inline constexpr std::string_view kLinkNotDetected = "TntLabel_T7_1_NOOK";
inline constexpr std::string_view kWpsConnected = "TntLabel_T11_1_OK";
inline constexpr std::string_view kWpsFailed = "TntLabel_T11_1_NOOK";
inline constexpr std::string_view kWait = "Wait";

// Messages of the windows besides the configuration layer's warnings (warning_keys). Pairs
// ending in 1 and 2 are shown together, joined by their callers.
inline constexpr std::string_view kOpenBrowserFailed = "Open_Browser_Fail";
inline constexpr std::string_view kLoginCancelled1 = "Cancel_Login1";
inline constexpr std::string_view kLoginCancelled2 = "Cancel_Login2";
inline constexpr std::string_view kConnectFailed1 = "Connect_Camera_Failed1";
inline constexpr std::string_view kConnectFailed2 = "Connect_Camera_Failed2";
inline constexpr std::string_view kDhcpFailed = "DHCP_Failed";
inline constexpr std::string_view kSelectAWirelessNetwork = "Please_Select_A_SSID";
inline constexpr std::string_view kNetworkSetupCancelled = "Cancel_Network_Setup";
inline constexpr std::string_view kWpsCancelled = "Cancel_WPS_Connect";
inline constexpr std::string_view kWantToLeave = "Want_To_Leave";
inline constexpr std::string_view kSetupComplete1 = "Setup_Is_Complete1";
inline constexpr std::string_view kSetupComplete2 = "Setup_Is_Complete2";

// The messages above that show in the message box; the question goes to the message dialog and
// the completion to the finish window.
inline constexpr std::array kMessageBoxMessages{
    kOpenBrowserFailed,      kLoginCancelled1,       kLoginCancelled2,
    kConnectFailed1,         kConnectFailed2,        kDhcpFailed,
    kSelectAWirelessNetwork, kNetworkSetupCancelled, kWpsCancelled,
};

// The diagnostics report of a search (src/net): the verdict on each interface, the hints (with
// the placeholders %1, %2 that their arguments fill) and the error for an --interface name that
// no interface has.
inline constexpr std::string_view kInterfaceSearched = "Diagnose_Interface_Searched";
inline constexpr std::string_view kInterfaceDown = "Diagnose_Interface_Down";
inline constexpr std::string_view kInterfaceLoopback = "Diagnose_Interface_Loopback";
inline constexpr std::string_view kInterfaceCannotBroadcast = "Diagnose_Interface_No_Broadcast";
inline constexpr std::string_view kInterfaceNoIpv4Address = "Diagnose_Interface_No_IPv4";
inline constexpr std::string_view kInterfaceVirtual = "Diagnose_Interface_Virtual";
inline constexpr std::string_view kInterfaceNotChosen = "Diagnose_Interface_Not_Chosen";
inline constexpr std::string_view kHintPortUsedBy = "Diagnose_Hint_Port_Used_By"; // %1
inline constexpr std::string_view kHintPortUsed = "Diagnose_Hint_Port_Used";
inline constexpr std::string_view kHintNoBroadcastInterface = "Diagnose_Hint_No_Interface";
inline constexpr std::string_view kHintFirewallRule = "Diagnose_Hint_Firewall_Rule";     // %1
inline constexpr std::string_view kHintFirewallPolicy = "Diagnose_Hint_Firewall_Policy"; // %1
inline constexpr std::string_view kHintTunnelRoute = "Diagnose_Hint_Tunnel_Route";       // %1
inline constexpr std::string_view kHintContainer = "Diagnose_Hint_Container";            // %1
inline constexpr std::string_view kHintFirewallNotPermitted = "Diagnose_Hint_Firewall_Denied";
inline constexpr std::string_view kHintFirewallNoTool = "Diagnose_Hint_Firewall_No_Tool";
inline constexpr std::string_view kHintFirewallUnreadable = "Diagnose_Hint_Firewall_Unreadable";
inline constexpr std::string_view kUnknownInterface = "Diagnose_Unknown_Interface"; // %1

inline constexpr std::array kDiagnosisKeys{
    kInterfaceSearched,        kInterfaceDown,          kInterfaceLoopback,
    kInterfaceCannotBroadcast, kInterfaceNoIpv4Address, kInterfaceVirtual,
    kInterfaceNotChosen,       kHintPortUsedBy,         kHintPortUsed,
    kHintNoBroadcastInterface, kHintFirewallRule,       kHintFirewallPolicy,
    kHintTunnelRoute,          kHintContainer,          kHintFirewallNotPermitted,
    kHintFirewallNoTool,       kHintFirewallUnreadable, kUnknownInterface,
};

} // namespace vistrel::language_keys
