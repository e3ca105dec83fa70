#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace vistrel {

namespace {

constexpr int kAnswerTimeoutMs = 3000;
constexpr int kRetryMs = 100;
const QByteArray kShowRequest = QByteArrayLiteral("show\n");

// One name per user and title, safe as a file and socket name.
QString instanceKey(const QString& title) {
    const QByteArray identity = (title + QLatin1Char('@') + QDir::homePath()).toUtf8();
    const QByteArray digest = QCryptographicHash::hash(identity, QCryptographicHash::Sha1);
    return QStringLiteral("vistrel-finder-") + QString::fromLatin1(digest.toHex().left(16));
}

QString lockPath(const QString& key) {
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) {
        directory = QDir::tempPath();
    }
    return QDir(directory).filePath(key + QStringLiteral(".lock"));
}

} // namespace

SingleInstance::SingleInstance(const QString& applicationTitle, QObject* parent)
    : QObject(parent), serverName_(instanceKey(applicationTitle)), lock_(lockPath(serverName_)) {
    // A running instance's lock never goes stale by age; one whose process died is still
    // taken over.
    lock_.setStaleLockTime(0);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnection);
}

bool SingleInstance::becomePrimary() {
    if (!lock_.tryLock(0)) {
        if (lock_.error() == QLockFile::LockFailedError) {
            return false;
        }
        qWarning("vistrel-finder: cannot create the single-instance lock %s; running anyway",
                 qUtf8Printable(lockPath(serverName_)));
        return true;
    }
    QLocalServer::removeServer(serverName_); // left behind by a crashed instance
    if (!server_.listen(serverName_)) {
        qWarning("vistrel-finder: later starts cannot reach this one: %s",
                 qUtf8Printable(server_.errorString()));
    }
    return true;
}

bool SingleInstance::askPrimaryToShow() {
    QDeadlineTimer deadline(kAnswerTimeoutMs);
    QLocalSocket socket;
    do {
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(kRetryMs)) {
            socket.write(kShowRequest);
            return socket.waitForBytesWritten(kAnswerTimeoutMs);
        }
        QThread::msleep(kRetryMs); // the first instance holds its lock a moment before it listens
    } while (!deadline.hasExpired());
    return false;
}

void SingleInstance::acceptConnection() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (socket->readAll().contains(kShowRequest)) {
                emit showRequested();
            }
            socket->disconnectFromServer();
        });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
}

} // namespace vistrel
