#pragma once
// The byte spans that every layer passes around: received and encoded datagrams, documents
// and pictures come in as read-only spans and are built in mutable ones.

#include <cstdint>
#include <span>

namespace vistrel {

using Bytes = std::span<const std::uint8_t>;
using MutableBytes = std::span<std::uint8_t>;

} // namespace vistrel
