// Feeds arbitrary bytes to the settings documents' framing: as a framed stream that is
// inflated under a size limit, and as a document that is compressed and inflated again.
// Aborts when a document breaks the limit or does not survive the round trip.

#include "protocol/compressed_document.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::size_t kLimit = 4096;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Compressing and inflating gives back the document, under a limit of exactly its size.
void checkRoundTrip(std::string_view document) {
    const auto framed = vistrel::compressDocument(document);
    check(framed.has_value() && framed->size() >= 2);
    check((*framed)[0] == vistrel::kWireStreamMark0 && (*framed)[1] == vistrel::kWireStreamMark1);
    const auto inflated = vistrel::inflateDocument(*framed, document.size());
    check(inflated.has_value() && *inflated == document);
    if (!document.empty()) {
        check(!vistrel::inflateDocument(*framed, document.size() - 1).has_value());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto inflated = vistrel::inflateDocument(vistrel::Bytes(data, size), kLimit);
    if (inflated) {
        check(inflated->size() <= kLimit);
        checkRoundTrip(*inflated);
    }
    if (size <= kLimit) {
        checkRoundTrip(std::string_view(reinterpret_cast<const char*>(data), size));
    }
    return 0;
}
