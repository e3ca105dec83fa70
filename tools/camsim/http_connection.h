#pragma once
// One client of a camera's web server: reads its request, answers it, and for the picture
// stream keeps sending pictures until the client goes. A client that falls behind misses
// pictures rather than holding up the camera or other clients.

#include "camsim/camera_state.h"
#include "camsim/event_log.h"
#include "camsim/http_auth.h"
#include "camsim/http_exchange.h"
#include "camsim/http_request.h"
#include "camsim/picture_feed.h"

#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <cstdint>

namespace vistrel::camsim {

// What a connection uses of its camera.
struct CameraSite {
    CameraState& camera;
    NonceBook& nonces;
    PictureFeed& pictures;
    EventLog& log;
};

class HttpConnection : public QObject {
    Q_OBJECT

public:
    static constexpr int kRequestTimeoutMs = 10000;
    // Pictures queued for a client beyond this are skipped until it reads.
    static constexpr qint64 kMaxBacklog = qint64{512} * 1024;
    // A client served as fast as it reads gets its next picture below this backlog.
    static constexpr qint64 kLowWater = qint64{64} * 1024;

    HttpConnection(QTcpSocket* socket, CameraSite site, bool unlimitedRate, QObject* parent);

    bool streaming() const { return streaming_; }
    // Sends the picture unless the client is too far behind; then it misses this one.
    void offer(const PicturePart& part);

signals:
    void streamStarted();

private:
    void readRequest();
    void requestTimedOut();
    void answer(const HttpAnswer& answer);
    void sendNextPictureWhenReady();
    void send(const PicturePart& part);
    void logStreamEnd();
    void close();

    QTcpSocket* socket_;
    std::string peer_; // "ip:port", kept for the log after the socket has closed
    CameraSite site_;
    bool unlimitedRate_;
    HttpRequestReader reader_;
    QTimer requestTimer_;
    bool streaming_ = false;
    bool closing_ = false;
    std::uint64_t lastSequence_ = 0;
    std::uint64_t sent_ = 0;
    std::uint64_t skipped_ = 0;
};

} // namespace vistrel::camsim
