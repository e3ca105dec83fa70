#include "config/settings_panel.h"

#include <algorithm>
#include <utility>

namespace vistrel {

namespace {

template <typename Control> using Member = Control SettingsPanel::*;
template <typename Control> using NamedMember = std::pair<std::string_view, Member<Control>>;

// Each entry names its member once, so names and members cannot drift apart.
// clang-format off
#define VISTREL_CONTROL(name) NamedMember<decltype(SettingsPanel::name)>(#name, &SettingsPanel::name)
// clang-format on

constexpr std::array kOctetFields{
    VISTREL_CONTROL(MEMO_SETTING_IP1_EDIT),      VISTREL_CONTROL(MEMO_SETTING_IP2_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_IP3_EDIT),      VISTREL_CONTROL(MEMO_SETTING_IP4_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_NETMASK1_EDIT), VISTREL_CONTROL(MEMO_SETTING_NETMASK2_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_NETMASK3_EDIT), VISTREL_CONTROL(MEMO_SETTING_NETMASK4_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_GATEWAY1_EDIT), VISTREL_CONTROL(MEMO_SETTING_GATEWAY2_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_GATEWAY3_EDIT), VISTREL_CONTROL(MEMO_SETTING_GATEWAY4_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_DNS1_EDIT),     VISTREL_CONTROL(MEMO_SETTING_DNS2_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_DNS3_EDIT),     VISTREL_CONTROL(MEMO_SETTING_DNS4_EDIT),
};

constexpr std::array kOtherEdits{
    VISTREL_CONTROL(MEMO_SETTING_WebPort_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_SSID_EDIT),
    VISTREL_CONTROL(MEMO_SETTING_EDIT_WEP),
    VISTREL_CONTROL(MEMO_SETTING_EDIT_WPA),
    VISTREL_CONTROL(STATIC_SETTING_CAMERANAME_EDIT),
    VISTREL_CONTROL(STATIC_SETTING_NEWPASSWORD_EDIT),
    VISTREL_CONTROL(STATIC_SETTING_CONFIRMPASSWORD_EDIT),
};

// The labels and dots that go with the address fields.
constexpr std::array kAddressLabels{
    VISTREL_CONTROL(Label_IP),     VISTREL_CONTROL(Label_Netmask),  VISTREL_CONTROL(Label_Gateway),
    VISTREL_CONTROL(Label_Dns),    VISTREL_CONTROL(Label_Web_Port), VISTREL_CONTROL(Dot_IP1),
    VISTREL_CONTROL(Dot_IP2),      VISTREL_CONTROL(Dot_IP3),        VISTREL_CONTROL(Dot_Netmask1),
    VISTREL_CONTROL(Dot_Netmask2), VISTREL_CONTROL(Dot_Netmask3),   VISTREL_CONTROL(Dot_Gateway1),
    VISTREL_CONTROL(Dot_Gateway2), VISTREL_CONTROL(Dot_Gateway3),   VISTREL_CONTROL(Dot_Dns1),
    VISTREL_CONTROL(Dot_Dns2),     VISTREL_CONTROL(Dot_Dns3),
};

constexpr std::array kWirelessLabels{
    VISTREL_CONTROL(Label_Wireless),    VISTREL_CONTROL(Label_Enable),
    VISTREL_CONTROL(Label_Disable),     VISTREL_CONTROL(Label_SSID),
    VISTREL_CONTROL(Label_Channel),     VISTREL_CONTROL(Label_SS),
    VISTREL_CONTROL(Label_Key_Format),  VISTREL_CONTROL(Label_Key_Type),
    VISTREL_CONTROL(Label_Network_Key),
};

constexpr std::array kRadios{
    VISTREL_CONTROL(RadioButton_DHCP),
    VISTREL_CONTROL(RadioButton_Manual_IP),
    VISTREL_CONTROL(RadioButton_Enable),
    VISTREL_CONTROL(RadioButton_Disable),
};

constexpr std::array kComboBoxes{
    VISTREL_CONTROL(ComboBox_Channel),     VISTREL_CONTROL(ComboBox_SS),
    VISTREL_CONTROL(ComboBox_KeyType_WEP), VISTREL_CONTROL(ComboBox_KeyFormat_WEP),
    VISTREL_CONTROL(ComboBox_KeyType_WPA), VISTREL_CONTROL(ComboBox_KeyFormat_WPA),
};

constexpr std::array kImages{
    VISTREL_CONTROL(Image_Lan_Settings_OK),
    VISTREL_CONTROL(Image_Lan_Settings_Cancel),
    VISTREL_CONTROL(Image_Browser),
    VISTREL_CONTROL(Image_Config),
};

#undef VISTREL_CONTROL

// The four octet fields of a group, const or not as the panel is.
template <typename Panel> auto octetFieldsOf(Panel& panel, AddressGroup group) {
    const auto first = 4 * static_cast<std::size_t>(group);
    std::array<decltype(&(panel.*(kOctetFields[0].second))), 4> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        fields[i] = &(panel.*(kOctetFields[first + i].second));
    }
    return fields;
}

template <typename Control, std::size_t N>
Control* find(SettingsPanel& panel, const std::array<NamedMember<Control>, N>& table,
              std::string_view name) {
    const auto found = std::ranges::find(table, name, &NamedMember<Control>::first);
    return found == table.end() ? nullptr : &(panel.*(found->second));
}

template <typename Control, std::size_t N>
void setEnabled(SettingsPanel& panel, const std::array<NamedMember<Control>, N>& table,
                bool enabled) {
    for (const auto& entry : table) {
        (panel.*(entry.second)).enabled = enabled;
    }
}

std::vector<std::string> channelItems() {
    std::vector<std::string> items{"Auto"};
    for (int channel = 1; channel <= 13; ++channel) {
        items.push_back(std::to_string(channel));
    }
    return items;
}

} // namespace

