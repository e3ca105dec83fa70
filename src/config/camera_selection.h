#pragma once
// Selecting a camera in the list (the list view's click) makes it the target of everything that
// follows: its row fills the camera record, the request templates get its MAC, and three
// queries ask it for its settings, its wireless record and its DHCP state.

#include "config/camera_configuration.h"
#include "discovery/camera_discovery.h"
#include "discovery/camera_list.h"
#include "protocol/datagram_sender.h"

namespace vistrel {

enum class SelectionOutcome {
    NoSelection,   // no row selected: web page and configure hidden, nothing sent
    QueriesSent,   // 0x0002, 0x0009 and 0x0026 went out, in this order
    Unaddressable, // the row's MAC text is not a MAC: the templates address no camera and
                   // nothing is sent
};

// Reads the list's selected row. The wireless controls are disabled until the camera's XML
// settings reply enables them; the settings fields of the record keep the previous camera's
// values until this camera's reply arrives. The wizard gets the camera's address as shown.
SelectionOutcome selectCamera(CameraConfiguration& config, const CameraList& list,
                              CameraDiscovery& discovery, DatagramSender& sender);

} // namespace vistrel
