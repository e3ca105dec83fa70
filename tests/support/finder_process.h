#pragma once
// vistrel-finder as a process for command-line integration tests: run to its end in a session
// of its own, so that it has no terminal to ask on, and without a display, which no
// command-line mode needs. The test target defines VISTREL_FINDER_PATH.

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <map>
#include <unistd.h>

namespace vistrel::test {

struct Finished {
    int exitCode = -1; // -1 when the finder crashed or did not end within the limit
    QByteArray out;
    QByteArray err;

    QJsonObject json() const { return QJsonDocument::fromJson(out).object(); }
};

// Runs the finder with the arguments and environment variables (passwords are taken from
// the environment only when given here), in the working directory when one is given.
inline Finished runFinder(const QStringList& arguments,
                          const std::map<QString, QString>& variables = {},
                          const QString& workingDirectory = {}) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "VISTREL_PASSWORD",
                             "VISTREL_NEW_PASSWORD"}) {
        environment.remove(QString::fromLatin1(name));
    }
    for (const auto& [name, value] : variables) {
        environment.insert(name, value);
    }
    QProcess finder;
    finder.setProcessEnvironment(environment);
    finder.setChildProcessModifier([] { setsid(); });
    if (!workingDirectory.isEmpty()) {
        finder.setWorkingDirectory(workingDirectory);
    }
    finder.start(QStringLiteral(VISTREL_FINDER_PATH), arguments);
    Finished finished;
    if (!finder.waitForFinished(30000) || finder.exitStatus() != QProcess::NormalExit) {
        finder.kill();
        finder.waitForFinished();
        return finished;
    }
    finished.exitCode = finder.exitCode();
    finished.out = finder.readAllStandardOutput();
    finished.err = finder.readAllStandardError();
    return finished;
}

} // namespace vistrel::test
