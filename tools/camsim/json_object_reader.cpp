#include "camsim/json_object_reader.h"

#include "camsim/text_values.h"
#include "protocol/address_text.h"

#include <cmath>

namespace vistrel::camsim {

namespace {

std::optional<int> wholeNumberOf(const QJsonValue& value) {
    const double number = value.toDouble();
    if (!value.isDouble() || std::floor(number) != number || std::abs(number) > 1e9) {
        return std::nullopt;
    }
    return static_cast<int>(number);
}

std::string quoted(std::string_view text) {
    std::string result;
    result.reserve(text.size() + 2);
    return result.append(1, '"').append(text).append(1, '"');
}

} // namespace

JsonObjectReader::JsonObjectReader(const QJsonObject& object, std::string path, std::string& error)
    : object_(object), path_(std::move(path)), error_(error) {}

QJsonValue JsonObjectReader::take(const char* key) {
    read_.insert(QString::fromLatin1(key));
    return failed() ? QJsonValue(QJsonValue::Undefined) : object_.value(QLatin1String(key));
}

std::optional<QString> JsonObjectReader::textValue(const char* key) {
    const QJsonValue value = take(key);
    if (value.isUndefined()) {
        return std::nullopt;
    }
    if (!value.isString()) {
        fail(key, "not a text");
        return std::nullopt;
    }
    return value.toString();
}

void JsonObjectReader::text(const char* key, std::string& slot, std::size_t maxBytes) {
    const std::optional<QString> value = textValue(key);
    if (!value) {
        return;
    }
    const QByteArray bytes = value->toLocal8Bit(); // camera texts are 8-bit
    if (static_cast<std::size_t>(bytes.size()) > maxBytes) {
        return fail(key, "longer than " + std::to_string(maxBytes) + " bytes");
    }
    slot.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void JsonObjectReader::integer(const char* key, int& slot, int minimum, int maximum) {
    const QJsonValue value = take(key);
    if (value.isUndefined()) {
        return;
    }
    const std::optional<int> number = wholeNumberOf(value);
    if (!number || *number < minimum || *number > maximum) {
        return fail(key, "not a whole number from " + std::to_string(minimum) + " to " +
                             std::to_string(maximum));
    }
    slot = *number;
}

void JsonObjectReader::byte(const char* key, std::uint8_t& slot, int minimum, int maximum) {
    int value = slot;
    integer(key, value, minimum, maximum);
    slot = static_cast<std::uint8_t>(value);
}

void JsonObjectReader::flag(const char* key, bool& slot) {
    const QJsonValue value = take(key);
    if (value.isUndefined()) {
        return;
    }
    if (!value.isBool()) {
        return fail(key, "not true or false");
    }
    slot = value.toBool();
}

void JsonObjectReader::mac(const char* key, MacAddress& slot) {
    const std::optional<QString> value = textValue(key);
    if (!value) {
        return;
    }
    const std::string text = value->toStdString();
    const auto parsed = parseMacText(text);
    const bool colons = text.size() == 17 && text[2] == ':' && text[5] == ':' && text[8] == ':' &&
                        text[11] == ':' && text[14] == ':';
    if (!parsed || !colons) {
        return fail(key, quoted(text) + " is not a MAC address like 02:56:49:00:00:01");
    }
    slot = *parsed;
}

void JsonObjectReader::address(const char* key, Ipv4Address& slot) {
    const std::optional<QString> value = textValue(key);
    if (!value) {
        return;
    }
    const auto parsed = parseDottedDecimal(value->toStdString());
    if (!parsed) {
        return fail(key, quoted(value->toStdString()) + " is not an IPv4 address");
    }
    slot = *parsed;
}

void JsonObjectReader::readyAfter(const char* key, ReadyAfter& slot) {
    const QJsonValue value = take(key);
    if (value.isUndefined()) {
        return;
    }
    if (value.isString() && value.toString() == QLatin1String("never")) {
        slot = std::nullopt;
        return;
    }
    const std::optional<int> number = wholeNumberOf(value);
    if (!number || *number < 0 || *number > 1000000) {
        return fail(key, "neither a number of requests nor \"never\"");
    }
    slot = static_cast<unsigned>(*number);
}

std::optional<QJsonObject> JsonObjectReader::object(const char* key) {
    const QJsonValue value = take(key);
    if (value.isUndefined()) {
        return std::nullopt;
    }
    if (!value.isObject()) {
        fail(key, "not an object");
        return std::nullopt;
    }
    return value.toObject();
}

std::optional<QJsonArray> JsonObjectReader::array(const char* key) {
    const QJsonValue value = take(key);
    if (value.isUndefined()) {
        return std::nullopt;
    }
    if (!value.isArray()) {
        fail(key, "not an array");
        return std::nullopt;
    }
    return value.toArray();
}

void JsonObjectReader::require(const char* key) {
    if (!failed() && !object_.contains(QLatin1String(key))) {
        fail(key, "missing");
    }
}

void JsonObjectReader::rejectUnknownKeys() {
    for (const QString& key : object_.keys()) {
        if (!failed() && !read_.contains(key)) {
            error_ = pathOf(key.toStdString().c_str()) + ": unknown field";
        }
    }
}

std::string JsonObjectReader::pathOf(const char* key) const {
    return path_.empty() ? std::string(key) : path_ + "." + key;
}

void JsonObjectReader::failChoice(const char* key, const QString& name) {
    fail(key, quoted(name.toStdString()) + " is none of the choices");
}

void JsonObjectReader::fail(const char* key, const std::string& message) {
    if (!failed()) {
        error_ = pathOf(key) + ": " + message;
    }
}

} // namespace vistrel::camsim
