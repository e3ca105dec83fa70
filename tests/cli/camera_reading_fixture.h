#pragma once
// A camera read as the command line reads it, without sockets: its discovery reply and its
// settings reply go through the reply decoder into a CameraReading, whose queries are kept.

#include "cli/camera_session.h"
#include "config/config_fixtures.h"
#include "protocol/reply_dispatcher.h"
#include "support/datagram_fixtures.h"
#include "support/settings_reply_fixtures.h"

#include <gtest/gtest.h>

namespace vistrel::test {

inline constexpr MacAddress kCameraMac{0x02, 0x56, 0x49, 0x00, 0x01, 0x0a};
inline constexpr const char* kCameraMacText = "02:56:49:00:01:0a";

// Model numbers whose names give these forms and limits: XML-capable with 63-character names
// and passwords; short layout; long layout with 31 and 12.
inline constexpr std::uint8_t kXmlModel = 23;
inline constexpr std::uint8_t kShortModel = 10;
inline constexpr std::uint8_t kLongModel = 27;

struct ReadCamera {
    RecordingSender sender;
    CameraReading reading{sender};

    void receive(const std::vector<std::uint8_t>& datagram) {
        decodeReply(datagram, reading.config.camera.macText, reading);
    }

    // The camera answers a search at 192.168.2.3 and is selected.
    void answer(std::uint8_t modelNumber, std::string_view name = "Porch") {
        DiscoveryReplyFields fields;
        fields.mac = kCameraMac;
        fields.name = name;
        fields.modelNumber = modelNumber;
        receive(discoveryReply(fields));
        ASSERT_TRUE(reading.select(kCameraMacText));
    }

    void receiveDocument(std::string_view outer, std::string_view wireless) {
        receive(xmlSettingsReply(kCameraMac, settingsDocument(outer, wireless)));
    }
};

struct CameraReadingFixture : ReadCamera, ::testing::Test {};

} // namespace vistrel::test
