// Feeds arbitrary bytes, in two pieces, to a test camera's web server as one client's request
// and aborts when the answer is no complete HTTP response.

#include "camsim/http_exchange.h"
#include "camsim/http_request.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace vistrel::camsim;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

CameraState& camera(std::uint8_t selector) {
    static CameraState cameras[] = {[] {
                                        CameraDescription d;
                                        d.mac = {0x02, 0x56, 0x49, 0x00, 0x00, 0x01};
                                        d.httpAuth = HttpAuth::Basic;
                                        return CameraState(d);
                                    }(),
                                    [] {
                                        CameraDescription d;
                                        d.mac = {0x02, 0x56, 0x49, 0x00, 0x00, 0x02};
                                        d.httpAuth = HttpAuth::Digest;
                                        return CameraState(d);
                                    }(),
                                    CameraState(CameraDescription{})};
    return cameras[selector % 3];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    static NonceBook nonces;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t split = std::min<std::size_t>(data[0], text.size());
    HttpRequestReader reader;
    reader.feed(text.substr(0, split));
    const auto state = reader.feed(text.substr(split));
    CameraState& target = camera(data[0]);
    if (state == HttpRequestReader::State::Incomplete) {
        return 0;
    }
    const HttpAnswer answer =
        state == HttpRequestReader::State::Complete
            ? answerRequest(reader.request(), target, nonces)
            : answerMalformedRequest(reader.firstLine(), reader.error(), target);
    check(answer.response.rfind("HTTP/1.1 ", 0) == 0);
    check(answer.response.find("\r\n\r\n") != std::string::npos);
    check(!answer.entry.verdict.empty());
    check(target.view().pan() >= -ViewPosition::kStepsFromCentre &&
          target.view().pan() <= ViewPosition::kStepsFromCentre);
    return 0;
}
