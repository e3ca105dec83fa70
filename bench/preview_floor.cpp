#include "preview_floor.h"

#include "camhttp/jpeg_decoder.h"

#include <QImage>
#include <QPainter>
#include <ctime>
#include <turbojpeg.h>

namespace vistrel::bench {

namespace {

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + now.tv_nsec / 1e6;
}

// Decodes straight through the TurboJPEG API, not through the preview's own decoder, so that
// the floor stays what the library costs whatever the preview does around it.
class FloorDecoder {
public:
    FloorDecoder() : handle_(tjInitDecompress()) {}
    ~FloorDecoder() { tjDestroy(handle_); }
    FloorDecoder(const FloorDecoder&) = delete;
    FloorDecoder& operator=(const FloorDecoder&) = delete;

    // The picture at the scale that covers the box, viewed as 0xFFRRGGBB words; null when the
    // decoder fails.
    QImage decode(const std::vector<std::uint8_t>& jpeg, QSize box) {
        int width = 0;
        int height = 0;
        int subsampling = 0;
        int colourspace = 0;
        if (tjDecompressHeader3(handle_, jpeg.data(), jpeg.size(), &width, &height, &subsampling,
                                &colourspace) != 0) {
            return {};
        }
        const DctScale scale = coveringScale(width, height, box.width(), box.height());
        const int scaledWidth = scaledLength(width, scale);
        const int scaledHeight = scaledLength(height, scale);
        pixels_.resize(std::size_t(scaledWidth) * std::size_t(scaledHeight) * 4);
        if (tjDecompress2(handle_, jpeg.data(), jpeg.size(), pixels_.data(), scaledWidth,
                          scaledWidth * 4, scaledHeight, TJPF_BGRA, 0) != 0) {
            return {};
        }
        return QImage(pixels_.data(), scaledWidth, scaledHeight, scaledWidth * 4,
                      QImage::Format_RGB32);
    }

private:
    tjhandle handle_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace

double previewFloorMsPerPicture(const std::vector<std::vector<std::uint8_t>>& pictures, QSize box,
                                int cpuMs) {
    FloorDecoder decoder;
    QImage target(box, QImage::Format_RGB32);
    long decoded = 0;
    const double start = threadCpuMs();
    double spent = 0;
    while (spent < cpuMs) {
        const QImage picture =
            decoder.decode(pictures[std::size_t(decoded) % pictures.size()], box);
        if (picture.isNull()) {
            return 0;
        }
        QPainter painter(&target);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), box), picture);
        painter.end();
        ++decoded;
        spent = threadCpuMs() - start;
    }
    return spent / double(decoded);
}

} // namespace vistrel::bench
