#pragma once
// The finder's UDP endpoint on port 13364: broadcasts requests to every camera and hands each
// received datagram, in arrival order, to the reply decoder on the GUI thread.

#include "protocol/datagram_sender.h"

#include <QObject>
#include <QString>
#include <QUdpSocket>
#include <functional>

namespace vistrel {

class AdminEndpoint : public QObject, public DatagramSender {
    Q_OBJECT

public:
    using ReceiveHandler = std::function<void(Bytes datagram)>;

    // A burst of replies from a large network must not overflow the socket's queue.
    static constexpr int kWantedReceiveBufferSize = 1 << 20;
    // The longest the GUI thread decodes received datagrams without a break.
    static constexpr int kSliceMilliseconds = 8;

    explicit AdminEndpoint(QObject* parent = nullptr);

    void setReceiveHandler(ReceiveHandler handler) { receiveHandler_ = std::move(handler); }

    // Binds port 13364 on every local address with address sharing, so that other programs
    // on this host that listen for cameras keep working. False when the port cannot be bound;
    // errorString() then says why.
    bool bind();
    bool isBound() const;
    QString errorString() const { return socket_.errorString(); }
    int receiveBufferSize() const;

    // Broadcasts to 255.255.255.255:13364, binding the endpoint on first use. Datagrams longer
    // than one UDP datagram can carry are not sent; send errors are swallowed.
    void SendDatagram(Bytes datagram) override;

private:
    void readPendingDatagrams();
    void raiseReceiveBuffer();

    QUdpSocket socket_;
    ReceiveHandler receiveHandler_;
};

} // namespace vistrel
