#pragma once
// Settings documents travel as zlib streams whose two header bytes are replaced on the wire
// by 0xAC 0xED. The sender compresses and overwrites them; the receiver writes 0x78 0x9C back
// and inflates.

#include "base/bytes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vistrel {

inline constexpr std::uint8_t kWireStreamMark0 = 0xAC;
inline constexpr std::uint8_t kWireStreamMark1 = 0xED;

// The document deflated at level 9 with the wire mark in place of the zlib header;
// nullopt when the compressor fails.
std::optional<std::vector<std::uint8_t>> compressDocument(std::string_view document);

// The inflated document of a framed stream, or nullopt when the stream is not a complete
// zlib stream or inflates to more than maxDocumentSize bytes.
std::optional<std::string> inflateDocument(Bytes framedStream, std::size_t maxDocumentSize);

} // namespace vistrel
