// The committed skin: every picture the windows load is there, has the size and format the
// windows draw it with, colour-keyed pictures are keyed cleanly, buttons blend into the
// background they sit on, and the generator reproduces every committed file.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cstdlib>
#include <functional>
#include <utility>

namespace {

const QDir kDataDir(QStringLiteral(VISTREL_SOURCE_DATA_DIR));
const QDir kSkinDir(kDataDir.filePath(QStringLiteral("image_Quarel")));
const QDir kIconDir(kDataDir.filePath(QStringLiteral("icons")));

constexpr QRgb kStateKey = 0xfffffe; // red 255, green 255, blue 254
constexpr QRgb kViewKey = 0x000000;

QImage skinPicture(const QString& name) {
    return QImage(kSkinDir.filePath(name)).convertToFormat(QImage::Format_RGB32);
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QRgb rgb(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xffffff;
}

QList<QPoint> corners(const QImage& image) {
    return {{0, 0},
            {image.width() - 1, 0},
            {0, image.height() - 1},
            {image.width() - 1, image.height() - 1}};
}

// The bits per pixel field of a BMP file's header.
int bmpBitsPerPixel(const QByteArray& bytes) {
    if (bytes.size() < 30 || !bytes.startsWith("BM")) {
        return -1;
    }
    return static_cast<quint8>(bytes[28]) | static_cast<quint8>(bytes[29]) << 8;
}

// A pixel of the art next to a keyed pixel that is nearly the key itself: the trace of art
// antialiased against the key colour, which shows as a fringe on the card.
bool hasFringe(const QImage& image, QRgb key, int tolerance) {
    const auto nearKey = [&](QRgb pixel) {
        return std::abs(qRed(pixel) - qRed(key)) <= tolerance &&
               std::abs(qGreen(pixel) - qGreen(key)) <= tolerance &&
               std::abs(qBlue(pixel) - qBlue(key)) <= tolerance;
    };
    for (int y = 1; y + 1 < image.height(); ++y) {
        for (int x = 1; x + 1 < image.width(); ++x) {
            const QRgb pixel = rgb(image, x, y);
            const bool besideKey = rgb(image, x - 1, y) == key || rgb(image, x + 1, y) == key ||
                                   rgb(image, x, y - 1) == key || rgb(image, x, y + 1) == key;
            if (pixel != key && besideKey && nearKey(pixel)) {
                return true;
            }
        }
    }
    return false;
}

double shareOfPixels(const QImage& image, const std::function<bool(QRgb)>& test) {
    qsizetype count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += test(rgb(image, x, y)) ? 1 : 0;
        }
    }
    return double(count) / (qsizetype(image.width()) * image.height());
}

// The share of pixels that differ clearly between two pictures of one size.
double shareChanged(const QImage& a, const QImage& b) {
    qsizetype changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = rgb(a, x, y);
            const QRgb q = rgb(b, x, y);
            const int distance = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                                 std::abs(qBlue(p) - qBlue(q));
            changed += distance > 60 ? 1 : 0;
        }
    }
    return double(changed) / (qsizetype(a.width()) * a.height());
}

QStringList fileNames(const QDir& dir, const QString& pattern) {
    return dir.entryList({pattern}, QDir::Files, QDir::Name);
}

} // namespace

class SkinPicturesTest : public QObject {
    Q_OBJECT

private slots:
    void pictureIsA24BitBmpOfItsSize_data();
    void pictureIsA24BitBmpOfItsSize();
    void keyedPictureIsCleanlyKeyed_data();
    void keyedPictureIsCleanlyKeyed();
    void buttonBlendsIntoTheBackgroundAndLightsUpOnHover_data();
    void buttonBlendsIntoTheBackgroundAndLightsUpOnHover();
    void iconsComeInEverySize();
    void desktopEntryStartsTheFinderWithItsIcon();
    void generatorReproducesTheCommittedFiles();
};

