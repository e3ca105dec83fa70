#pragma once
// The finder's UDP endpoint on port 13364. A thread of its own drains the socket, decodes what
// arrives and queues it (reply_inbox.h), so that the kernel's buffer does not overflow while the
// GUI thread paints; the GUI thread gets the replies in batches, in arrival order, one queued
// call per batch. Searches go out of every interface the rules choose and by the default route;
// a datagram to one camera leaves through the interface its replies arrive on (routed_sender.h).

#include "net/admin_socket.h"
#include "net/camera_routes.h"
#include "net/receive_loop.h"
#include "net/reply_inbox.h"
#include "net/routed_sender.h"
#include "net/searched_interfaces.h"
#include "net/traffic_counts.h"
#include "protocol/datagram_sender.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vistrel {

class AdminEndpoint : public QObject, public DatagramSender {
    Q_OBJECT

public:
    using BatchHandler = std::function<void(net::ReplyBatch batch)>;

    // interfaces: what a search reads the computer's interfaces with (the system's by default).
    explicit AdminEndpoint(QObject* parent = nullptr,
                           net::RoutedSender::InterfaceReader interfaces = {});
    ~AdminEndpoint() override;

    // Runs on the GUI thread with each batch of replies.
    void setBatchHandler(BatchHandler handler) { batchHandler_ = std::move(handler); }

    // --interface: searches go out of the named interfaces only and replies are taken from them
    // only. Give it before the first send.
    void restrictToInterfaces(std::vector<std::string> names);

    // Binds port 13364 on every local address with address sharing and starts receiving. False
    // when the port cannot be bound or the receiving thread cannot start; errorString() then
    // says why.
    bool bind();
    bool isBound() const { return receiving_.running(); }
    QString errorString() const;
    int receiveBufferSize() const { return socket_.receiveBufferBytes(); }

    // Binds the endpoint on first use. Datagrams longer than one UDP datagram can carry are not
    // sent; send errors are swallowed.
    void SendDatagram(Bytes datagram) override;

    // For the diagnostics: the interfaces of the last search with their verdicts, what went out
    // and came in on each, and what the receiving side left out or dropped.
    std::shared_ptr<const net::InterfaceTable> searchedInterfaces() const;
    net::TrafficByRoute traffic() const;
    net::InboxCounts receiveCounts() const { return inbox_.counts(); }

private:
    void handOver();

    net::SearchedInterfaces interfaces_;
    net::CameraRoutes routes_;
    net::TrafficCounts traffic_;
    net::AdminSocket socket_;
    net::RoutedSender sender_;
    net::ReplyInbox inbox_;
    BatchHandler batchHandler_;
    QString threadError_;
    // Last, so that it stops before what it delivers into goes away.
    net::ReceiveLoop receiving_;
};

} // namespace vistrel
