#include "cli/command_messages.h"

#include "cli/exit_codes.h"
#include "config/warning_keys.h"
#include "localization/language_file.h"
#include "net/interface_filter.h"
#include "net/system_interfaces.h"
#include "platform/data_paths.h"
#include "protocol/admin_datagram.h"

#include <QFile>
#include <QStringList>

namespace vistrel {

QString englishText(const Warning& warning) {
    if (warning.kind == Warning::Kind::FixedText) {
        return QString::fromStdString(warning.text);
    }
    const QByteArray path = QFile::encodeName(dataFilePath(QStringLiteral("Language.ini")));
    LanguageFile file(std::filesystem::path(path.toStdString()));
    const std::string text = file.lookup("English", warning.text);
    return QString::fromStdString(text.empty() ? warning.text : text);
}

void reportError(QTextStream& err, const QString& message) {
    QString line = message;
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    err << "vistrel-finder: " << line << '\n';
    err.flush();
}

void reportError(QTextStream& err, const Warning& warning) {
    reportError(err, englishText(warning));
}

int checkInterfaceNames(const CommandLine& line, QTextStream& err) {
    if (line.interfaceNames.empty()) {
        return kExitDone;
    }
    const std::vector<net::NetworkInterface> interfaces = net::readNetworkInterfaces();
    const net::InterfaceSelection selection =
        net::chooseInterfaces(interfaces, line.interfaceNames);
    if (selection.unknownNames.empty()) {
        return kExitDone;
    }
    const auto quoted = [](const std::vector<std::string>& names) {
        QStringList list;
        for (const std::string& name : names) {
            list << QLatin1Char('\'') + QString::fromLocal8Bit(name.c_str()) + QLatin1Char('\'');
        }
        return list.join(QStringLiteral(", "));
    };
    std::vector<std::string> present;
    for (const net::NetworkInterface& interface : interfaces) {
        present.push_back(interface.name);
    }
    reportError(err, QStringLiteral("--interface: this computer has no interface named %1 (it has "
                                    "%2)")
                         .arg(quoted(selection.unknownNames), quoted(present)));
    return kExitUsage;
}

int reportPortUnavailable(const QString& reason, QTextStream& err) {
    reportError(err,
                QStringLiteral("cannot listen on UDP port %1: %2").arg(kAdminPort).arg(reason));
    return kExitPortUnavailable;
}

int reportReadFailure(ReadingOutcome outcome, const CommandLine& line, QTextStream& err) {
    if (outcome == ReadingOutcome::NotFound) {
        reportError(err, QStringLiteral("no camera with the MAC address %1 answered within %2 s")
                             .arg(QString::fromStdString(line.mac))
                             .arg(line.waitMilliseconds / 1000.0));
    } else {
        reportError(err, Warning::key(warning_keys::kSettingsNotReceived));
    }
    return kExitCameraUnreachable;
}

} // namespace vistrel
