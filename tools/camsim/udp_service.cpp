#include "camsim/udp_service.h"

#include "protocol/admin_datagram.h"

#include <QNetworkDatagram>

namespace vistrel::camsim {

namespace {

const std::string kBroadcastPeer = "255.255.255.255:" + std::to_string(kAdminPort);

std::string peerOf(const QNetworkDatagram& datagram) {
    return datagram.senderAddress().toString().toStdString() + ":" +
           std::to_string(datagram.senderPort());
}

} // namespace

UdpService::UdpService(RequestHandler& handler, EventLog& log, std::ostream& errors,
                       QObject* parent)
    : QObject(parent), handler_(handler), log_(log), errors_(errors) {
    connect(&socket_, &QUdpSocket::readyRead, this, &UdpService::readPendingDatagrams);
}

bool UdpService::bind() {
    return socket_.bind(QHostAddress::AnyIPv4, kAdminPort,
                        QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint);
}

void UdpService::readPendingDatagrams() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket_.receiveDatagram();
        if (datagram.isValid()) {
            handle(datagram.data(), peerOf(datagram));
        }
    }
}

void UdpService::handle(const QByteArray& datagram, const std::string& peer) {
    RequestOutcome outcome =
        handler_.handle(Bytes(reinterpret_cast<const std::uint8_t*>(datagram.constData()),
                              static_cast<std::size_t>(datagram.size())));
    if (!outcome.logged) {
        return;
    }
    outcome.entry.peer = peer;
    log_.write(outcome.entry);
    if (outcome.worthReporting) {
        report(outcome.entry);
    }
    for (OutgoingReply& reply : outcome.replies) {
        send(reply);
    }
    for (const std::size_t camera : outcome.changedCameras) {
        emit settingsChanged(camera);
    }
}

void UdpService::report(const LogEntry& entry) {
    errors_ << "vistrel-camsim: datagram from " << entry.peer;
    if (!entry.command.empty()) {
        errors_ << ", command " << entry.command << " to " << entry.camera;
    }
    errors_ << ": " << entry.verdict << std::endl;
}

void UdpService::send(OutgoingReply& reply) {
    const QByteArray bytes(reinterpret_cast<const char*>(reply.datagram.data()),
                           static_cast<qsizetype>(reply.datagram.size()));
    if (socket_.writeDatagram(bytes, QHostAddress::Broadcast, kAdminPort) < 0) {
        reply.entry.verdict = "not sent: " + socket_.errorString().toStdString();
    }
    reply.entry.peer = kBroadcastPeer;
    log_.write(reply.entry);
}

} // namespace vistrel::camsim
