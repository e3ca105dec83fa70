#pragma once
// The texts of the camera's HTTP responses. Every response but the picture stream closes the
// connection after it.

#include <cstddef>
#include <string>
#include <string_view>

namespace vistrel::camsim {

inline constexpr std::string_view kPictureBoundary = "vistrelpicture";

// "HTTP/1.1 <status> <reason>" with a short text body and "Connection: close".
std::string simpleResponse(int status, std::string_view reason, std::string_view body);

// 401 with the challenge line; the finder looks for "Unauthorized" and the challenge.
std::string unauthorizedResponse(std::string_view challengeLine);

// The 200 header of the endless multipart stream.
std::string pictureStreamHeader();

// The header of one part. Content-Length is its last line: the finder takes the line that
// follows it as the end of the part header, so the empty line must come straight after it.
std::string picturePartHeader(std::size_t jpegLength);

} // namespace vistrel::camsim
