#pragma once
// Putting addresses into the panel's octet fields: from the camera record's padded texts when
// the panel opens, and from the wizard's address edits before its checks.

#include "config/settings_panel.h"

#include <string_view>

namespace vistrel {

// Writes an address text of the record's form "192.168.  2.  3" into the group's four fields as
// plain decimal texts ("2", not "  2"). A group of the text that holds no number leaves its
// field empty, so that the LAN check asks for it rather than sending a made-up zero.
void fillAddressFields(SettingsPanel& panel, AddressGroup group, std::string_view paddedText);

// PutAddressesInPanel: each dotted text split at its dots (runs of dots count as one; leading
// and trailing dots are ignored), at most four pieces read leniently as integers and written in
// plain decimal into the next fields. Fields for which a text has no piece keep their text.
void PutAddressesInPanel(SettingsPanel& panel, std::string_view ip, std::string_view netmask,
                         std::string_view gateway, std::string_view dns);

// A dotted address typed into the group's four fields: the text between dots goes into each
// field as it stands, so that the LAN check judges exactly what was given. A text of fewer than
// four parts leaves the remaining fields empty; the last field takes whatever follows the third
// dot, further dots included.
void typeDottedAddress(SettingsPanel& panel, AddressGroup group, std::string_view dotted);

} // namespace vistrel
