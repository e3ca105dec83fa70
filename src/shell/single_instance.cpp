#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

namespace vistrel {

namespace {

constexpr int kAnswerTimeoutMs = 2000;
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
        return false;
    }
    QLocalServer::removeServer(serverName_); // left behind by a crashed instance
    server_.listen(serverName_);
    return true;
}

bool SingleInstance::askPrimaryToShow() {
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(kAnswerTimeoutMs)) {
        return false;
    }
    socket.write(kShowRequest);
    return socket.waitForBytesWritten(kAnswerTimeoutMs);
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
