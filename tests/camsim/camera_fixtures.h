#pragma once
// Cameras for the camsim tests, one of each settings variant.

#include "camsim/camera_description.h"

namespace vistrel::camsim::test {

// A new wireless camera answering with the short fixed layout; the finder reads its model
// "VC-210W" as model code 10.
inline CameraDescription shortLayoutCamera() {
    CameraDescription camera;
    camera.mac = {0x02, 0x56, 0x49, 0x00, 0x00, 0x01};
    camera.modelNumber = 10;
    camera.setupFlagA = 0;
    camera.setupFlagB = 2;
    camera.variant = SettingsVariant::ShortLayout;
    camera.settings.name = "Front door";
    camera.settings.ip = {127, 0, 0, 2};
    camera.settings.webPort = 8080;
    camera.settings.password = "2580";
    return camera;
}

// A set-up camera with the long fixed layout, which reports its password as digest text;
// "VN-3000E" is model code 27. Its MAC is the one whose digests the protocol tests fix.
inline CameraDescription longLayoutCamera() {
    CameraDescription camera;
    camera.mac = {0x00, 0x1a, 0x2b, 0x3c, 0x4d, 0x5e};
    camera.modelNumber = 27;
    camera.setupFlagA = 1;
    camera.setupFlagB = 2;
    camera.variant = SettingsVariant::LongLayout;
    camera.passwordReport = PasswordReport::Digest;
    camera.firmwareVersion = "v1.10";
    camera.settings.name = "Living room";
    camera.settings.ip = {127, 0, 0, 4};
    camera.settings.password = "2580";
    return camera;
}

// A camera in XML mode with wireless on.
inline CameraDescription xmlCamera() {
    CameraDescription camera;
    camera.mac = {0x02, 0x56, 0x49, 0x00, 0x00, 0x02};
    camera.modelNumber = 23;
    camera.variant = SettingsVariant::Xml;
    camera.settings.name = "Garden";
    camera.settings.ip = {127, 0, 0, 3};
    camera.settings.password = "2580";
    // On, "Vistrel Home" on channel 6, WPA2-PSK with AES.
    camera.settings.wireless = {"1", "1", "Vistrel Home", "6", "4", "3", "garden-party", "",
                                "0", "0"};
    return camera;
}

} // namespace vistrel::camsim::test
