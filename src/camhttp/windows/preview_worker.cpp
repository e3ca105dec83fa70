#include "camhttp/windows/preview_worker.h"

#include "camhttp/windows/preview_frame_scaler.h"

#include <QMetaObject>
#include <vector>

namespace vistrel {

TThdView::TThdView(std::unique_ptr<PictureSource> source, Settings settings, QObject* receiver,
                   PictureHandler showPicture)
    : source_(std::move(source)), settings_(std::move(settings)), receiver_(receiver),
      showPicture_(std::move(showPicture)) {}

TThdView::~TThdView() {
    requestStop();
    wait();
}

void TThdView::requestStop() {
    {
        const std::lock_guard lock(idleMutex_);
        stop_ = true;
    }
    source_->interrupt();
    idleWake_.notify_all();
}

void TThdView::run() {
    while (!stopRequested()) {
        const StreamOpening opening = source_->open(settings_.target);
        StreamEnd end = StreamEnd::Reopen;
        if (opening == StreamOpening::Opened) {
            end = readStream();
        } else if (opening == StreamOpening::Refused) {
            end = StreamEnd::Refused;
        } else if (opening == StreamOpening::Interrupted) {
            end = StreamEnd::Stopped;
        }
        if (end == StreamEnd::Stopped) {
            return;
        }
        // Without a stream there is nothing to do but wait: no loop turns at full speed over
        // a closed socket. The same password would be refused again, so a refusal waits for
        // the next start.
        idle(settings_.reopenPause, end == StreamEnd::Refused);
    }
}

TThdView::StreamEnd TThdView::readStream() {
    PreviewFrameScaler scaler(settings_.box);
    std::vector<std::uint8_t> picture;
    for (;;) {
        switch (source_->readFrame(picture)) {
        case FrameStatus::Picture:
            if (const QImage scaled = scaler.scale(picture); !scaled.isNull()) {
                QMetaObject::invokeMethod(
                    receiver_, [this, &scaled] { showPicture_(scaled); },
                    Qt::BlockingQueuedConnection);
            }
            break;
        case FrameStatus::Skipped:
            break;
        case FrameStatus::Refused:
            return StreamEnd::Refused;
        case FrameStatus::Closed:
        case FrameStatus::TimedOut:
            return StreamEnd::Reopen;
        case FrameStatus::Interrupted:
            return StreamEnd::Stopped;
        }
        if (stopRequested()) {
            return StreamEnd::Stopped;
        }
    }
}

void TThdView::idle(std::chrono::milliseconds pause, bool untilStopped) {
    std::unique_lock lock(idleMutex_);
    if (untilStopped) {
        idleWake_.wait(lock, [this] { return stopRequested(); });
    } else {
        idleWake_.wait_for(lock, pause, [this] { return stopRequested(); });
    }
}

} // namespace vistrel
