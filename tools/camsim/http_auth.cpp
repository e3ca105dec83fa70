#include "camsim/http_auth.h"

#include "base/base64.h"
#include "base/md5.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>

namespace vistrel::camsim {

namespace {

constexpr std::string_view kBasicPrefix = "Basic ";
constexpr std::string_view kDigestPrefix = "Digest ";

std::string md5HexOf(std::initializer_list<std::string_view> parts) {
    std::string text;
    bool first = true;
    for (const std::string_view part : parts) {
        text += first ? "" : ":";
        text += part;
        first = false;
    }
    return md5HexLower(md5Of(text));
}

std::string_view skipBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t,");
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// Reads a quoted value after its opening quote; a backslash escapes the next character.
std::string quotedValue(std::string_view& text) {
    std::string value;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != '"'; ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
        }
        value += text[i];
    }
    text.remove_prefix(std::min(i + 1, text.size()));
    return value;
}

std::string plainValue(std::string_view& text) {
    const std::size_t end = std::min(text.find(','), text.size());
    std::string value(text.substr(0, end));
    value.erase(value.find_last_not_of(" \t") + 1);
    text.remove_prefix(end);
    return value;
}

using Parameters = std::map<std::string, std::string>;

std::string valueOf(const Parameters& parameters, const char* key) {
    const auto found = parameters.find(key);
    return found == parameters.end() ? std::string() : found->second;
}

std::string expectedDigestResponse(const AuthCheck& check, const Parameters& p) {
    const std::string ha1 = md5HexOf({kCameraUser, check.realm, check.password});
    const std::string ha2 = md5HexOf({check.method, check.target});
    const auto value = [&](const char* key) { return valueOf(p, key); };
    if (!p.contains("qop")) {
        return md5HexOf({ha1, value("nonce"), ha2});
    }
    return md5HexOf({ha1, value("nonce"), value("nc"), value("cnonce"), value("qop"), ha2});
}

std::string parameterRefusal(const AuthCheck& check, const Parameters& p, const NonceBook& nonces) {
    const auto value = [&](const char* key) { return valueOf(p, key); };
    if (value("username") != kCameraUser) {
        return "user \"" + value("username") + "\"";
    }
    if (value("realm") != check.realm) {
        return "realm \"" + value("realm") + "\"";
    }
    if (!nonces.knows(value("nonce"))) {
        return "a nonce this camera did not give";
    }
    if (value("uri") != check.target) {
        return "uri \"" + value("uri") + "\" is not the request's";
    }
    if (p.contains("qop") &&
        (value("qop") != "auth" || value("nc").empty() || value("cnonce").empty())) {
        return "qop \"" + value("qop") + "\" without nc and cnonce";
    }
    return {};
}

} // namespace

NonceBook::NonceBook() : random_(std::random_device{}()) {}

std::string NonceBook::issue() {
    char text[33];
    std::snprintf(text, sizeof text, "%016llx%016llx", static_cast<unsigned long long>(random_()),
                  static_cast<unsigned long long>(random_()));
    issued_.emplace_back(text);
    if (issued_.size() > kRemembered) {
        issued_.pop_front();
    }
    return text;
}

bool NonceBook::knows(std::string_view nonce) const {
    return std::find(issued_.begin(), issued_.end(), nonce) != issued_.end();
}

std::string challengeLine(HttpAuth auth, std::string_view realm, std::string_view nonce) {
    std::string line = "WWW-Authenticate: ";
    if (auth == HttpAuth::Basic) {
        return line + "Basic realm=\"" + std::string(realm) + "\"";
    }
    return line + "Digest realm=\"" + std::string(realm) + "\", nonce=\"" + std::string(nonce) +
           "\", qop=\"auth\"";
}

std::map<std::string, std::string> digestParameters(std::string_view text) {
    std::map<std::string, std::string> parameters;
    for (text = skipBlanks(text); !text.empty(); text = skipBlanks(text)) {
        const std::size_t equals = text.find('=');
        if (equals == std::string_view::npos) {
            break;
        }
        std::string key(text.substr(0, equals));
        key.erase(key.find_last_not_of(" \t") + 1);
        text.remove_prefix(equals + 1);
        text = text.substr(std::min(text.find_first_not_of(" \t"), text.size()));
        if (!text.empty() && text.front() == '"') {
            text.remove_prefix(1);
            parameters.emplace(std::move(key), quotedValue(text));
        } else {
            parameters.emplace(std::move(key), plainValue(text));
        }
    }
    return parameters;
}

std::string basicRefusal(const AuthCheck& check) {
    if (!check.authorization.starts_with(kBasicPrefix)) {
        return check.authorization.empty() ? "no credentials" : "not Basic credentials";
    }
    const std::string expected =
        base64Encode(std::string(kCameraUser) + ":" + std::string(check.password));
    return check.authorization.substr(kBasicPrefix.size()) == expected ? ""
                                                                       : "wrong user or password";
}

std::string digestRefusal(const AuthCheck& check, const NonceBook& nonces) {
    if (!check.authorization.starts_with(kDigestPrefix)) {
        return check.authorization.empty() ? "no credentials" : "not Digest credentials";
    }
    const auto parameters = digestParameters(check.authorization.substr(kDigestPrefix.size()));
    if (std::string refusal = parameterRefusal(check, parameters, nonces); !refusal.empty()) {
        return refusal;
    }
    const auto response = parameters.find("response");
    if (response == parameters.end() ||
        response->second != expectedDigestResponse(check, parameters)) {
        return "wrong response: wrong password";
    }
    return {};
}

} // namespace vistrel::camsim
