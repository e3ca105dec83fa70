#include "camsim/wireless_record.h"

#include "camsim/reply_encoder.h"
#include "protocol/request_templates.h"

#include <charconv>

namespace vistrel::camsim {

namespace {

constexpr std::size_t kSsid = 10;
constexpr std::size_t kSsidSize = 33;
constexpr std::size_t kChannel = 61;
constexpr std::size_t kFixedTwo = 62; // always 2 in the finder's records
constexpr std::size_t kCipher = 63;
constexpr std::size_t kKeyFormat = 64;
constexpr std::size_t kKeyIndex = 65;
constexpr std::size_t kWepKey = 66;
constexpr std::size_t kWepKeySlotSize = 26;
constexpr std::size_t kMode = 171;
constexpr std::size_t kWpaKey = 172;
constexpr std::size_t kWpaKeySize = 65;
constexpr std::size_t kDigestText = 237;

constexpr int kLastChannel = 14;

enum Mode : std::uint8_t { kOpen = 0, kWep = 1, kWpaPsk = 3, kWpa2Psk = 4, kWpaNone = 5 };
enum Cipher : std::uint8_t { kNoCipher = 0, kWep64 = 1, kWep128 = 2, kTkip = 3, kAes = 4 };

// Codes of the settings document's wireless elements, which hold them as decimal text.
constexpr int kAuthNone = 0;
constexpr int kAuthWep = 2;
constexpr int kEncryptionNone = 0;
constexpr int kEncryptionWep = 1;
constexpr int kEncryptionTkip = 2;
constexpr int kEncryptionAes = 3;
constexpr int kWepKeyHexadecimal = 0;
constexpr int kWepKeyCharacters = 1;

std::string codeText(int code) {
    return std::to_string(code);
}

int numberOf(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// WEP keys are 5 or 13 characters, or 10 or 26 hexadecimal digits.
bool wepKeyFits(const WirelessRecordFields& record) {
    const std::size_t characters = record.cipher == kWep64 ? 5 : 13;
    const std::size_t length = record.keyFormat == 1 ? 2 * characters : characters;
    return (record.cipher == kWep64 || record.cipher == kWep128) && record.keyFormat <= 1 &&
           record.wepKey.size() == length;
}

std::string refusalOf(const WirelessRecordFields& record) {
    if (record.ssid.empty()) {
        return "no SSID";
    }
    if (channelOfByte(record.channel) > kLastChannel) {
        return "channel byte " + std::to_string(record.channel) + " is no channel";
    }
    switch (record.mode) {
    case kOpen:
        return record.cipher == kNoCipher ? "" : "an open network with a cipher";
    case kWep:
        return wepKeyFits(record) ? "" : "WEP key does not fit its cipher and key format";
    case kWpaPsk:
    case kWpa2Psk:
    case kWpaNone:
        if (record.cipher != kTkip && record.cipher != kAes) {
            return "WPA without TKIP or AES";
        }
        return record.wpaKey.size() >= 8 && record.wpaKey.size() <= 64
                   ? ""
                   : "WPA key of " + std::to_string(record.wpaKey.size()) + " characters";
    default:
        return "unknown security mode " + std::to_string(record.mode);
    }
}

void applySecurity(const WirelessRecordFields& record, WirelessSettings& settings) {
    settings.wepkey1.clear();
    settings.wpakey.clear();
    if (record.mode == kOpen) {
        settings.auth = codeText(kAuthNone);
        settings.encryption = codeText(kEncryptionNone);
    } else if (record.mode == kWep) {
        settings.auth = codeText(kAuthWep);
        settings.encryption = codeText(kEncryptionWep);
        settings.wepkey1 = record.wepKey;
        settings.wepkeysize = codeText(record.cipher == kWep128 ? 1 : 0);
        settings.wepkeytype =
            codeText(record.keyFormat == 1 ? kWepKeyHexadecimal : kWepKeyCharacters);
    } else {
        settings.auth = codeText(record.mode); // WPA modes keep their number
        settings.encryption = codeText(record.cipher == kTkip ? kEncryptionTkip : kEncryptionAes);
        settings.wpakey = record.wpaKey;
    }
}

std::uint8_t channelByteOf(int channel) {
    return static_cast<std::uint8_t>(channel / 10 * 16 + channel % 10);
}

void writeSecurity(MutableBytes record, const WirelessSettings& settings) {
    const int auth = numberOf(settings.auth);
    if (auth == kAuthWep) {
        record[kMode] = kWep;
        record[kCipher] = numberOf(settings.wepkeysize) == 1 ? kWep128 : kWep64;
        record[kKeyFormat] = numberOf(settings.wepkeytype) == kWepKeyHexadecimal ? 1 : 0;
        writeText(record, kWepKey, kWepKeySlotSize, settings.wepkey1);
    } else if (auth >= kWpaPsk) {
        record[kMode] = static_cast<std::uint8_t>(auth);
        record[kCipher] = numberOf(settings.encryption) == kEncryptionTkip ? kTkip : kAes;
        writeText(record, kWpaKey, kWpaKeySize, settings.wpakey);
    }
}

} // namespace

WirelessRecordFields readWirelessRecord(Bytes datagram) {
    const auto record = copyLayout<kWirelessRecordSize>(datagram);
    WirelessRecordFields fields;
    fields.ssid = readText(record, kSsid, kSsidSize);
    fields.channel = record[kChannel];
    fields.cipher = record[kCipher];
    fields.keyFormat = record[kKeyFormat];
    fields.keyIndex = record[kKeyIndex];
    fields.wepKey = readText(record, kWepKey, kWepKeySlotSize);
    fields.mode = record[kMode];
    fields.wpaKey = readText(record, kWpaKey, kWpaKeySize);
    fields.digestText = readText(record, kDigestText, kDigestTextFieldSize);
    return fields;
}

int channelOfByte(std::uint8_t channel) {
    const int high = channel >> 4;
    const int low = channel & 0x0F;
    return high <= 9 && low <= 9 ? high * 10 + low : channel;
}

Checked<WirelessSettings> wirelessSettingsOf(const WirelessRecordFields& record,
                                             const WirelessSettings& current) {
    if (const std::string refusal = refusalOf(record); !refusal.empty()) {
        return Checked<WirelessSettings>::refused(refusal);
    }
    WirelessSettings settings = current;
    settings.enable = codeText(1);
    settings.mode = codeText(1);
    settings.ssid = record.ssid;
    settings.channel = std::to_string(channelOfByte(record.channel));
    applySecurity(record, settings);
    return settings;
}

std::vector<std::uint8_t> encodeWirelessRecordReply(const CameraState& camera) {
    const WirelessSettings& settings = camera.settings().wireless;
    auto reply = makeReply(camera.mac(), ReplyCode::WirelessRecord, kWirelessRecordSize);
    writeText(reply, kSsid, kSsidSize, settings.ssid);
    reply[kChannel] = channelByteOf(numberOf(settings.channel));
    reply[kFixedTwo] = 2;
    writeSecurity(reply, settings);
    return reply;
}

} // namespace vistrel::camsim