void SkinPicturesTest::pictureIsA24BitBmpOfItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const auto row = [](const char* name, int width, int height) {
        QTest::newRow(name) << QString::fromLatin1(name) << QSize(width, height);
    };
    row("bg.bmp", 537, 508);
    for (const char* name : {"search-1.bmp", "search-2.bmp", "setting-1.bmp", "setting-2.bmp"}) {
        row(name, 24, 24);
    }
    for (const char* name : {"min-1.bmp", "min-2.bmp", "close-1.bmp", "close-2.bmp"}) {
        row(name, 25, 21);
    }
    row("bk.bmp", 500, 100);
    for (const char* name : {"state-1.bmp", "state-2.bmp", "state-3.bmp", "state-4.bmp",
                             "state-5.bmp", "view-1.bmp", "view-2.bmp"}) {
        row(name, 64, 64);
    }
    row("729-x-429.bmp", 729, 429);
    row("message-bg.bmp", 312, 206);
    row("waiting-bg.bmp", 292, 166);
    row("login-bg.bmp", 312, 204);
    row("wizard-unplug.bmp", 300, 300);
    row("wizard-replug.bmp", 300, 300);
    row("wizard-wps.bmp", 250, 300);
    row("wps-button.bmp", 108, 47);
}

void SkinPicturesTest::pictureIsA24BitBmpOfItsSize() {
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QByteArray bytes = fileBytes(kSkinDir.filePath(name));
    QVERIFY2(!bytes.isEmpty(), qPrintable(name + QStringLiteral(" is missing")));
    QCOMPARE(bmpBitsPerPixel(bytes), 24);
    const QImage image = QImage::fromData(bytes, "BMP");
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), size);
}

void SkinPicturesTest::keyedPictureIsCleanlyKeyed_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("key");
    for (int state = 1; state <= 5; ++state) {
        const QString name = QStringLiteral("state-%1.bmp").arg(state);
        QTest::newRow(qPrintable(name)) << name << uint(kStateKey);
    }
    for (int view = 1; view <= 2; ++view) {
        const QString name = QStringLiteral("view-%1.bmp").arg(view);
        QTest::newRow(qPrintable(name)) << name << uint(kViewKey);
    }
}

void SkinPicturesTest::keyedPictureIsCleanlyKeyed() {
    QFETCH(QString, name);
    QFETCH(uint, key);
    const QImage image = skinPicture(name);
    QVERIFY(!image.isNull());
    for (const QPoint& corner : corners(image)) {
        QCOMPARE(rgb(image, corner.x(), corner.y()), QRgb(key));
    }
    const double art = shareOfPixels(image, [&](QRgb pixel) { return pixel != key; });
    QVERIFY2(art > 0.3, "the art covers too little of the picture");
    QVERIFY2(!hasFringe(image, key, 24), "art next to the key is nearly the key colour");
}

void SkinPicturesTest::buttonBlendsIntoTheBackgroundAndLightsUpOnHover_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("place"); // in the main window; bg.bmp is drawn at (0, -4)
    QTest::newRow("search") << QStringLiteral("search") << QRect(224, 460, 24, 24);
    QTest::newRow("setting") << QStringLiteral("setting") << QRect(280, 460, 24, 24);
    QTest::newRow("min") << QStringLiteral("min") << QRect(448, 13, 25, 21);
    QTest::newRow("close") << QStringLiteral("close") << QRect(475, 13, 25, 21);
}

void SkinPicturesTest::buttonBlendsIntoTheBackgroundAndLightsUpOnHover() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    const QImage beneath = skinPicture(QStringLiteral("bg.bmp")).copy(place.translated(0, 4));
    const QImage normal = skinPicture(name + QStringLiteral("-2.bmp"));
    const QImage hover = skinPicture(name + QStringLiteral("-1.bmp"));
    QVERIFY(!beneath.isNull() && !normal.isNull() && !hover.isNull());
    for (const QPoint& corner : corners(beneath)) {
        QCOMPARE(rgb(normal, corner.x(), corner.y()), rgb(beneath, corner.x(), corner.y()));
    }
    QVERIFY2(shareChanged(beneath, normal) > 0.02, "the button shows no glyph");
    QVERIFY2(shareChanged(normal, hover) > 0.3, "the hover picture barely differs");
}

