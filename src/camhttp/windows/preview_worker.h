#pragma once
// TThdView: the preview's worker thread. It opens the camera's picture stream, reads one
// picture after another, decodes and stretches each to the box, and hands it to the GUI
// thread with a blocking call, so that it never runs ahead of the painting. A stream that
// closes or fails is opened again after a pause; a refused password is not tried again.

#include "camhttp/picture_source.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QThread>
#include <atomic>
#include <chrono>
#include <condition_variable>
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

    StreamEnd readStream();
    // Waits for the pause, or with untilStopped for no end, until a stop is requested.
    void idle(std::chrono::milliseconds pause, bool untilStopped = false);
    bool stopRequested() const { return stop_.load(); }

    std::unique_ptr<PictureSource> source_;
    Settings settings_;
    QObject* receiver_;
    PictureHandler showPicture_;

    std::atomic<bool> stop_{false};
    std::mutex idleMutex_;
    std::condition_variable idleWake_;
};

} // namespace vistrel
