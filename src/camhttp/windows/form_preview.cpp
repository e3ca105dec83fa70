#include "camhttp/windows/form_preview.h"

#include "camhttp/picture_stream.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QTimer>
#include <QtGlobal>

namespace vistrel {

namespace {

std::chrono::milliseconds steadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

// Waits for the time while timers, network replies and painting go on; user input waits.
void pauseWithoutFreezing(std::chrono::milliseconds pause) {
    QEventLoop loop;
    QTimer::singleShot(pause, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

TForm_Preview::TForm_Preview(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      PaintBox_Preview(new PreviewPaintBox(this)),
      factory_([] { return std::make_unique<PictureStream>(); }),
      panTilt_([](const StreamTarget& target, std::string_view direction) {
          return sendPanTilt(target, direction);
      }),
      clock_(steadyMilliseconds) {
    setObjectName(QStringLiteral("Form_Preview"));
    setWindowTitle(QStringLiteral("Preview"));
    setFixedSize(kClientSize);

    PaintBox_Preview->setObjectName(QStringLiteral("PaintBox_Preview"));
    PaintBox_Preview->setGeometry(QRect(QPoint(0, 0), kClientSize));
    connect(PaintBox_Preview, &PreviewPaintBox::mousePressed, this,
            &TForm_Preview::PaintBox_PreviewMouseDown);
    panTiltThread_.setMaxThreadCount(1);
}

TForm_Preview::~TForm_Preview() {
    Stop_View();
    // Moves still waiting are dropped; the one under way ends within its time-outs.
    panTiltThread_.clear();
}

QPoint TForm_Preview::placementBeside(const QRect& mainWindowFrame) {
    // The gap of ten pixels is what newer desktops' window frames need.
    return {mainWindowFrame.left() + mainWindowFrame.width() + 10,
            mainWindowFrame.top() + mainWindowFrame.height() / 4};
}

void TForm_Preview::Open_Preview(const QWidget& mainWindow) {
    move(placementBeside(mainWindow.frameGeometry()));
    show();
    Stop_View();
    Start_View();
}

void TForm_Preview::Open_PreviewAfterSetup(const QWidget& mainWindow,
                                           const std::function<void()>& restartSearch) {
    move(placementBeside(mainWindow.frameGeometry()));
    pauseWithoutFreezing(handOverPause_);
    restartSearch();
    show();
    Stop_View();
    Start_View();
}

void TForm_Preview::Start_View() {
    if (worker_ || !factory_ || !targetSource_) {
        return;
    }
    streamTarget_ = targetSource_();
    TThdView::Settings settings{*streamTarget_, PaintBox_Preview->size(), reopenPause_};
    worker_ = std::make_unique<TThdView>(factory_(), std::move(settings), this,
                                         [this](const QImage& picture) { Show_Frame(picture); });
    worker_->start();
}

void TForm_Preview::Stop_View() {
    // Taken out first, so that nothing started or stopped from here on meets this worker.
    const std::unique_ptr<TThdView> worker = std::move(worker_);
    if (!worker) {
        return;
    }
    // The stop also ends the worker's wait for this thread to show a picture.
    worker->requestStop();
    worker->wait();
}

void TForm_Preview::Show_Frame(const QImage& picture) {
    PaintBox_Preview->showPicture(picture);
    emit pictureShown();
}

void TForm_Preview::PaintBox_PreviewMouseDown(QPoint position) {
    if (!debounce_.accept(clock_())) {
        return;
    }
    const std::string direction(panTiltDirection(
        position.x(), position.y(), PaintBox_Preview->width(), PaintBox_Preview->height()));
    if (direction.empty() || !streamTarget_ || !panTilt_) {
        return;
    }
    // The camera may take seconds to answer, or never: the request waits on a thread of its own.
    panTiltThread_.start([send = panTilt_, target = *streamTarget_, direction] {
        const PanTiltResult result = send(target, direction);
        if (result.outcome != PanTiltOutcome::Accepted) {
            qWarning("pan/tilt \"%s\" to %s:%u: %s", direction.c_str(), target.host.c_str(),
                     unsigned{target.port}, describePanTilt(result).c_str());
        }
    });
}

void TForm_Preview::closeEvent(QCloseEvent* event) {
    Stop_View();
    QWidget::closeEvent(event);
}

} // namespace vistrel
