#pragma once
// TThdView: the preview's worker thread. It opens the camera's picture stream, reads one
// picture after another, decodes and stretches each to the box, and hands it to the GUI
// thread, waiting until it is shown, so that it never runs ahead of the painting. A stream
// that closes or fails is opened again after a pause; a refused password is not tried again.
// A stop ends every wait at once, also the wait for a GUI thread that never comes back.

#include "camhttp/picture_source.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QThread>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

namespace vistrel {

class TThdView final : public QThread {
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds kReopenPause{2000};

    // Runs on the GUI thread, in the context of `receiver`, with each finished picture.
    using PictureHandler = std::function<void(const QImage&)>;

    struct Settings {
        StreamTarget target;
        QSize box;
        std::chrono::milliseconds reopenPause = kReopenPause;
    };

    TThdView(std::unique_ptr<PictureSource> source, Settings settings, QObject* receiver,
             PictureHandler showPicture);
    // The thread must have ended (requestStop, then wait).
    ~TThdView() override;

    // Asks the worker to end: a blocked open or read returns at once, and so does a pause.
    // Safe from any thread.
    void requestStop();

protected:
    void run() override;

private:
    enum class StreamEnd { Reopen, Refused, Stopped };

    // What the worker shares with its hand-overs on the GUI thread; a queued hand-over may
    // outlive the worker.
    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;
        bool stop = false;
        std::uint64_t shown = 0; // the number of the last picture the GUI thread showed
    };

    StreamEnd readStream();
    // Shows the picture on the GUI thread and waits until it was shown; false when a stop came
    // first, and then the picture is not shown.
    bool handOver(const QImage& picture);
    // Waits for the pause, or with untilStopped for no end, until a stop is requested.
    void idle(std::chrono::milliseconds pause, bool untilStopped = false);
    bool stopRequested() const;

    std::unique_ptr<PictureSource> source_;
    Settings settings_;
    QObject* receiver_;
    PictureHandler showPicture_;
    std::shared_ptr<Shared> shared_ = std::make_shared<Shared>();
    std::uint64_t handedOver_ = 0;
};

} // namespace vistrel
