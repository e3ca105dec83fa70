#include "camsim/http_request.h"

#include "base/ascii_case.h"

#include <algorithm>
#include <cctype>

namespace vistrel::camsim {

namespace {

constexpr std::string_view kEndOfHead = "\r\n\r\n";
constexpr std::size_t kMaxFirstLineInLog = 80;

bool isTokenCharacter(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 ||
           std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

bool isToken(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isTokenCharacter);
}

bool isVisibleText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte > 0x20 && byte != 0x7F;
    });
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::vector<std::string_view> linesOf(std::string_view head) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= head.size();) {
        const std::size_t end = std::min(head.find("\r\n", start), head.size());
        lines.push_back(head.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// "METHOD /target HTTP/1.x": a token, a target from the root, a known version.
bool readRequestLine(std::string_view line, HttpRequest& request) {
    const std::size_t firstSpace = line.find(' ');
    const std::size_t secondSpace =
        firstSpace == std::string_view::npos ? firstSpace : line.find(' ', firstSpace + 1);
    if (secondSpace == std::string_view::npos) {
        return false;
    }
    request.method = line.substr(0, firstSpace);
    request.target = line.substr(firstSpace + 1, secondSpace - firstSpace - 1);
    request.version = line.substr(secondSpace + 1);
    return isToken(request.method) && !request.target.empty() && request.target[0] == '/' &&
           isVisibleText(request.target) &&
           (request.version == "HTTP/1.1" || request.version == "HTTP/1.0");
}

} // namespace

std::string_view HttpRequest::path() const {
    return std::string_view(target).substr(0, target.find('?'));
}

std::string_view HttpRequest::query() const {
    const std::size_t mark = target.find('?');
    return mark == std::string::npos ? std::string_view()
                                     : std::string_view(target).substr(mark + 1);
}

std::string_view HttpRequest::header(std::string_view name) const {
    for (const auto& [key, value] : headers) {
        if (equalIgnoringAsciiCase(key, name)) {
            return value;
        }
    }
    return {};
}

std::string_view queryValue(std::string_view query, std::string_view key) {
    while (!query.empty()) {
        const std::string_view pair = query.substr(0, query.find('&'));
        const std::size_t equals = pair.find('=');
        if (equals != std::string_view::npos && pair.substr(0, equals) == key) {
            return pair.substr(equals + 1);
        }
        query.remove_prefix(std::min(pair.size() + 1, query.size()));
    }
    return {};
}

HttpRequestReader::State HttpRequestReader::feed(std::string_view bytes) {
    if (state_ != State::Incomplete) {
        return state_;
    }
    // Bytes beyond the limit cannot belong to an acceptable head; one more tells the two apart.
    const std::size_t room =
        kMaxRequestHeadSize + 1 - std::min(buffer_.size(), kMaxRequestHeadSize);
    buffer_.append(bytes.substr(0, room));
    const std::size_t end = buffer_.find(kEndOfHead);
    if (end == std::string::npos || end + kEndOfHead.size() > kMaxRequestHeadSize) {
        if (buffer_.size() > kMaxRequestHeadSize) {
            fail("request head longer than 8192 bytes");
        }
        return state_;
    }
    parse(std::string_view(buffer_).substr(0, end));
    return state_;
}

std::string HttpRequestReader::firstLine() const {
    const std::string_view line = std::string_view(buffer_).substr(0, buffer_.find("\r\n"));
    return std::string(line.substr(0, kMaxFirstLineInLog));
}

void HttpRequestReader::parse(std::string_view head) {
    const std::vector<std::string_view> lines = linesOf(head);
    if (!readRequestLine(lines.front(), request_)) {
        return fail("no request line");
    }
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t colon = lines[i].find(':');
        if (colon == std::string_view::npos || !isToken(lines[i].substr(0, colon))) {
            return fail("malformed header line");
        }
        request_.headers.emplace_back(lines[i].substr(0, colon),
                                      trimmed(lines[i].substr(colon + 1)));
    }
    state_ = State::Complete;
}

void HttpRequestReader::fail(std::string reason) {
    error_ = std::move(reason);
    state_ = State::Malformed;
}

} // namespace vistrel::camsim
