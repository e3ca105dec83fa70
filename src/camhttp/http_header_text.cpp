#include "camhttp/http_header_text.h"

#include "base/ascii_case.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vistrel {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace

std::optional<int> statusCodeOf(std::string_view line) {
    // "HTTP/" digit "." digit SP three digits, then the end or a blank before the reason.
    constexpr std::string_view kName = "HTTP/";
    if (line.size() < 12 || !line.starts_with(kName) || !isDigit(line[5]) || line[6] != '.' ||
        !isDigit(line[7]) || line[8] != ' ') {
        return std::nullopt;
    }
    const std::string_view code = line.substr(9, 3);
    if (!std::all_of(code.begin(), code.end(), isDigit) ||
        (line.size() > 12 && line[12] != ' ' && line[12] != '\r')) {
        return std::nullopt;
    }
    return (code[0] - '0') * 100 + (code[1] - '0') * 10 + (code[2] - '0');
}

std::string_view firstLineOf(std::string_view header) {
    return header.substr(0, header.find_first_of("\r\n"));
}

ContentLength contentLengthOf(std::string_view line) {
    constexpr std::string_view kName = "Content-Length:";
    ContentLength result;
    if (!startsWithIgnoringAsciiCase(line, kName)) {
        return result;
    }
    result.present = true;
    const std::string_view value = trimmedBlanks(line.substr(kName.size()));
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, result.length);
    // from_chars takes a '-' for unsigned types as an error already; a '+' it never takes.
    result.valid = !value.empty() && error == std::errc() && stop == end;
    if (!result.valid) {
        result.length = 0;
    }
    return result;
}

std::string hostHeaderValue(std::string_view host, std::uint16_t port) {
    std::string value(host);
    if (port != 80) {
        value += ':' + std::to_string(port);
    }
    return value;
}

std::string requestText(const HttpRequest& request, std::string_view host, std::uint16_t port) {
    std::string text;
    text.append(request.method).append(" ").append(request.target).append(" HTTP/1.1\r\n");
    text.append("Host: ").append(hostHeaderValue(host, port));
    text.append(request.authorizationLine);
    if (request.emptyBody) {
        text.append("\r\nContent-Length: 0");
    }
    text.append("\r\n\r\n");
    return text;
}

} // namespace vistrel
