#include "cli/camera_listing_format.h"

#include "platform/camera_text.h"
#include "protocol/address_text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <array>

namespace vistrel {

namespace {

constexpr std::size_t kColumns = 7;
using Cells = std::array<QString, kColumns>;

// The arrival interface's name; "-" when it is not known.
QString interfaceCell(const CameraListRow& row) {
    return row.interfaceName.empty() ? QStringLiteral("-")
                                     : QString::fromLocal8Bit(row.interfaceName.c_str());
}

Cells tableCells(const CameraListRow& row, const _camdev& entry) {
    return {fromCameraText(entry.mac),
            fromCameraText(removeBlanks(entry.ip)),
            fromCameraText(entry.name),
            fromCameraText(entry.model),
            QString::number(entry.state),
            interfaceCell(row),
            row.inSubnet ? QStringLiteral("ok") : QStringLiteral("outside")};
}

QString joinPadded(const Cells& cells, const std::array<qsizetype, kColumns>& widths) {
    QString line;
    for (std::size_t i = 0; i + 1 < cells.size(); ++i) {
        line += cells[i].leftJustified(widths[i] + 2);
    }
    return line + cells.back() + QLatin1Char('\n');
}

} // namespace

QString formatCameraTable(const CameraList& list) {
    std::vector<Cells> rows{{QStringLiteral("MAC"), QStringLiteral("IP"), QStringLiteral("NAME"),
                             QStringLiteral("MODEL"), QStringLiteral("STATE"),
                             QStringLiteral("INTERFACE"), QStringLiteral("NETWORK")}};
    for (int i = 0; i < list.rowCount(); ++i) {
        rows.push_back(tableCells(list.row(i), list.entry(i)));
    }
    std::array<qsizetype, kColumns> widths{};
    for (const auto& cells : rows) {
        for (std::size_t c = 0; c < cells.size(); ++c) {
            widths[c] = std::max(widths[c], cells[c].size());
        }
    }
    QString table;
    for (const auto& cells : rows) {
        table += joinPadded(cells, widths);
    }
    return table;
}

QByteArray formatCameraJson(const CameraList& list) {
    QJsonArray cameras;
    for (int i = 0; i < list.rowCount(); ++i) {
        const _camdev& entry = list.entry(i);
        const CameraListRow& row = list.row(i);
        const QJsonValue interface =
            row.interfaceName.empty() ? QJsonValue() : QJsonValue(interfaceCell(row));
        cameras.append(QJsonObject{
            {QStringLiteral("mac"), fromCameraText(entry.mac)},
            {QStringLiteral("ip"), fromCameraText(removeBlanks(entry.ip))},
            {QStringLiteral("name"), fromCameraText(entry.name)},
            {QStringLiteral("model"), fromCameraText(entry.model)},
            {QStringLiteral("state"), entry.state},
            {QStringLiteral("view"), entry.view},
            {QStringLiteral("interface"), interface},
            {QStringLiteral("inSubnet"), row.inSubnet},
        });
    }
    return QJsonDocument(cameras).toJson(QJsonDocument::Indented);
}

} // namespace vistrel
