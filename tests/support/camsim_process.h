#pragma once
// vistrel-camsim as a process for integration tests: started with a scenario and a log file,
// ready once it says so, stopped when the test ends.

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace vistrel::camsim::test {

class CamsimProcess {
public:
    // The cameras of a scenario file, or with arguments the cameras they describe.
    explicit CamsimProcess(const QString& scenario)
        : CamsimProcess(QStringList{QStringLiteral("--scenario"), scenario}) {}
    explicit CamsimProcess(const QStringList& arguments) {
        process_.start(QStringLiteral(VISTREL_CAMSIM_PATH),
                       arguments + QStringList{QStringLiteral("--log"), logPath()});
    }
    ~CamsimProcess() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    CamsimProcess(const CamsimProcess&) = delete;
    CamsimProcess& operator=(const CamsimProcess&) = delete;

    // Waits for the line that says every camera answers.
    bool waitUntilReady() {
        while (!output_.contains("vistrel-camsim: ready")) {
            if (!process_.waitForReadyRead(10000)) {
                return false;
            }
            output_ += process_.readAllStandardOutput();
        }
        return true;
    }

    QString logPath() const { return directory_.filePath(QStringLiteral("camsim.log")); }

    std::vector<QJsonObject> logLines() const {
        QFile file(logPath());
        std::vector<QJsonObject> lines;
        if (file.open(QIODevice::ReadOnly)) {
            while (!file.atEnd()) {
                lines.push_back(QJsonDocument::fromJson(file.readLine()).object());
            }
        }
        return lines;
    }

    // The log line of the last request with this command, or an empty object.
    QJsonObject lastLogLineOf(const QString& command) const {
        QJsonObject found;
        for (const QJsonObject& line : logLines()) {
            if (line.value(QStringLiteral("command")).toString() == command &&
                line.value(QStringLiteral("direction")).toString() == QLatin1String("in")) {
                found = line;
            }
        }
        return found;
    }

    QByteArray standardError() {
        errors_ += process_.readAllStandardError();
        return errors_;
    }

    // Waits until the standard error output holds the text.
    bool waitForError(const QByteArray& text) {
        process_.setReadChannel(QProcess::StandardError);
        while (!standardError().contains(text) && process_.waitForReadyRead(5000)) {
        }
        process_.setReadChannel(QProcess::StandardOutput);
        return errors_.contains(text);
    }

private:
    QTemporaryDir directory_;
    QProcess process_;
    QByteArray output_;
    QByteArray errors_;
};

} // namespace vistrel::camsim::test
