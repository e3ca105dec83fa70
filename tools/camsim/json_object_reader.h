#pragma once
// Reads the fields of one JSON object of a scenario into typed slots. A field that is absent
// leaves its slot as it is; the first field of the wrong type or range records an error naming
// its path, after which nothing more is read.

#include "camsim/camera_description.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QSet>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>

namespace vistrel::camsim {

class JsonObjectReader {
public:
    JsonObjectReader(const QJsonObject& object, std::string path, std::string& error);

    void text(const char* key, std::string& slot, std::size_t maxBytes);
    void integer(const char* key, int& slot, int minimum, int maximum);
    void byte(const char* key, std::uint8_t& slot, int minimum = 0, int maximum = 255);
    void flag(const char* key, bool& slot);
    void mac(const char* key, MacAddress& slot);
    void address(const char* key, Ipv4Address& slot);
    // A number of requests, or "never".
    void readyAfter(const char* key, ReadyAfter& slot);

    template <typename T>
    void choice(const char* key, T& slot, std::initializer_list<std::pair<const char*, T>> names) {
        const std::optional<QString> name = textValue(key);
        if (!name) {
            return;
        }
        for (const auto& [text, value] : names) {
            if (*name == QLatin1String(text)) {
                slot = value;
                return;
            }
        }
        failChoice(key, *name);
    }

    std::optional<QJsonObject> object(const char* key);
    std::optional<QJsonArray> array(const char* key);

    void require(const char* key);
    // Records an error for the first key that no read asked for: most likely a misspelling.
    void rejectUnknownKeys();

    std::string pathOf(const char* key) const;
    bool failed() const { return !error_.empty(); }
    // Records an error for the field unless one was recorded before.
    void fail(const char* key, const std::string& message);

private:
    void failChoice(const char* key, const QString& name);
    QJsonValue take(const char* key);
    std::optional<QString> textValue(const char* key);

    QJsonObject object_;
    std::string path_;
    std::string& error_;
    QSet<QString> read_;
};

} // namespace vistrel::camsim
