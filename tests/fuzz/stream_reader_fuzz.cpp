// Feeds arbitrary bytes to the picture stream reader as a camera's answer, its response header
// and then its parts, cut into pieces as packets would cut them, under small limits; aborts
// when a read breaks its bounds.

#include "camhttp/stream_reader.h"
#include "support/scripted_byte_source.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

vistrel::HttpLimits smallLimits() {
    vistrel::HttpLimits limits;
    limits.responseHeaderBytes = 512;
    limits.partLineBytes = 64;
    limits.partHeaderBytes = 1024;
    limits.pictureBytes = 4096;
    return limits;
}

// The first byte chooses the piece size and how the bytes end; the rest is the answer.
vistrel::test::ScriptedByteSource sourceOf(const std::uint8_t* data, std::size_t size) {
    const std::size_t pieceSize = size > 0 ? 1 + data[0] % 64 : 1;
    const auto end = size > 0 && (data[0] & 0x80) != 0 ? vistrel::ReceiveStatus::TimedOut
                                                       : vistrel::ReceiveStatus::Closed;
    std::vector<std::string> pieces;
    pieces.reserve(size / pieceSize + 1);
    for (std::size_t at = 1; at < size; at += pieceSize) {
        pieces.emplace_back(reinterpret_cast<const char*>(data) + at,
                            std::min(pieceSize, size - at));
    }
    return vistrel::test::ScriptedByteSource(std::move(pieces), end);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const vistrel::HttpLimits limits = smallLimits();
    vistrel::test::ScriptedByteSource source = sourceOf(data, size);
    vistrel::StreamReader reader(source, limits);
    const vistrel::ResponseHeader header = reader.readResponseHeader({});
    // Each line gains at most a CR on its way into the text.
    check(header.text.size() <= 2 * limits.responseHeaderBytes);
    std::vector<std::uint8_t> picture;
    for (int frame = 0; frame < 64; ++frame) {
        const vistrel::FrameStatus status = reader.readFrame(picture);
        check(picture.size() <= limits.pictureBytes);
        check(status == vistrel::FrameStatus::Picture || picture.empty());
        if (status == vistrel::FrameStatus::Closed) {
            break;
        }
    }
    return 0;
}
