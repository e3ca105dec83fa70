#pragma once
// The web server of one camera, on the camera's address and web port: serves several clients
// at once and renders each picture once for all clients that watch.

#include "camsim/camera_state.h"
#include "camsim/event_log.h"
#include "camsim/http_auth.h"
#include "camsim/http_connection.h"
#include "camsim/picture_feed.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTimer>
#include <string>

namespace vistrel::camsim {

class CameraHttpServer : public QObject {
    Q_OBJECT

public:
    CameraHttpServer(CameraState& camera, EventLog& log, QObject* parent = nullptr);

    // Listens on the camera's current address and web port, moving there when a settings
    // write changed them. False, with the reason in errorText(), when the address is not one
    // of this host's: such a camera has no web server, as one that never answers.
    bool followCameraAddress();
    bool listening() const { return server_.isListening(); }
    const std::string& errorText() const { return errorText_; }

private:
    void acceptClients();
    void addStream(HttpConnection* connection);
    void sendPictureToStreams();

    CameraState& camera_;
    EventLog& log_;
    NonceBook nonces_;
    PictureFeed pictures_;
    QTcpServer server_;
    QTimer pictureTimer_;
    QList<QPointer<HttpConnection>> streams_;
    std::string errorText_;
};

} // namespace vistrel::camsim
