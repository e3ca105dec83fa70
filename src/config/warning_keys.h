#pragma once
// The Language.ini keys of every warning this layer gives, in one place: each must exist in
// every language section.

#include <array>
#include <string_view>

namespace vistrel::warning_keys {

// Settings checks.
inline constexpr std::string_view kIpComplete = "IP_Complete_Err_Message";
inline constexpr std::string_view kNetmaskComplete = "Netmask_Complete_Err_Message";
inline constexpr std::string_view kGatewayComplete = "Gateway_Complete_Err_Message";
inline constexpr std::string_view kDnsComplete = "Dns_Complete_Err_Message";
inline constexpr std::string_view kIpRange = "IP_Range_Err_Message";
inline constexpr std::string_view kNetmaskRange = "Netmask_Range_Err_Message";
inline constexpr std::string_view kGatewayRange = "Gateway_Range_Err_Message";
inline constexpr std::string_view kDnsRange = "Dns_Range_Err_Message";
inline constexpr std::string_view kWebPortComplete = "WebPort_Complete_Err_Message";
inline constexpr std::string_view kWebPortRange = "WebPort_Range_Err_Message";
inline constexpr std::string_view kKeyLength = "Key_Length_Err_Message";
inline constexpr std::string_view kCameraNameEmpty = "CameraName_Cant_Be_Empty";
inline constexpr std::string_view kCameraNameTooLong = "CameraName_Too_Long";
inline constexpr std::string_view kPasswordsDiffer = "Password_Doesnot_Match";
inline constexpr std::string_view kPasswordTooShort = "Password_Must_Four_Characters";
inline constexpr std::string_view kPasswordTooLong = "Password_Too_Long";
inline constexpr std::string_view kCurrentPasswordTooLong = "Current_Password_Too_Long";

// Key filters.
inline constexpr std::string_view kAmpersandRefused = "Paswword_Err_Message";

// Selection, login and web page.
inline constexpr std::string_view kSelectACamera = "Please_Select_A_Camera";
inline constexpr std::string_view kWrongPassword = "Input_Password_Err";
inline constexpr std::string_view kSettingsNotReceived = "Camera_Settings_Not_Received";

// Confirm.
inline constexpr std::string_view kSettingsNotSent = "Settings_Not_Sent";

inline constexpr std::array kAll{
    kIpComplete,
    kNetmaskComplete,
    kGatewayComplete,
    kDnsComplete,
    kIpRange,
    kNetmaskRange,
    kGatewayRange,
    kDnsRange,
    kWebPortComplete,
    kWebPortRange,
    kKeyLength,
    kCameraNameEmpty,
    kCameraNameTooLong,
    kPasswordsDiffer,
    kPasswordTooShort,
    kPasswordTooLong,
    kCurrentPasswordTooLong,
    kAmpersandRefused,
    kSelectACamera,
    kWrongPassword,
    kSettingsNotReceived,
    kSettingsNotSent,
};

} // namespace vistrel::warning_keys

namespace vistrel::warning_texts {

// Fixed texts without a Language.ini key.
inline constexpr std::string_view kBusySearching = "The admin utility is busy searching.";

} // namespace vistrel::warning_texts
