// Feeds arbitrary text to the test camera's scenario reader. A scenario that is read and passes
// the checks becomes running cameras, which answer a search: aborts when one of them answers
// with a datagram that breaks the reply contract.

#include "camsim/request_handler.h"
#include "camsim/scenario_checks.h"
#include "camsim/scenario_reader.h"
#include "protocol/request_templates.h"

#include <QByteArray>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

using namespace vistrel;
using namespace vistrel::camsim;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ScenarioReading reading = readScenarioText(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    if (!reading.error.empty() || !checkScenario(reading.cameras).errors.empty()) {
        return 0;
    }
    std::vector<CameraState> cameras(reading.cameras.begin(), reading.cameras.end());
    RequestHandler handler(cameras);
    const RequestTemplates templates;
    const RequestOutcome outcome = handler.handle(templates.DiscoveryRequest);
    for (const OutgoingReply& reply : outcome.replies) {
        check(reply.datagram.size() >= 10 && reply.datagram.size() <= 65507);
    }
    // Every camera answers the search.
    for (const CameraState& camera : cameras) {
        check(std::any_of(
            outcome.replies.begin(), outcome.replies.end(),
            [&](const OutgoingReply& reply) { return macOf(reply.datagram) == camera.mac(); }));
    }
    return 0;
}
