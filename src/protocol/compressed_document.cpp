#include "protocol/compressed_document.h"

#include <zlib.h>

namespace vistrel {

namespace {

constexpr std::uint8_t kZlibHeader0 = 0x78;
constexpr std::uint8_t kZlibHeader1 = 0x9C;

} // namespace

std::optional<std::vector<std::uint8_t>> compressDocument(std::string_view document) {
    uLongf compressedSize = compressBound(static_cast<uLong>(document.size()));
    std::vector<std::uint8_t> stream(compressedSize);
    const int status =
        compress2(stream.data(), &compressedSize, reinterpret_cast<const Bytef*>(document.data()),
                  static_cast<uLong>(document.size()), Z_BEST_COMPRESSION);
    if (status != Z_OK || compressedSize < 2) {
        return std::nullopt;
    }
    stream.resize(compressedSize);
    stream[0] = kWireStreamMark0;
    stream[1] = kWireStreamMark1;
    return stream;
}

std::optional<std::string> inflateDocument(Bytes framedStream, std::size_t maxDocumentSize) {
    if (framedStream.size() < 2) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> stream(framedStream.begin(), framedStream.end());
    stream[0] = kZlibHeader0;
    stream[1] = kZlibHeader1;

    // One byte of room beyond the limit tells a document that fits from one that does not.
    std::string document(maxDocumentSize + 1, '\0');
    z_stream inflater{};
    if (inflateInit(&inflater) != Z_OK) {
        return std::nullopt;
    }
    inflater.next_in = stream.data();
    inflater.avail_in = static_cast<uInt>(stream.size());
    inflater.next_out = reinterpret_cast<Bytef*>(document.data());
    inflater.avail_out = static_cast<uInt>(document.size());
    const int status = inflate(&inflater, Z_FINISH);
    const std::size_t produced = inflater.total_out;
    inflateEnd(&inflater);
    if (status != Z_STREAM_END || produced > maxDocumentSize) {
        return std::nullopt;
    }
    document.resize(produced);
    return document;
}

} // namespace vistrel
