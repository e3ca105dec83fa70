#include "camsim/test_pattern.h"

#include <QColor>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPen>
#include <QString>
#include <map>
#include <utility>

namespace vistrel::camsim {

namespace {

constexpr int kGridSpacing = 64;

// Seven bars of the usual test-signal colours across the middle of the scene.
void drawColourBars(QPainter& painter, const QRect& area) {
    static const QColor kBars[] = {Qt::white,   Qt::yellow, Qt::cyan, Qt::green,
                                   Qt::magenta, Qt::red,    Qt::blue};
    const int count = static_cast<int>(std::size(kBars));
    for (int i = 0; i < count; ++i) {
        const int left = area.left() + area.width() * i / count;
        const int right = area.left() + area.width() * (i + 1) / count;
        painter.fillRect(QRect(left, area.top(), right - left, area.height()), kBars[i]);
    }
}

void drawGrid(QPainter& painter, QSize size) {
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    for (int x = 0; x < size.width(); x += kGridSpacing) {
        painter.drawLine(x, 0, x, size.height());
    }
    for (int y = 0; y < size.height(); y += kGridSpacing) {
        painter.drawLine(0, y, size.width(), y);
    }
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 255, 200));
    for (int x = 0; x < size.width(); x += 2 * kGridSpacing) {
        for (int y = 0; y < size.height(); y += 2 * kGridSpacing) {
            painter.drawText(x + 4, y + 14, QStringLiteral("%1,%2").arg(x).arg(y));
        }
    }
}

void drawRings(QPainter& painter, QSize size) {
    const QPoint centre(size.width() / 2, size.height() / 2);
    painter.setBrush(Qt::NoBrush);
    for (int radius = 40; radius < size.height() / 2; radius += 40) {
        painter.setPen(QPen(radius % 80 == 0 ? Qt::black : Qt::white, 3));
        painter.drawEllipse(centre, radius, radius);
    }
}

QImage drawScene(QSize pictureSize) {
    const QSize size = pictureSize * 2;
    QImage scene(size, QImage::Format_RGBX8888);
    QPainter painter(&scene);
    QLinearGradient sky(0, 0, size.width(), size.height());
    sky.setColorAt(0.0, QColor(20, 40, 120));
    sky.setColorAt(0.5, QColor(30, 120, 90));
    sky.setColorAt(1.0, QColor(140, 60, 20));
    painter.fillRect(scene.rect(), sky);
    drawGrid(painter, size);
    const QRect bars(size.width() / 4 + pictureSize.width() / 8,
                     size.height() / 4 + pictureSize.height() / 3, pictureSize.width() * 3 / 4,
                     pictureSize.height() / 3);
    drawColourBars(painter, bars);
    painter.setRenderHint(QPainter::Antialiasing);
    drawRings(painter, size);
    return scene;
}

} // namespace

std::shared_ptr<const QImage> testPatternScene(QSize pictureSize) {
    static std::map<std::pair<int, int>, std::shared_ptr<const QImage>> scenes;
    auto& scene = scenes[{pictureSize.width(), pictureSize.height()}];
    if (!scene) {
        scene = std::make_shared<const QImage>(drawScene(pictureSize));
    }
    return scene;
}

} // namespace vistrel::camsim
