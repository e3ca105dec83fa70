#include "camsim/http_responses.h"

namespace vistrel::camsim {

std::string simpleResponse(int status, std::string_view reason, std::string_view body) {
    std::string response =
        "HTTP/1.1 " + std::to_string(status) + " " + std::string(reason) +
        "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
        "\r\nConnection: close\r\n\r\n";
    return response.append(body);
}

std::string unauthorizedResponse(std::string_view challengeLine) {
    constexpr std::string_view kBody = "401 Unauthorized\n";
    return "HTTP/1.1 401 Unauthorized\r\n" + std::string(challengeLine) +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(kBody.size()) +
           "\r\nConnection: close\r\n\r\n" + std::string(kBody);
}

std::string pictureStreamHeader() {
    return "HTTP/1.1 200 OK\r\nContent-Type: multipart/x-mixed-replace; boundary=" +
           std::string(kPictureBoundary) +
           "\r\nCache-Control: no-cache\r\nConnection: close\r\n\r\n";
}

std::string picturePartHeader(std::size_t jpegLength) {
    return "--" + std::string(kPictureBoundary) +
           "\r\nContent-Type: image/jpeg\r\nContent-Length: " + std::to_string(jpegLength) +
           "\r\n\r\n";
}

} // namespace vistrel::camsim
