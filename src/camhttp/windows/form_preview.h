#pragma once
// TForm_Preview: the camera's live picture in a small window beside the main window. Its
// worker reads the camera's picture stream and hands over finished pictures; a click into
// the picture pans or tilts the camera.

#include "camhttp/pan_tilt_direction.h"
#include "camhttp/pan_tilt_request.h"
#include "camhttp/picture_source.h"
#include "camhttp/windows/preview_paint_box.h"
#include "camhttp/windows/preview_worker.h"

#include <QThreadPool>
#include <QWidget>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vistrel {

class TForm_Preview : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize kClientSize{320, 240};
    static constexpr std::chrono::milliseconds kHandOverPause{1500};

    using PictureSourceFactory = std::function<std::unique_ptr<PictureSource>()>;
    // Where the stream is and the password that opens it; asked once per Start_View.
    using StreamTargetSource = std::function<StreamTarget()>;
    // Sends one pan/tilt command; blocks, and runs off the GUI thread.
    using PanTiltSender = std::function<PanTiltResult(const StreamTarget&, std::string_view)>;
    using MillisecondClock = std::function<std::chrono::milliseconds()>;

    explicit TForm_Preview(QWidget* parent = nullptr);
    ~TForm_Preview() override;

    PreviewPaintBox* paintBox() const { return PaintBox_Preview; }

    // The camera's picture stream and pan/tilt request unless these say otherwise (tests).
    void setPictureSourceFactory(PictureSourceFactory factory) { factory_ = std::move(factory); }
    void setPanTiltSender(PanTiltSender sender) { panTilt_ = std::move(sender); }
    void setStreamTargetSource(StreamTargetSource source) { targetSource_ = std::move(source); }
    // Seams for tests: the debounce's clock, the worker's pause before it opens a failed
    // stream again, and the pause of the hand-over after the set-up.
    void setClock(MillisecondClock clock) { clock_ = std::move(clock); }
    void setReopenPause(std::chrono::milliseconds pause) { reopenPause_ = pause; }
    void setHandOverPause(std::chrono::milliseconds pause) { handOverPause_ = pause; }

    // Where the window goes beside the main window with this frame: 10 pixels right of it, a
    // quarter of its height down.
    static QPoint placementBeside(const QRect& mainWindowFrame);

    // Places the window beside the main window, shows it and starts the live picture afresh.
    void Open_Preview(const QWidget& mainWindow);
    // The hand-over at the end of the set-up: places the window, waits 1.5 s while painting
    // goes on (user input waits), restarts the search, then shows the window and starts the
    // live picture afresh.
    void Open_PreviewAfterSetup(const QWidget& mainWindow,
                                const std::function<void()>& restartSearch);

    // Starts the worker on the stream target of this moment; nothing when one runs already.
    void Start_View();
    // Stops the worker and returns when it has ended; a picture it was handing over is not
    // shown. Returns at once without a worker.
    void Stop_View();
    bool viewing() const { return worker_ != nullptr; }

    // Shows a finished picture, on the GUI thread.
    void Show_Frame(const QImage& picture);

    // Pan/tilt for a mouse press at this point of the paint box.
    void PaintBox_PreviewMouseDown(QPoint position);
    // Waits until the pan/tilt commands sent so far have been answered (tests).
    void waitForPanTilt() { panTiltThread_.waitForDone(); }

signals:
    void pictureShown();

protected:
    // FormClose: closing the window stops the worker.
    void closeEvent(QCloseEvent* event) override;

private:
    PreviewPaintBox* PaintBox_Preview;
    std::unique_ptr<TThdView> worker_;
    PictureSourceFactory factory_;
    StreamTargetSource targetSource_;
    PanTiltSender panTilt_;
    MillisecondClock clock_;
    std::chrono::milliseconds reopenPause_ = TThdView::kReopenPause;
    std::chrono::milliseconds handOverPause_ = kHandOverPause;
    // The stream the worker opened last: pan/tilt goes to the same camera with its password.
    std::optional<StreamTarget> streamTarget_;
    PanTiltDebounce debounce_;
    // One thread: the camera gets its moves in the order of the clicks.
    QThreadPool panTiltThread_;
};

} // namespace vistrel
