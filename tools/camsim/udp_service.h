#pragma once
// The cameras' UDP endpoint: one socket on port 13364 for all simulated cameras, with address
// sharing so that the finder can listen beside it. Every reply goes out by broadcast, as the
// finder's requests come in.

#include "camsim/event_log.h"
#include "camsim/request_handler.h"

#include <QObject>
#include <QString>
#include <QUdpSocket>
#include <cstddef>
#include <ostream>

namespace vistrel::camsim {

class UdpService : public QObject {
    Q_OBJECT

public:
    UdpService(RequestHandler& handler, EventLog& log, std::ostream& errors,
               QObject* parent = nullptr);

    // Binds 0.0.0.0:13364 with address sharing and broadcast. False when the port cannot be
    // bound; errorString() then says why.
    bool bind();
    QString errorString() const { return socket_.errorString(); }

signals:
    void settingsChanged(std::size_t camera);

private:
    void readPendingDatagrams();
    void handle(const QByteArray& datagram, const std::string& peer);
    void report(const LogEntry& entry);
    void send(OutgoingReply& reply);

    RequestHandler& handler_;
    EventLog& log_;
    std::ostream& errors_;
    QUdpSocket socket_;
};

} // namespace vistrel::camsim
