// The event log's lines: valid JSON on one line whatever bytes a camera text holds.

#include "camsim/event_log.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>
#include <sstream>

namespace vistrel::camsim {
namespace {

using namespace std::chrono;

TEST(JsonString, EscapesWhatJsonCannotHoldAsItIs) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"plain", "\"plain\""},
        {"say \"hi\"\\", R"("say \"hi\"\\")"},
        {"line\nbreak\ttab\r", R"("line\nbreak\ttab\r")"},
        {std::string("nul\0end", 7), R"("nul\u0000end")"},
        {"\x7f", R"("\u007f")"},
        {"caf\xc3\xa9", "\"caf\xc3\xa9\""},          // UTF-8 stays
        {"caf\xe9", R"("caf\u00e9")"},               // a Latin-1 byte is no UTF-8
        {"\xc3", R"("\u00c3")"},                     // cut sequence
        {"\xed\xa0\x80", R"("\u00ed\u00a0\u0080")"}, // surrogate
        {"\xc0\xaf", R"("\u00c0\u00af")"},           // overlong
    };
    for (const auto& [text, json] : cases) {
        SCOPED_TRACE(json);
        EXPECT_EQ(jsonString(text), json);
    }
}

TEST(EventLog, OneFlushedJsonLinePerEntry) {
    std::ostringstream out;
    const auto time =
        sys_days{year{2024} / 5 / 1} + hours{12} + minutes{3} + seconds{4} + milliseconds{56};
    EventLog log(out, [time] { return time; });
    LogEntry entry{"127.0.0.1:13364", "in", "0x0022", "02:56:49:00:00:02", {}, "refused: x"};
    entry.fields.add("length", 18).add("name", "a\"b").add("inner", JsonObject().add("ok", true));
    log.write(entry);
    log.write(entry);

    const std::string expectedLine =
        R"({"time": "2024-05-01T12:03:04.056Z", "peer": "127.0.0.1:13364", "direction": "in", )"
        R"("command": "0x0022", "camera": "02:56:49:00:00:02", )"
        R"("fields": {"length": 18, "name": "a\"b", "inner": {"ok": true}}, "verdict": "refused: x"})";
    EXPECT_EQ(out.str(), expectedLine + "\n" + expectedLine + "\n");
    const QJsonObject parsed =
        QJsonDocument::fromJson(QByteArray::fromStdString(expectedLine)).object();
    EXPECT_EQ(
        parsed.value(QStringLiteral("fields")).toObject().value(QStringLiteral("length")).toInt(),
        18);
}

} // namespace
} // namespace vistrel::camsim
