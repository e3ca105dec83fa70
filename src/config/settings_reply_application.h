#pragma once
// Applies the selected camera's settings reply to its configuration state: the camera record,
// the settings records, the wireless record, the wireless tab and what is known of its password.
// The reply decoder has already dropped replies from any other camera.

#include "base/byte_layout.h"
#include "config/camera_configuration.h"
#include "protocol/settings_reply.h"

namespace vistrel {

// Either form: the wire mark at offset 84 tells the XML form, the model code which fixed one.
void applySettingsReply(CameraConfiguration& config, Bytes datagram);

// XML form: the camera is in XML mode from now on and its wireless controls are enabled. The
// elements apply in document order; a document that cannot be read, or a numeric element
// whose text is not a decimal number, abandons the rest, and what was applied stays.
void applyXmlSettingsReply(CameraConfiguration& config, Bytes datagram);

// Fixed form: a reply without password credential updates the camera name alone. Otherwise the
// camera's values go into its record and, field by field, into the settings record of its
// form, so that the next settings write sends them back; the camera leaves XML mode.
void applyFixedSettingsReply(CameraConfiguration& config, const FixedSettingsReply& reply);

} // namespace vistrel