SettingsPanel::SettingsPanel() {
    ComboBox_Channel.items = channelItems();
    ComboBox_SS.items = {"None", "WEP", "WPAPSK", "WPA2PSK"};
    ComboBox_KeyType_WEP.items = {"64   bit", "128 bit"};
    // 8-bit texts in the system's code page, UTF-8 here.
    ComboBox_KeyFormat_WEP.items = {"Hexadecimal ( 10 digits )", "ASC\xE2\x85\xA1( 5 characters )"};
    ComboBox_KeyType_WPA.items = {"TKIP", "AES"};
    ComboBox_KeyFormat_WPA.items = {"Passphrase ( 8 ~ 63 characters )",
                                    "Hexadecimal ( 64 characters )"};
    // The start state follows the panel's rules: DHCP chosen, wireless on without security.
    setAddressFieldsEnabled(false);
    setKeyControlsEnabled(KeyKind::Wep, false);
    setKeyControlsEnabled(KeyKind::Wpa, false);
}

EditControl* SettingsPanel::edit(std::string_view name) {
    EditControl* octet = find(*this, kOctetFields, name);
    return octet ? octet : find(*this, kOtherEdits, name);
}

LabelControl* SettingsPanel::label(std::string_view name) {
    LabelControl* address = find(*this, kAddressLabels, name);
    return address ? address : find(*this, kWirelessLabels, name);
}

RadioControl* SettingsPanel::radio(std::string_view name) {
    return find(*this, kRadios, name);
}

ComboBoxControl* SettingsPanel::comboBox(std::string_view name) {
    return find(*this, kComboBoxes, name);
}

ImageControl* SettingsPanel::image(std::string_view name) {
    return find(*this, kImages, name);
}

std::array<EditControl*, 4> SettingsPanel::octetFields(AddressGroup group) {
    return octetFieldsOf(*this, group);
}

std::array<const EditControl*, 4> SettingsPanel::octetFields(AddressGroup group) const {
    return octetFieldsOf(*this, group);
}

void SettingsPanel::enterSettingsMode() {
    Image_Browser.visible = false;
    Image_Config.visible = false;
    Image_Lan_Settings_OK.visible = true;
    Image_Lan_Settings_Cancel.visible = true;
}

void SettingsPanel::returnToListMode(bool rowSelected) {
    Image_Browser.visible = rowSelected;
    Image_Config.visible = rowSelected;
    TabSheet_Setting.visible = false;
    Image_Lan_Settings_OK.visible = false;
    Image_Lan_Settings_Cancel.visible = false;
}

void SettingsPanel::setAddressFieldsEnabled(bool enabled) {
    setEnabled(*this, kOctetFields, enabled);
    MEMO_SETTING_WebPort_EDIT.enabled = enabled;
    setEnabled(*this, kAddressLabels, enabled);
}

void SettingsPanel::setWirelessControlsEnabled(bool enabled) {
    setEnabled(*this, kWirelessLabels, enabled);
    setEnabled(*this, kComboBoxes, enabled);
    MEMO_SETTING_SSID_EDIT.enabled = enabled;
    MEMO_SETTING_EDIT_WEP.enabled = enabled;
    MEMO_SETTING_EDIT_WPA.enabled = enabled;
}

void SettingsPanel::setKeyControlsEnabled(KeyKind kind, bool enabled) {
    const bool wep = kind == KeyKind::Wep;
    (wep ? ComboBox_KeyType_WEP : ComboBox_KeyType_WPA).enabled = enabled;
    (wep ? ComboBox_KeyFormat_WEP : ComboBox_KeyFormat_WPA).enabled = enabled;
    (wep ? MEMO_SETTING_EDIT_WEP : MEMO_SETTING_EDIT_WPA).enabled = enabled;
}

void SettingsPanel::setKeyControlsVisible(KeyKind kind, bool visible) {
    const bool wep = kind == KeyKind::Wep;
    (wep ? ComboBox_KeyType_WEP : ComboBox_KeyType_WPA).visible = visible;
    (wep ? ComboBox_KeyFormat_WEP : ComboBox_KeyFormat_WPA).visible = visible;
    (wep ? MEMO_SETTING_EDIT_WEP : MEMO_SETTING_EDIT_WPA).visible = visible;
}

void SettingsPanel::emptyPasswordFields() {
    STATIC_SETTING_NEWPASSWORD_EDIT.text.clear();
    STATIC_SETTING_CONFIRMPASSWORD_EDIT.text.clear();
}

void SettingsPanel::Image_Lan_Settings_CancelClick(bool rowSelected) {
    emptyPasswordFields();
    returnToListMode(rowSelected);
    TabSheet_Setting.activePage = kLanPage;
}

} // namespace vistrel
