#include "camhttp/windows/preview_worker.h"

#include "camhttp/windows/preview_frame_scaler.h"

#include <QDeadlineTimer>
#include <QMetaObject>
#include <cstdlib>
#include <set>
#include <vector>

namespace vistrel {

namespace {

// The workers that exist, for the exit handler below. Plain globals: they are made before
// main() and so outlive any exit handler registered later.
std::mutex workersMutex;
std::set<TThdView*> workers;

constexpr int kExitStopLimitMs = 2000;

// Qt ends the process with exit() from inside its event loop when the connection to the display
// breaks, with every window and worker still alive; static destructors must not run under a
// worker that still decodes and hands over. This handler stops the workers and waits for them
// first. It runs before the destructors of every static made before it was registered.
void stopWorkersAtExit() {
    std::vector<TThdView*> running;
    {
        const std::lock_guard lock(workersMutex);
        running.assign(workers.begin(), workers.end());
    }
    for (TThdView* worker : running) {
        worker->requestStop();
    }
    for (TThdView* worker : running) {
        worker->wait(QDeadlineTimer(kExitStopLimitMs));
    }
}

// Registered once a worker has shown its first picture: by then everything a worker touches
// (the toolkit's painting and threading statics among it) exists, so the handler runs before
// any of it is destroyed.
void stopWorkersBeforeStaticsAtExit() {
    static const bool registered = std::atexit(stopWorkersAtExit) == 0;
    Q_UNUSED(registered);
}

} // namespace

TThdView::TThdView(std::unique_ptr<PictureSource> source, Settings settings, QObject* receiver,
                   PictureHandler showPicture)
    : source_(std::move(source)), settings_(std::move(settings)), receiver_(receiver),
      showPicture_(std::move(showPicture)) {
    const std::lock_guard lock(workersMutex);
    workers.insert(this);
}

TThdView::~TThdView() {
    {
        const std::lock_guard lock(workersMutex);
        workers.erase(this);
    }
    requestStop();
    wait();
}

void TThdView::requestStop() {
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->stop = true;
    }
    source_->interrupt();
    shared_->wake.notify_all();
}

bool TThdView::stopRequested() const {
    const std::lock_guard lock(shared_->mutex);
    return shared_->stop;
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
                if (!handOver(scaled)) {
                    return StreamEnd::Stopped;
                }
                stopWorkersBeforeStaticsAtExit();
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

bool TThdView::handOver(const QImage& picture) {
    const std::uint64_t number = ++handedOver_;
    // The call holds the shared part and a copy of the handler, never the worker itself.
    QMetaObject::invokeMethod(
        receiver_,
        [shared = shared_, show = showPicture_, picture, number] {
            {
                const std::lock_guard lock(shared->mutex);
                if (shared->stop) {
                    return;
                }
            }
            show(picture);
            const std::lock_guard lock(shared->mutex);
            shared->shown = number;
            shared->wake.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(shared_->mutex);
    shared_->wake.wait(lock, [this, number] { return shared_->stop || shared_->shown >= number; });
    return !shared_->stop;
}

void TThdView::idle(std::chrono::milliseconds pause, bool untilStopped) {
    std::unique_lock lock(shared_->mutex);
    if (untilStopped) {
        shared_->wake.wait(lock, [this] { return shared_->stop; });
    } else {
        shared_->wake.wait_for(lock, pause, [this] { return shared_->stop; });
    }
}

} // namespace vistrel
