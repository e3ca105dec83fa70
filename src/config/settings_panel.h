#pragma once
// TabSheet_Setting: the settings panel that holds the configuration being edited for the
// selected camera, with its three tabs and the command images beside the camera list. It is a
// plain model whose members carry the control names; the wizard, the reply decoding and the
// command line address it by those names. The operations here touch the panel alone; those
// that also reach the wizard or the wireless record live beside it (address_choice.h,
// wireless_tab.h).

#include "config/panel_controls.h"

#include <array>
#include <string_view>

namespace vistrel {

enum SettingsPage : int {
    kLanPage = 0,      // TabSheet_Lan_Settings
    kWirelessPage = 1, // TabSheet_Wireless_Settings
    kSecurityPage = 2, // TabSheet_Security
};

// The two sets of key controls on the wireless tab.
enum class KeyKind { Wep, Wpa };

// The four addresses of the LAN tab, in tab order.
enum class AddressGroup { Ip, Netmask, Gateway, Dns };
inline constexpr std::array<AddressGroup, 4> kAddressGroups{
    AddressGroup::Ip, AddressGroup::Netmask, AddressGroup::Gateway, AddressGroup::Dns};

inline constexpr int kOctetMaxLength = 3;
inline constexpr int kWebPortMaxLength = 5;
inline constexpr int kLongTextLimit = 63; // name and password fields before configure sets them

struct SettingsPanel {
    SettingsPanel();

    // LAN tab. The address fields, their labels and dots are enabled exactly while the
    // fixed-address choice holds.
    RadioControl RadioButton_DHCP{.checked = true, .enabled = true};
    RadioControl RadioButton_Manual_IP;
    EditControl MEMO_SETTING_IP1_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_IP2_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_IP3_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_IP4_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_NETMASK1_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_NETMASK2_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_NETMASK3_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_NETMASK4_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_GATEWAY1_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_GATEWAY2_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_GATEWAY3_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_GATEWAY4_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_DNS1_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_DNS2_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_DNS3_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_DNS4_EDIT = limitedEdit(kOctetMaxLength);
    EditControl MEMO_SETTING_WebPort_EDIT = limitedEdit(kWebPortMaxLength);
    LabelControl Label_IP, Label_Netmask, Label_Gateway, Label_Dns, Label_Web_Port;
    LabelControl Dot_IP1, Dot_IP2, Dot_IP3, Dot_Netmask1, Dot_Netmask2, Dot_Netmask3;
    LabelControl Dot_Gateway1, Dot_Gateway2, Dot_Gateway3, Dot_Dns1, Dot_Dns2, Dot_Dns3;

    // Wireless tab. The WEP and the WPA key controls share their place on the tab.
    RadioControl RadioButton_Enable{.checked = true, .enabled = true};
    RadioControl RadioButton_Disable;
    EditControl MEMO_SETTING_SSID_EDIT = limitedEdit(32);
    ComboBoxControl ComboBox_Channel; // item index = channel code, 0 = automatic
    ComboBoxControl ComboBox_SS;      // None, WEP, WPAPSK, WPA2PSK
    ComboBoxControl ComboBox_KeyType_WEP;
    ComboBoxControl ComboBox_KeyFormat_WEP;
    EditControl MEMO_SETTING_EDIT_WEP = limitedEdit(26);
    ComboBoxControl ComboBox_KeyType_WPA;
    ComboBoxControl ComboBox_KeyFormat_WPA;
    EditControl MEMO_SETTING_EDIT_WPA = limitedEdit(64);
    LabelControl Label_Wireless, Label_Enable, Label_Disable, Label_SSID, Label_Channel;
    LabelControl Label_SS, Label_Key_Format, Label_Key_Type, Label_Network_Key;

    // Security tab; configure sets the limits of the name and the passwords.
    EditControl STATIC_SETTING_CAMERANAME_EDIT = limitedEdit(kLongTextLimit);
    EditControl STATIC_SETTING_NEWPASSWORD_EDIT = limitedEdit(kLongTextLimit);
    EditControl STATIC_SETTING_CONFIRMPASSWORD_EDIT = limitedEdit(kLongTextLimit);

    // The page control itself is never shown; the wireless tab leaves the tab strip for
    // cameras that are not in XML mode.
    PageControl TabSheet_Setting{.visible = false, .activePage = kLanPage};
    TabSheet TabSheet_Wireless_Settings;

    // Command images: confirm and cancel in settings mode, web page and configure in list mode.
    ImageControl Image_Lan_Settings_OK{.visible = false};
    ImageControl Image_Lan_Settings_Cancel{.visible = false};
    ImageControl Image_Browser{.visible = false};
    ImageControl Image_Config{.visible = false};

    // Controls by name; nullptr when the panel has no control of that name and kind.
    EditControl* edit(std::string_view name);
    LabelControl* label(std::string_view name);
    RadioControl* radio(std::string_view name);
    ComboBoxControl* comboBox(std::string_view name);
    ImageControl* image(std::string_view name);

    // The four octet fields of an address.
    std::array<EditControl*, 4> octetFields(AddressGroup group);
    std::array<const EditControl*, 4> octetFields(AddressGroup group) const;

    // Settings mode: confirm and cancel shown, web page and configure hidden.
    void enterSettingsMode();
    // List mode: web page and configure shown while the list has a selected row.
    void returnToListMode(bool rowSelected);

    // The address fields with their labels and dots, and the web port.
    void setAddressFieldsEnabled(bool enabled);
    // Every label, text field and combo box of the wireless tab (not its two radios).
    void setWirelessControlsEnabled(bool enabled);
    // The key type and key format lists and the key field of WEP or of WPA.
    void setKeyControlsEnabled(KeyKind kind, bool enabled);
    void setKeyControlsVisible(KeyKind kind, bool visible);

    void emptyPasswordFields();

    // Cancel: the new passwords are dropped, the LAN tab comes to the front and the panel
    // returns to list mode; the caller gives the camera list the focus. Nothing is sent.
    void Image_Lan_Settings_CancelClick(bool rowSelected);
};

} // namespace vistrel
