#include "protocol/settings_reply.h"

#include "protocol/compressed_document.h"
#include "protocol/reply_layouts.h"
#include "protocol/settings_records.h"

#include <algorithm>
#include <pugixml.hpp>
#include <string_view>

namespace vistrel {

namespace {

// What an element without text reads as outside the wireless group.
constexpr const char* kNoTextOutsideWireless = "0";

// A camera without a password reports an empty userPassword. Read as "0", that would become the
// camera's password with the next settings write, so this element keeps its empty text.
const char* noTextOutsideWireless(pugi::xml_node element) {
    return std::string_view(element.name()) == "userPassword" ? "" : kNoTextOutsideWireless;
}

// The text of an element: all the character data inside it, in document order.
std::string textOf(pugi::xml_node element) {
    std::string text;
    for (const pugi::xml_node child : element.children()) {
        switch (child.type()) {
        case pugi::node_pcdata:
        case pugi::node_cdata:
            text += child.value();
            break;
        case pugi::node_element:
            text += textOf(child);
            break;
        default:
            break;
        }
    }
    return text;
}

std::vector<pugi::xml_node> childElementsOf(pugi::xml_node parent) {
    std::vector<pugi::xml_node> elements;
    for (const pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_element) {
            elements.push_back(child);
        }
    }
    return elements;
}

SettingsElement elementOf(pugi::xml_node node, const char* noText) {
    std::string text = textOf(node);
    return {node.name(), text.empty() ? noText : std::move(text)};
}

// The inflated document up to its first zero byte: the finder reads it as a terminated text.
std::optional<std::string> documentOf(Bytes datagram) {
    if (!isXmlSettingsReply(datagram)) {
        return std::nullopt;
    }
    auto document =
        inflateDocument(datagram.subspan(kXmlSettingsStreamOffset), kMaxSettingsDocumentSize);
    if (document) {
        document->resize(std::min(document->size(), document->find('\0')));
    }
    return document;
}

// Offsets where the two fixed forms differ; both share 0 to 169.
struct FixedReplyOffsets {
    std::size_t nameSize;
    std::size_t dhcpFlag;
    std::size_t firstLongKey;
    std::size_t secondLongKey;
    std::size_t echoedText;
    std::size_t passwordCredential;
};

constexpr FixedReplyOffsets kShortOffsets{32, 202, 205, 253, 301, 333};
constexpr FixedReplyOffsets kLongOffsets{64, 234, 237, 285, 333, 365};
constexpr std::size_t kFirmwareVersionOffset = 91;
constexpr std::size_t kFirmwareVersionSize = 5;

template <std::size_t N>
void copyField(const std::vector<std::uint8_t>& reply, std::size_t offset,
               std::array<std::uint8_t, N>& field, std::size_t count = N) {
    std::copy_n(reply.begin() + static_cast<std::ptrdiff_t>(offset), count, field.begin());
}

void readSharedFields(const std::vector<std::uint8_t>& r, FixedSettingsReply& reply) {
    copyField(r, 0, reply.mac);
    copyField(r, 10, reply.firstText);
    copyField(r, 42, reply.secondText);
    copyField(r, 74, reply.netmask);
    copyField(r, 78, reply.gateway);
    copyField(r, 82, reply.dns);
    copyField(r, 86, reply.echoedValue);
    copyField(r, 88, reply.webPort);
    reply.byteAt90 = r[90];
    copyField(r, 96, reply.fiveBytes);
    copyField(r, 101, reply.ssid);
    copyField(r, 134, reply.firstShortKey);
    copyField(r, 151, reply.secondShortKey);
    reply.byteAt168 = r[168];
    reply.byteAt169 = r[169];
}

void readFormFields(const std::vector<std::uint8_t>& r, const FixedReplyOffsets& at,
                    FixedSettingsReply& reply) {
    copyField(r, 170, reply.cameraName, at.nameSize);
    reply.dhcpFlag = r[at.dhcpFlag];
    reply.byteAfterDhcpFlag = r[at.dhcpFlag + 1];
    reply.keyFormSelector = r[at.dhcpFlag + 2];
    copyField(r, at.firstLongKey, reply.firstLongKey);
    copyField(r, at.secondLongKey, reply.secondLongKey);
    copyField(r, at.echoedText, reply.echoedText);
    copyField(r, at.passwordCredential, reply.passwordCredential);
}

// The first `size` bytes of the datagram, zero-filled past its end.
std::vector<std::uint8_t> boundedCopy(Bytes datagram, std::size_t size) {
    std::vector<std::uint8_t> layout(size, 0);
    std::copy_n(datagram.begin(), std::min(size, datagram.size()), layout.begin());
    return layout;
}

} // namespace

std::optional<XmlSettingsReply> decodeXmlSettingsReply(Bytes datagram) {
    const auto document = documentOf(datagram);
    if (!document) {
        return std::nullopt;
    }
    pugi::xml_document parsed;
    // UTF-8 is read without conversion, so 8-bit texts keep their bytes.
    if (!parsed.load_buffer(document->data(), document->size(), pugi::parse_default,
                            pugi::encoding_utf8)) {
        return std::nullopt;
    }
    const std::vector<pugi::xml_node> children = childElementsOf(parsed.document_element());
    if (children.empty()) {
        return std::nullopt;
    }
    XmlSettingsReply reply;
    for (std::size_t i = 0; i + 1 < children.size(); ++i) {
        reply.elements.push_back(elementOf(children[i], noTextOutsideWireless(children[i])));
    }
    for (const pugi::xml_node element : childElementsOf(children.back())) {
        reply.wireless.push_back(elementOf(element, ""));
    }
    return reply;
}

FixedReplyForm fixedReplyFormOf(std::uint8_t modelCode) {
    return usesShortSettingsLayout(modelCode) ? FixedReplyForm::Short : FixedReplyForm::Long;
}

FixedSettingsReply decodeFixedSettingsReply(Bytes datagram, FixedReplyForm form) {
    const bool isShort = form == FixedReplyForm::Short;
    const auto layout =
        boundedCopy(datagram, isShort ? kShortSettingsReplySize : kLongSettingsReplySize);
    FixedSettingsReply reply;
    reply.form = form;
    readSharedFields(layout, reply);
    readFormFields(layout, isShort ? kShortOffsets : kLongOffsets, reply);
    if (!isShort) {
        reply.firmwareVersion = readText(layout, kFirmwareVersionOffset, kFirmwareVersionSize);
    }
    return reply;
}

std::string FixedSettingsReply::cameraNameText() const {
    return readText(cameraName, 0, cameraName.size());
}

std::string FixedSettingsReply::passwordCredentialText() const {
    return readText(passwordCredential, 0, passwordCredential.size());
}

std::uint16_t FixedSettingsReply::webPortNumber() const {
    return readBigEndian16(webPort, 0);
}

} // namespace vistrel
