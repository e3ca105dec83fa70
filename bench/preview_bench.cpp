// The live preview's whole pipeline against its floor and against ffmpeg: a camera-like stream
// of noisy JPEG pictures at 640 × 480, 1280 × 720 and 1920 × 1080 is read, decoded, scaled and
// drawn into the 320 × 240 box of the preview window (offscreen platform), and the CPU per
// displayed picture is set beside the floor (TurboJPEG's decode of the same pictures at the
// same scale and the same stretch, in memory) and beside what ffmpeg spends reading the same
// stream and scaling it to 320 × 240 RGB. The server runs on one core, the preview, the floor
// and ffmpeg on the other. Runs inside the private network namespace of scripts/netns.

#include "camhttp/windows/form_preview.h"
#include "child_process.h"
#include "picture_replay_server.h"
#include "preview_floor.h"
#include "support/private_network.h"
#include "target_verdict.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <ctime>
#include <sched.h>
#include <string>
#include <sys/resource.h>
#include <thread>

namespace {

using namespace vistrel;

constexpr int kServerCore = 0;
constexpr int kPipelineCore = 1;
constexpr int kWarmUpMs = 700;
constexpr int kMeasuredMs = 3000;
constexpr int kFfmpegPictures = 150;
constexpr int kFloorCpuMs = 1500;
constexpr double kFloorRatioTarget = 1.4;
constexpr double kRatioTarget = 0.5;
constexpr double kGuiMsTarget = 0.3;
constexpr double kFullHdRateTarget = 60;

struct Size {
    int width;
    int height;
};

struct PipelineFigures {
    long pictures = 0;
    double cpuMsPerPicture = 0;
    double guiMsPerPicture = 0;
    double picturesPerSecond = 0;
};

struct FfmpegFigures {
    long pictures = 0;
    double cpuMsPerPicture = 0;
};

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return double(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

void runEventsFor(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Counts the paints of the box that put a new picture on the screen.
class DisplayedPictures : public QObject {
public:
    long count = 0;
    bool fresh = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && fresh) {
            ++count;
            fresh = false;
        }
        return QObject::eventFilter(watched, event);
    }
};

PipelineFigures measurePipeline(std::uint16_t port) {
    TForm_Preview preview;
    preview.setStreamTargetSource([port] {
        return StreamTarget{bench::kReplayAddress, port, std::string()};
    });
    DisplayedPictures displayed;
    preview.paintBox()->installEventFilter(&displayed);
    QObject::connect(&preview, &TForm_Preview::pictureShown, &preview,
                     [&displayed] { displayed.fresh = true; });
    preview.show();
    preview.Start_View();
    runEventsFor(kWarmUpMs);

    const long picturesBefore = displayed.count;
    const double cpuBefore = processCpuSeconds();
    const double guiBefore = threadCpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runEventsFor(kMeasuredMs);
    const double guiSeconds = threadCpuSeconds() - guiBefore;
    const double cpuSeconds = processCpuSeconds() - cpuBefore;
    const double wallSeconds = wall.nsecsElapsed() / 1e9;
    PipelineFigures figures;
    figures.pictures = displayed.count - picturesBefore;
    preview.Stop_View();
    if (figures.pictures > 0) {
        figures.cpuMsPerPicture = cpuSeconds * 1000 / figures.pictures;
        figures.guiMsPerPicture = guiSeconds * 1000 / figures.pictures;
        figures.picturesPerSecond = figures.pictures / wallSeconds;
    }
    return figures;
}

FfmpegFigures measureFfmpeg(std::uint16_t port, int core) {
    const std::string url = std::string("http://") + bench::kReplayAddress + ":" +
                            std::to_string(port) + "/snapshot.cgi";
    bench::ChildProcess ffmpeg({"ffmpeg", "-nostdin", "-hide_banner", "-loglevel", "error", "-f",
                                "mpjpeg", "-i", url, "-frames:v", std::to_string(kFfmpegPictures),
                                "-f", "rawvideo", "-pix_fmt", "rgb24", "-s", "320x240", "-"},
                               core);
    long bytes = 0;
    char buffer[65536];
    for (ssize_t n; (n = read(ffmpeg.output(), buffer, sizeof buffer)) > 0;) {
        bytes += n;
    }
    const double cpuSeconds = ffmpeg.finish(false);
    FfmpegFigures figures;
    figures.pictures = bytes / (320 * 240 * 3);
    if (figures.pictures > 0) {
        figures.cpuMsPerPicture = cpuSeconds * 1000 / figures.pictures;
    }
    return figures;
}

bool pinTo(int core) {
    cpu_set_t cores;
    CPU_ZERO(&cores);
    CPU_SET(core, &cores);
    return sched_setaffinity(0, sizeof cores, &cores) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc == 4 && std::string(argv[1]) == "--serve") {
        int width = 0;
        int height = 0;
        std::sscanf(argv[2], "%dx%d", &width, &height);
        return bench::runReplayServer(width, height, std::uint16_t(std::stoi(argv[3])));
    }
    if (!test::inPrivateNetworkNamespace()) {
        std::fprintf(stderr, "run inside scripts/netns: this program opens sockets\n");
        return 1;
    }
    const bool pinned = std::thread::hardware_concurrency() >= 2 && pinTo(kPipelineCore);
    const int serverCore = pinned ? kServerCore : -1;
    const int pipelineCore = pinned ? kPipelineCore : -1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::printf("preview pipeline against its floor and ffmpeg, CPU ms per displayed picture of "
                "a noisy camera stream, box 320 x 240 (%s)\n",
                pinned ? "server on core 0, the rest on core 1" : "not pinned");
    std::printf("%-10s %7s %7s %8s %7s %8s %7s %7s %11s %9s\n", "size", "KiB/pic", "floor",
                "preview", "x floor", "ffmpeg", "x ffmpeg", "GUI ms", "pictures/s", "1 core/s");
    bool failed = false;
    std::uint16_t port = 8090;
    for (const Size size : {Size{640, 480}, Size{1280, 720}, Size{1920, 1080}}) {
        const std::string dimensions =
            std::to_string(size.width) + "x" + std::to_string(size.height);
        bench::ChildProcess server({"/proc/self/exe", "--serve", dimensions, std::to_string(port)},
                                   serverCore);
        const std::string ready = server.readLine();
        if (ready.rfind("ready ", 0) != 0) {
            std::fprintf(stderr, "the replay server did not start\n");
            return 1;
        }
        const double floorMs =
            bench::previewFloorMsPerPicture(bench::replayPictures(size.width, size.height),
                                            TForm_Preview::kClientSize, kFloorCpuMs);
        const PipelineFigures preview = measurePipeline(port);
        const FfmpegFigures ffmpeg = measureFfmpeg(port, pipelineCore);
        if (preview.pictures == 0 || ffmpeg.pictures == 0 || floorMs <= 0) {
            std::fprintf(stderr,
                         "%s: no pictures (preview %ld, ffmpeg %ld, floor %.2f ms; is ffmpeg "
                         "there?)\n",
                         dimensions.c_str(), preview.pictures, ffmpeg.pictures, floorMs);
            failed = true;
            continue;
        }
        const double floorRatio = preview.cpuMsPerPicture / floorMs;
        const double ratio = preview.cpuMsPerPicture / ffmpeg.cpuMsPerPicture;
        const double oneCoreRate = 1000 / preview.cpuMsPerPicture;
        std::printf("%-10s %7.0f %7.2f %8.2f %7.2f %8.2f %7.2f %7.3f %11.0f %9.0f\n",
                    dimensions.c_str(), std::stod(ready.substr(6)) / 1024, floorMs,
                    preview.cpuMsPerPicture, floorRatio, ffmpeg.cpuMsPerPicture, ratio,
                    preview.guiMsPerPicture, preview.picturesPerSecond, oneCoreRate);
        std::printf("  targets: x floor <= %.1f %s; x ffmpeg <= %.1f %s; GUI thread < %.1f ms %s",
                    kFloorRatioTarget, bench::verdict(floorRatio <= kFloorRatioTarget),
                    kRatioTarget, bench::verdict(ratio <= kRatioTarget), kGuiMsTarget,
                    bench::verdict(preview.guiMsPerPicture < kGuiMsTarget));
        if (size.width == 1920) {
            std::printf("; >= %.0f pictures/s on one core %s", kFullHdRateTarget,
                        bench::verdict(oneCoreRate >= kFullHdRateTarget));
        }
        std::printf("\n");
        ++port;
    }
    return failed ? 1 : 0;
}
