#include "cli/snapshot_command.h"

#include "camhttp/picture_stream.h"
#include "cli/camera_session.h"
#include "cli/command_messages.h"
#include "cli/exit_codes.h"
#include "cli/named_camera.h"

#include <QSaveFile>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

namespace vistrel {

namespace {

using Clock = std::chrono::steady_clock;

// Ends every wait of the stream when the deadline passes, from a thread of its own.
class InterruptAtDeadline {
public:
    InterruptAtDeadline(PictureSource& source, Clock::time_point deadline)
        : thread_([&source, deadline](const std::stop_token& stop) {
              std::mutex mutex;
              std::condition_variable_any wake;
              std::unique_lock lock(mutex);
              if (!wake.wait_until(lock, stop, deadline, [] { return false; }) &&
                  !stop.stop_requested()) {
                  source.interrupt();
              }
          }) {}

private:
    std::jthread thread_;
};

struct Where {
    std::string host;
    std::uint16_t port = 80;
};

QString placeOf(const Where& where) {
    return QStringLiteral("%1:%2").arg(QString::fromStdString(where.host)).arg(where.port);
}

QString secondsOf(const CommandLine& line) {
    return QString::number(line.waitMilliseconds / 1000.0);
}

// The camera's address: as given, or from a search by its MAC and its settings reply.
int findCamera(const CommandLine& line, Clock::time_point deadline, Where& where,
               QTextStream& err) {
    const SnapshotRequest& snapshot = line.snapshot;
    if (line.mac.empty()) {
        where = {snapshot.ip, snapshot.port.value_or(80)};
        return kExitDone;
    }
    CameraSession session(line.interfaceNames);
    CameraReading reading(session.sender());
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    if (const int status = readNamedCamera(session, reading, line,
                                           QDeadlineTimer(std::max<qint64>(left.count(), 0)), err);
        status != kExitDone) {
        return status;
    }
    const TDeviceItem& camera = reading.config.camera;
    where = {camera.ipTextNoBlanks, snapshot.port.value_or(camera.webPort)};
    return kExitDone;
}

int reportOpening(StreamOpening opening, const PictureStream& stream, const Where& where,
                  const CommandLine& line, QTextStream& err) {
    switch (opening) {
    case StreamOpening::Opened:
        return kExitDone;
    case StreamOpening::Refused:
        reportError(err,
                    QStringLiteral("the camera at %1 refused the password").arg(placeOf(where)));
        return kExitAuthentication;
    case StreamOpening::OtherStatus:
        reportError(
            err, stream.lastStatusCode() == 0
                     ? QStringLiteral("%1 did not answer with a picture stream").arg(placeOf(where))
                     : QStringLiteral("%1 answered %2 instead of a picture stream")
                           .arg(placeOf(where))
                           .arg(stream.lastStatusCode()));
        return kExitCameraUnreachable;
    case StreamOpening::LookupFailed:
    case StreamOpening::ConnectFailed:
        reportError(err, QStringLiteral("cannot connect to %1").arg(placeOf(where)));
        return kExitCameraUnreachable;
    case StreamOpening::TimedOut:
        reportError(err, QStringLiteral("%1 did not answer").arg(placeOf(where)));
        return kExitCameraUnreachable;
    case StreamOpening::Interrupted:
        break;
    }
    reportError(err, QStringLiteral("no picture arrived within %1 s").arg(secondsOf(line)));
    return kExitNoPicture;
}

// What the preview would paint: JPEG data from its start marker to its end marker.
bool hasJpegMarkers(const std::vector<std::uint8_t>& picture) {
    const std::size_t size = picture.size();
    return size >= 4 && picture[0] == 0xFF && picture[1] == 0xD8 && picture[size - 2] == 0xFF &&
           picture[size - 1] == 0xD9;
}

bool save(const std::string& name, const std::vector<std::uint8_t>& picture) {
    QSaveFile file(QString::fromLocal8Bit(name.c_str()));
    return file.open(QIODevice::WriteOnly) &&
           file.write(reinterpret_cast<const char*>(picture.data()),
                      static_cast<qint64>(picture.size())) == static_cast<qint64>(picture.size()) &&
           file.commit();
}

// Reads pictures until `count` are saved, the stream ends or the deadline interrupts it.
int savePictures(PictureStream& stream, const CommandLine& line, QTextStream& out,
                 QTextStream& err) {
    const int count = line.snapshot.count;
    int saved = 0;
    std::vector<std::uint8_t> picture;
    FrameStatus status = FrameStatus::Picture;
    while (saved < count && status != FrameStatus::Closed && status != FrameStatus::Interrupted) {
        status = stream.readFrame(picture);
        if (status == FrameStatus::Refused) {
            reportError(err, QStringLiteral("the camera refused the password"));
            return kExitAuthentication;
        }
        if (status != FrameStatus::Picture || !hasJpegMarkers(picture)) {
            continue;
        }
        const std::string name = snapshotFileName(line.snapshot.output, ++saved, count);
        if (!save(name, picture)) {
            reportError(
                err, QStringLiteral("cannot write %1").arg(QString::fromLocal8Bit(name.c_str())));
            return kExitCheckRefused;
        }
        out << QString::fromLocal8Bit(name.c_str()) << '\n';
        out.flush();
    }
    if (saved == count) {
        return kExitDone;
    }
    const QString what = saved == 0 ? QStringLiteral("no picture")
                                    : QStringLiteral("%1 of %2 pictures").arg(saved).arg(count);
    reportError(err, status == FrameStatus::Closed
                         ? QStringLiteral("the camera closed the picture stream after %1").arg(what)
                         : QStringLiteral("%1 arrived within %2 s").arg(what, secondsOf(line)));
    return kExitNoPicture;
}

} // namespace

int runSnapshot(const CommandLine& line, const PasswordSources& passwords, QTextStream& out,
                QTextStream& err) {
    const Clock::time_point deadline =
        Clock::now() + std::chrono::milliseconds(line.waitMilliseconds);
    const PasswordOutcome password =
        currentPassword(passwords, line.mac.empty() ? line.snapshot.ip : line.mac);
    if (!password.obtained()) {
        reportError(err, QString::fromStdString(password.error));
        return kExitUsage;
    }
    Where where;
    if (const int status = findCamera(line, deadline, where, err); status != kExitDone) {
        return status;
    }
    PictureStream stream;
    const InterruptAtDeadline watchdog(stream, deadline);
    const StreamOpening opening = stream.open({where.host, where.port, password.password.text()});
    if (const int status = reportOpening(opening, stream, where, line, err); status != kExitDone) {
        return status;
    }
    return savePictures(stream, line, out, err);
}

} // namespace vistrel
