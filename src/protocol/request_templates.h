#pragma once
// The stored request templates. Discovery always addresses every camera; the others carry
// the selected camera's MAC, written at each selection and kept until the next one. Before the
// first selection the main window's queries (0x0002, 0x0009, 0x000A, 0x0026) hold the broadcast
// MAC; the wizard's requests hold a zero MAC, which addresses no camera.

#include "protocol/admin_datagram.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace vistrel {

inline constexpr std::size_t kDigestTextFieldSize = 64; // 32 characters, then zero bytes

template <std::size_t N> using Request = std::array<std::uint8_t, N>;

struct RequestTemplates {
    RequestTemplates();

    Request<10> DiscoveryRequest;                   // 0x0004, MAC ff:ff:ff:ff:ff:ff
    Request<10> SettingsQuery;                      // 0x0002
    Request<10> WirelessRecordQuery;                // 0x0009
    Request<10> SurveyRequest;                      // 0x000A
    Request<10> DhcpStatusQuery;                    // 0x0026
    Request<10> LinkTestRequest;                    // 0x0028
    Request<10> WpsStatusRequest;                   // 0x0030
    Request<11> Command27Request;                   // 0x0027, byte 10 = 1
    Request<75> Command27AuthRequest;               // 0x0027, byte 10 = 1, digest text at 11
    Request<74> WpsStartHeader;                     // 0x0029, digest text at 10
    Request<kWirelessRecordSize> WirelessSetHeader; // 0x0023, wireless record after the header

    // Rewrites the MAC field of every template but discovery.
    void setCameraMac(const MacAddress& mac);

    // Writes the 32-character digest text that proves the password to the camera into the
    // long 0x0027 request and the WPS start request, zero bytes after it.
    void setAuthenticationText(std::string_view digestText);
};

} // namespace vistrel
