#include "camsim/camera_http_server.h"

#include <QHostAddress>
#include <QTcpSocket>

namespace vistrel::camsim {

namespace {

QHostAddress hostAddressOf(const Ipv4Address& ip) {
    return QHostAddress(static_cast<quint32>(ip[0]) << 24 | static_cast<quint32>(ip[1]) << 16 |
                        static_cast<quint32>(ip[2]) << 8 | static_cast<quint32>(ip[3]));
}

} // namespace

CameraHttpServer::CameraHttpServer(CameraState& camera, EventLog& log, QObject* parent)
    : QObject(parent), camera_(camera), log_(log), pictures_(camera) {
    connect(&server_, &QTcpServer::newConnection, this, &CameraHttpServer::acceptClients);
    const int framesPerSecond = camera.description().picture.framesPerSecond;
    if (framesPerSecond > 0) {
        pictureTimer_.setTimerType(Qt::PreciseTimer);
        pictureTimer_.setInterval(1000 / framesPerSecond);
        connect(&pictureTimer_, &QTimer::timeout, this, &CameraHttpServer::sendPictureToStreams);
    }
}

bool CameraHttpServer::followCameraAddress() {
    const QHostAddress address = hostAddressOf(camera_.settings().ip);
    const quint16 port = camera_.settings().webPort;
    if (server_.isListening() && server_.serverAddress() == address &&
        server_.serverPort() == port) {
        return true;
    }
    server_.close();
    errorText_.clear();
    if (!server_.listen(address, port)) {
        errorText_ = server_.errorString().toStdString();
        return false;
    }
    return true;
}

void CameraHttpServer::acceptClients() {
    const bool unlimitedRate = camera_.description().picture.framesPerSecond == 0;
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        auto* connection =
            new HttpConnection(socket, {camera_, nonces_, pictures_, log_}, unlimitedRate, this);
        connect(connection, &HttpConnection::streamStarted, this,
                [this, connection] { addStream(connection); });
    }
}

void CameraHttpServer::addStream(HttpConnection* connection) {
    streams_.append(connection);
    if (camera_.description().picture.framesPerSecond > 0 && !pictureTimer_.isActive()) {
        pictureTimer_.start();
    }
}

void CameraHttpServer::sendPictureToStreams() {
    streams_.removeIf(
        [](const QPointer<HttpConnection>& c) { return c.isNull() || !c->streaming(); });
    if (streams_.isEmpty()) {
        pictureTimer_.stop(); // nobody watches: render nothing
        return;
    }
    const PicturePart& part = pictures_.renderNext();
    for (const QPointer<HttpConnection>& connection : streams_) {
        connection->offer(part);
    }
}

} // namespace vistrel::camsim
