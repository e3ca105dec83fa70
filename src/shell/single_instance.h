#pragma once
// Keeps the finder to one running instance per user. The first instance holds a lock file and
// listens on a local socket, both named after the application title; a second start tells the
// first to bring its window forward and then ends without showing a window.

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

namespace vistrel {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& applicationTitle, QObject* parent = nullptr);

    // True for the first instance, which then listens for later starts. A lock that cannot be
    // used at all (no writable place for it) does not stop the finder: it runs unguarded.
    bool becomePrimary();
    // From a later start: asks the running instance to show its window, giving one that is
    // still starting a moment to listen. False when none answered.
    bool askPrimaryToShow();

signals:
    void showRequested();

private:
    void acceptConnection();

    QString serverName_;
    QLockFile lock_;
    QLocalServer server_;
};

} // namespace vistrel
