#include "net/admin_endpoint.h"

#include "net/system_interfaces.h"

#include <QLoggingCategory>
#include <mutex>

namespace vistrel {

namespace {

// QT_LOGGING_RULES="vistrel.net.info=true" shows what the endpoint got from the system.
Q_LOGGING_CATEGORY(lcEndpoint, "vistrel.net", QtWarningMsg)

void logReceiveBufferOnce(int bytes) {
    static std::once_flag logged;
    std::call_once(logged, [bytes] {
        qCInfo(lcEndpoint, "UDP port 13364: receive buffer of %d bytes (asked for %d)", bytes,
               net::AdminSocket::kWantedReceiveBufferBytes);
    });
}

} // namespace

AdminEndpoint::AdminEndpoint(QObject* parent, net::RoutedSender::InterfaceReader interfaces)
    : QObject(parent),
      sender_(socket_, interfaces ? std::move(interfaces) : net::readNetworkInterfaces, interfaces_,
              routes_, traffic_),
      inbox_(interfaces_, routes_, traffic_),
      receiving_(
          [this](std::span<const net::Arrival> arrivals) {
              if (inbox_.deliver(arrivals)) {
                  QMetaObject::invokeMethod(this, &AdminEndpoint::handOver, Qt::QueuedConnection);
              }
          },
          [this] { inbox_.countTooLong(); }) {}

AdminEndpoint::~AdminEndpoint() {
    receiving_.stop();
}

void AdminEndpoint::restrictToInterfaces(std::vector<std::string> names) {
    interfaces_.restrictTo(std::move(names));
}

bool AdminEndpoint::bind() {
    if (isBound()) {
        return true;
    }
    if (!socket_.open()) {
        return false;
    }
    logReceiveBufferOnce(socket_.receiveBufferBytes());
    if (!receiving_.start(socket_.descriptor())) {
        threadError_ = QStringLiteral("cannot start receiving");
        return false;
    }
    return true;
}

QString AdminEndpoint::errorString() const {
    return threadError_.isEmpty() ? QString::fromLocal8Bit(socket_.errorText().c_str())
                                  : threadError_;
}

void AdminEndpoint::SendDatagram(Bytes datagram) {
    if (bind()) {
        sender_.SendDatagram(datagram);
    }
}

void AdminEndpoint::handOver() {
    net::ReplyBatch batch = inbox_.take();
    if (batchHandler_ && !batch.empty()) {
        batchHandler_(std::move(batch));
    }
}

std::shared_ptr<const net::InterfaceTable> AdminEndpoint::searchedInterfaces() const {
    return interfaces_.current();
}

net::TrafficByRoute AdminEndpoint::traffic() const {
    return traffic_.byRoute(*interfaces_.current());
}

} // namespace vistrel
