#include "cli/camera_session.h"

#include "config/camera_selection.h"
#include "config/settings_reply_application.h"
#include "net/reply_delivery.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <limits>

namespace vistrel {

CameraReading::CameraReading(DatagramSender& sender)
    : sender_(sender), discovery_(list, config.camera),
      search_(list, discovery_, sender, config.templates, {}) {}

void CameraReading::search() {
    search_.Image_Search_CameraClick();
}

bool CameraReading::select(std::string_view macText) {
    for (int index = 0; index < list.rowCount(); ++index) {
        if (list.row(index).caption() == macText) {
            list.select(index);
            selectCamera(config, list, discovery_, sender_);
            return true;
        }
    }
    return false;
}

bool CameraReading::settingsArrived() const {
    return settingsReplied_ && (config.camera.xmlMode ||
                                config.credentials.credentialSourceMac == config.camera.macText);
}

void CameraReading::takeReplies(net::ReplyBatch batch) {
    net::deliverReplies(std::move(batch), discovery_, config.camera.macText, *this);
}

void CameraReading::onDiscoveryReply(const DiscoveryReply& reply) {
    discovery_.addDiscoveredCamera(reply);
}

void CameraReading::onSettingsReply(Bytes datagram) {
    applySettingsReply(config, datagram);
    settingsReplied_ = true;
}

CameraSession::CameraSession(std::vector<std::string> interfaceNames) {
    endpoint_.restrictToInterfaces(std::move(interfaceNames));
}

bool CameraSession::open() {
    return endpoint_.bind();
}

namespace {

int millisecondsLeft(const QDeadlineTimer& deadline) {
    const qint64 left = deadline.remainingTime();
    constexpr qint64 kLongest = std::numeric_limits<int>::max();
    return static_cast<int>(left < 0 ? kLongest : std::min(left, kLongest));
}

} // namespace

ReadingOutcome CameraSession::read(CameraReading& reading, std::string_view macText,
                                   const QDeadlineTimer& deadline) {
    QEventLoop loop;
    int queries = 0; // times the queries went out
    const auto selectOnceAnswered = [&] {
        if (queries == 0 && reading.select(macText)) {
            queries = 1;
        }
    };
    endpoint_.setBatchHandler([&](net::ReplyBatch batch) {
        reading.takeReplies(std::move(batch));
        selectOnceAnswered();
        if (reading.settingsArrived()) {
            loop.quit();
        }
    });
    QTimer repeat;
    repeat.setInterval(kRepeatMilliseconds);
    QObject::connect(&repeat, &QTimer::timeout, &loop, [&] {
        if (queries == 0) {
            reading.search();
        } else if (queries <= kQueryRepeats) {
            reading.select(macText);
            ++queries;
        }
    });
    QTimer::singleShot(millisecondsLeft(deadline), &loop, &QEventLoop::quit);
    reading.search();
    repeat.start();
    loop.exec();
    endpoint_.setBatchHandler({});

    if (reading.settingsArrived()) {
        return ReadingOutcome::Settings;
    }
    return queries > 0 ? ReadingOutcome::NoSettings : ReadingOutcome::NotFound;
}

void CameraSession::pause(const QDeadlineTimer& until) {
    QEventLoop loop;
    QTimer::singleShot(millisecondsLeft(until), &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace vistrel
