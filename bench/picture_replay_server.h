#pragma once
// A camera's picture stream for benchmarks: camera-like noisy JPEG pictures of one size,
// encoded once, served to every client as a multipart stream as fast as it reads, in a loop.

#include <cstdint>
#include <vector>

namespace vistrel::bench {

inline constexpr char kReplayAddress[] = "127.0.0.2";

// The pictures the server sends for one size, in their order.
std::vector<std::vector<std::uint8_t>> replayPictures(int width, int height);

// Encodes the pictures, listens on the replay address and port, prints "ready" and serves
// until the process is stopped. Returns only when it cannot listen.
int runReplayServer(int width, int height, std::uint16_t port);

} // namespace vistrel::bench
