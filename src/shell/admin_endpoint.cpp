#include "shell/admin_endpoint.h"

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
    QElapsedTimer slice;
    slice.start();
    while (socket_.hasPendingDatagrams()) {
        if (slice.elapsed() >= kSliceMilliseconds) {
            QMetaObject::invokeMethod(this, &AdminEndpoint::readPendingDatagrams,
                                      Qt::QueuedConnection);
            return;
        }
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        const QByteArray data = datagram.data();
        if (receiveHandler_) {
            receiveHandler_(Bytes(reinterpret_cast<const std::uint8_t*>(data.constData()),
                                  static_cast<std::size_t>(data.size())));
        }
    }
}

} // namespace vistrel
