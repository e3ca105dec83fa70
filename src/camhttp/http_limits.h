#pragma once

#include <chrono>
#include <cstddef>

namespace vistrel {

// The bounds of one HTTP conversation with a camera: how long each wait may take and how many
// bytes a header or a picture may hold, so that a silent or hostile camera can neither hold a
// thread nor grow its memory without end.
struct HttpLimits {
    // A connection not made within this time counts as failed.
    std::chrono::milliseconds connectTimeout{3000};
    // The whole response header must arrive within this time of the request; while pictures
    // stream, each receive may wait this long for the next bytes.
    std::chrono::milliseconds receiveTimeout{3000};
    // A response header above this size never ends as far as the client is concerned.
    // Cameras send a few hundred bytes; 8 KiB is what common servers accept themselves.
    std::size_t responseHeaderBytes = std::size_t{8} * 1024;
    // A picture stream's part header line; longer lines are passed over unread.
    std::size_t partLineBytes = 1024;
    // Bytes read between two pictures while looking for the next part header; past this the
    // stream has lost its place.
    std::size_t partHeaderBytes = std::size_t{64} * 1024;
    // The largest picture kept. A 1920 x 1080 JPEG of high quality is under 1 MiB and one of
    // 3840 x 2160 a few MiB, so 8 MiB keeps every real picture while a lying Content-Length
    // cannot make the client allocate more; a longer part is read past and skipped.
    std::size_t pictureBytes = std::size_t{8} * 1024 * 1024;
};

} // namespace vistrel
