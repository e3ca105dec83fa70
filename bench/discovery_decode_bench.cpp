// Decodes bursts of distinct discovery replies into the camera list, which stays ordered by
// state after every addition, and prints the cost per reply.

#include "discovery/camera_discovery.h"
#include "protocol/reply_dispatcher.h"
#include "support/datagram_fixtures.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <vector>

namespace {

using namespace vistrel;

// Distinct cameras with a realistic mix of new, set-up and other ones, models and names.
std::vector<std::vector<std::uint8_t>> repliesOf(int count) {
    std::mt19937 random(12345);
    std::vector<std::vector<std::uint8_t>> replies;
    for (int i = 0; i < count; ++i) {
        test::DiscoveryReplyFields fields;
        fields.mac = {0x00,
                      0x1a,
                      static_cast<std::uint8_t>(i >> 16),
                      static_cast<std::uint8_t>(i >> 8),
                      static_cast<std::uint8_t>(i),
                      0x01};
        const std::string name = "Camera " + std::to_string(random() % 100000);
        fields.name = name;
        fields.ip = {10, static_cast<std::uint8_t>(i >> 16), static_cast<std::uint8_t>(i >> 8),
                     static_cast<std::uint8_t>(i)};
        fields.modelNumber = static_cast<std::uint8_t>(1 + random() % 58);
        fields.vendorCode = static_cast<std::uint8_t>(random() % 35);
        fields.setupFlagA = static_cast<std::uint8_t>(random() % 2);
        fields.setupFlagB = static_cast<std::uint8_t>(random() % 3);
        fields.nameTableSelector = static_cast<std::uint8_t>(random() % 3);
        replies.push_back(test::discoveryReply(fields));
    }
    return replies;
}

double microsecondsPerReply(int count) {
    const auto replies = repliesOf(count);
    CameraList list;
    TDeviceItem selected;
    CameraDiscovery discovery(list, selected);

    const auto start = std::chrono::steady_clock::now();
    for (const auto& reply : replies) {
        decodeReply(reply, selected.macText, discovery);
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    if (list.rowCount() != count) {
        std::fprintf(stderr, "listed %d of %d cameras\n", list.rowCount(), count);
    }
    return std::chrono::duration<double, std::micro>(elapsed).count() / count;
}

} // namespace

int main() {
    std::printf("%-10s %s\n", "cameras", "microseconds per reply");
    for (const int count : {250, 1000, 10000}) {
        double best = 1e9;
        for (int run = 0; run < 5; ++run) {
            best = std::min(best, microsecondsPerReply(count));
        }
        std::printf("%-10d %.2f\n", count, best);
    }
    return 0;
}
