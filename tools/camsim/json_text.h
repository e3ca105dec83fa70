#pragma once
// JSON texts for the event log, written without a library: a string literal, and an object
// whose members keep the order in which they were added.

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vistrel::camsim {

// The text as a JSON string literal with its quotes. Camera texts are 8-bit: valid UTF-8
// sequences pass unchanged, every other byte of 0x80 and above becomes \u00XX, so that the
// result is always valid JSON.
std::string jsonString(std::string_view text);

class JsonObject {
public:
    JsonObject& add(std::string_view key, std::string_view text);
    JsonObject& add(std::string_view key, const char* text) {
        return add(key, std::string_view(text));
    }
    JsonObject& add(std::string_view key, long long number);
    JsonObject& add(std::string_view key, int number) {
        return add(key, static_cast<long long>(number));
    }
    JsonObject& add(std::string_view key, unsigned number) {
        return add(key, static_cast<long long>(number));
    }
    JsonObject& add(std::string_view key, std::size_t number) {
        return add(key, static_cast<long long>(number));
    }
    JsonObject& add(std::string_view key, std::uint8_t number) {
        return add(key, static_cast<long long>(number));
    }
    JsonObject& add(std::string_view key, bool value);
    JsonObject& add(std::string_view key, const JsonObject& object);
    // Appends the other object's members after this one's.
    JsonObject& append(const JsonObject& other);

    bool empty() const { return members_.empty(); }
    std::string text() const; // "{...}" on one line

private:
    JsonObject& addRaw(std::string_view key, std::string value);

    std::vector<std::pair<std::string, std::string>> members_; // key, JSON value text
};

} // namespace vistrel::camsim