void SkinPicturesTest::iconsComeInEverySize() {
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString name = QStringLiteral("vistrel-finder-%1.png").arg(size);
        const QImage icon(kIconDir.filePath(name));
        QVERIFY2(!icon.isNull(), qPrintable(name));
        QCOMPARE(icon.size(), QSize(size, size));
        QVERIFY2(icon.hasAlphaChannel() && qAlpha(icon.pixel(0, 0)) == 0,
                 "the corners of the tile are not transparent");
    }
    QFile svg(kIconDir.filePath(QStringLiteral("vistrel-finder.svg")));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QLatin1String("svg"));
    while (!xml.atEnd()) {
        xml.readNext();
    }
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void SkinPicturesTest::desktopEntryStartsTheFinderWithItsIcon() {
    const QByteArray entry = fileBytes(kDataDir.filePath(QStringLiteral("vistrel-finder.desktop")));
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    const QList<QByteArray> lines = entry.split('\n');
    for (const char* line :
         {"Type=Application", "Name=Vistrel Finder", "Exec=vistrel-finder", "Icon=vistrel-finder",
          "Categories=Network;Video;", "Terminal=false"}) {
        QVERIFY2(lines.contains(line), line);
    }
    QVERIFY(kIconDir.exists(QStringLiteral("vistrel-finder.svg")));
}

namespace {

// Two pictures match when they have the same size and almost every pixel is within a few levels:
// drawing code may round differently on another processor, but the art must be the same.
bool picturesMatch(const QString& generatedPath, const QString& committedPath) {
    const QImage generated = QImage(generatedPath).convertToFormat(QImage::Format_ARGB32);
    const QImage committed = QImage(committedPath).convertToFormat(QImage::Format_ARGB32);
    if (generated.isNull() || generated.size() != committed.size()) {
        return false;
    }
    constexpr int kLevels = 8;
    qint64 differing = 0;
    for (int y = 0; y < generated.height(); ++y) {
        for (int x = 0; x < generated.width(); ++x) {
            const QRgb a = generated.pixel(x, y);
            const QRgb b = committed.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > kLevels ||
                std::abs(qGreen(a) - qGreen(b)) > kLevels ||
                std::abs(qBlue(a) - qBlue(b)) > kLevels ||
                std::abs(qAlpha(a) - qAlpha(b)) > kLevels) {
                ++differing;
            }
        }
    }
    return differing * 200 <= qint64{generated.width()} * generated.height(); // at most 0.5 %
}

} // namespace

void SkinPicturesTest::generatorReproducesTheCommittedFiles() {
    QTemporaryDir output;
    QVERIFY(output.isValid());
    const QString skin = output.filePath(QStringLiteral("skin"));
    const QString icons = output.filePath(QStringLiteral("icons"));
    QProcess generator;
    generator.start(QStringLiteral(VISTREL_SKIN_GENERATOR),
                    {skin, QStringLiteral("--icons"), icons});
    QVERIFY(generator.waitForFinished(120000));
    QCOMPARE(generator.exitCode(), 0);
    const std::pair<QDir, QDir> pairs[] = {{QDir(skin), kSkinDir}, {QDir(icons), kIconDir}};
    for (const auto& [generated, committed] : pairs) {
        const QStringList names = fileNames(generated, QStringLiteral("*"));
        QCOMPARE(fileNames(committed, QStringLiteral("*.bmp")) +
                     fileNames(committed, QStringLiteral("*.png")),
                 names);
        for (const QString& name : names) {
            QVERIFY2(picturesMatch(generated.filePath(name), committed.filePath(name)),
                     qPrintable(name + QStringLiteral(" differs from what the generator draws; "
                                                      "run scripts/make-skin")));
        }
    }
}

QTEST_GUILESS_MAIN(SkinPicturesTest)
#include "skin_pictures_test.moc"
