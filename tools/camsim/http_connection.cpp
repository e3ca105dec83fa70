#include "camsim/http_connection.h"

namespace vistrel::camsim {

namespace {

std::string peerOf(const QTcpSocket& socket) {
    return socket.peerAddress().toString().toStdString() + ":" + std::to_string(socket.peerPort());
}

} // namespace

HttpConnection::HttpConnection(QTcpSocket* socket, CameraSite site, bool unlimitedRate,
                               QObject* parent)
    : QObject(parent), socket_(socket), peer_(peerOf(*socket)), site_(site),
      unlimitedRate_(unlimitedRate) {
    socket_->setParent(this);
    connect(socket_, &QTcpSocket::readyRead, this, &HttpConnection::readRequest);
    connect(socket_, &QTcpSocket::disconnected, this, &HttpConnection::close);
    connect(socket_, &QTcpSocket::errorOccurred, this, &HttpConnection::close);
    connect(socket_, &QTcpSocket::bytesWritten, this, &HttpConnection::sendNextPictureWhenReady);
    requestTimer_.setSingleShot(true);
    connect(&requestTimer_, &QTimer::timeout, this, &HttpConnection::requestTimedOut);
    requestTimer_.start(kRequestTimeoutMs);
}

void HttpConnection::offer(const PicturePart& part) {
    if (socket_->bytesToWrite() > kMaxBacklog) {
        ++skipped_;
        return;
    }
    send(part);
}

void HttpConnection::readRequest() {
    const QByteArray bytes = socket_->readAll();
    if (reader_.state() != HttpRequestReader::State::Incomplete) {
        return; // a streaming client's further bytes mean nothing
    }
    switch (
        reader_.feed(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())))) {
    case HttpRequestReader::State::Incomplete:
        return;
    case HttpRequestReader::State::Malformed:
        answer(answerMalformedRequest(reader_.firstLine(), reader_.error(), site_.camera));
        return;
    case HttpRequestReader::State::Complete:
        answer(answerRequest(reader_.request(), site_.camera, site_.nonces));
        return;
    }
}

void HttpConnection::requestTimedOut() {
    LogEntry entry;
    entry.peer = peer_;
    entry.direction = "in";
    entry.command = "(incomplete request)";
    entry.camera = site_.camera.macText();
    entry.fields.add("firstLine", reader_.firstLine());
    entry.verdict = "ignored: no complete request within 10 s";
    site_.log.write(entry);
    close();
}

void HttpConnection::answer(const HttpAnswer& answer) {
    requestTimer_.stop();
    LogEntry entry = answer.entry;
    entry.peer = peer_;
    site_.log.write(entry);
    socket_->write(answer.response.data(), static_cast<qint64>(answer.response.size()));
    if (!answer.startsStream) {
        socket_->disconnectFromHost(); // after what is queued has gone out
        return;
    }
    streaming_ = true;
    emit streamStarted();
    send(site_.pictures.renderNext()); // the first picture at once, showing the time of now
}

void HttpConnection::sendNextPictureWhenReady() {
    if (streaming_ && unlimitedRate_ && socket_->bytesToWrite() < kLowWater) {
        send(site_.pictures.newerThan(lastSequence_));
    }
}

void HttpConnection::send(const PicturePart& part) {
    socket_->write(part.bytes);
    lastSequence_ = part.sequence;
    ++sent_;
}

void HttpConnection::logStreamEnd() {
    LogEntry entry;
    entry.peer = peer_;
    entry.direction = "out";
    entry.command = "GET /snapshot.cgi";
    entry.camera = site_.camera.macText();
    entry.fields.add("pictures", static_cast<long long>(sent_))
        .add("skipped", static_cast<long long>(skipped_));
    entry.verdict = "stream ended";
    site_.log.write(entry);
}

void HttpConnection::close() {
    if (closing_) {
        return;
    }
    closing_ = true;
    if (streaming_) {
        logStreamEnd();
        streaming_ = false;
    }
    requestTimer_.stop();
    socket_->abort();
    deleteLater();
}

} // namespace vistrel::camsim
