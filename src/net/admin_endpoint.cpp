#include "net/admin_endpoint.h"

#include "protocol/admin_datagram.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QVariant>
#include <sys/socket.h>

namespace vistrel {

AdminEndpoint::AdminEndpoint(QObject* parent) : QObject(parent) {
    connect(&socket_, &QUdpSocket::readyRead, this, &AdminEndpoint::readPendingDatagrams);
}

bool AdminEndpoint::bind() {
    if (isBound()) {
        return true;
    }
    if (!socket_.bind(QHostAddress::AnyIPv4, kAdminPort,
                      QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint)) {
        return false;
    }
    raiseReceiveBuffer();
    return true;
}

bool AdminEndpoint::isBound() const {
    return socket_.state() == QAbstractSocket::BoundState;
}

int AdminEndpoint::receiveBufferSize() const {
    int size = 0;
    socklen_t length = sizeof size;
    if (getsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_RCVBUF, &size,
                   &length) != 0) {
        return 0;
    }
    return size;
}

void AdminEndpoint::raiseReceiveBuffer() {
    socket_.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption,
                            kWantedReceiveBufferSize);
#ifdef SO_RCVBUFFORCE
    // The system caps SO_RCVBUF at its configured maximum; a privileged process may go beyond.
    if (receiveBufferSize() < kWantedReceiveBufferSize) {
        const int size = kWantedReceiveBufferSize;
        setsockopt(static_cast<int>(socket_.socketDescriptor()), SOL_SOCKET, SO_RCVBUFFORCE, &size,
                   sizeof size);
    }
#endif
}

void AdminEndpoint::SendDatagram(Bytes datagram) {
    if (datagram.size() > kMaxDatagramSize || !bind()) {
        return;
    }
    const QByteArray bytes(reinterpret_cast<const char*>(datagram.data()),
                           static_cast<qsizetype>(datagram.size()));
    socket_.writeDatagram(bytes, QHostAddress::Broadcast, kAdminPort);
}

void AdminEndpoint::readPendingDatagrams() {
    // A burst of replies is decoded in slices, so the window keeps painting and answering
    // the user in between; the rest waits in the socket's queue for the next slice.
    // The socket announces new datagrams once and then waits until one is read. An
    // announcement can come for datagrams that a later slice has read already, so every call
    // reads at least once: a read that finds nothing lets the socket announce the next ones.
    QElapsedTimer slice;
    slice.start();
    do {
        if (slice.elapsed() >= kSliceMilliseconds) {
            QMetaObject::invokeMethod(this, &AdminEndpoint::readPendingDatagrams,
                                      Qt::QueuedConnection);
            return;
        }
        // With nothing pending the read still happens, with room for a datagram that may have
        // come in since the question.
        const qint64 pending = socket_.pendingDatagramSize();
        const QNetworkDatagram datagram =
            socket_.receiveDatagram(pending >= 0 ? pending : qint64{kMaxDatagramSize});
        const QByteArray data = datagram.data();
        if (datagram.isValid() && receiveHandler_) {
            receiveHandler_(Bytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                  static_cast<std::size_t>(data.size())));
        }
    } while (socket_.hasPendingDatagrams());
}

} // namespace vistrel
