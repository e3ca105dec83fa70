// The committed skin: every picture the windows load is there, has the size and format the
// windows draw it with, colour-keyed pictures are keyed cleanly, buttons blend into the
// background they sit on, each picture has a twin at twice the size for screens at 200 % that
// shows the same art, and the generator reproduces every committed file.

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
#include <optional>
#include <utility>

namespace {

const QDir kDataDir(QStringLiteral(VISTREL_SOURCE_DATA_DIR));
const QDir kPackagingDir(QStringLiteral(VISTREL_SOURCE_PACKAGING_DIR));
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

// "bg.bmp" → "bg@2x.bmp": the picture for screens at 200 %.
QString doubled(const QString& name) {
    return QString(name).insert(name.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
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

// The sum of the three colour channels' differences.
int distance(QRgb p, QRgb q) {
    return std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
           std::abs(qBlue(p) - qBlue(q));
}

// The share of pixels that differ clearly between two pictures of one size.
double shareChanged(const QImage& a, const QImage& b) {
    qsizetype changed = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            changed += distance(rgb(a, x, y), rgb(b, x, y)) > 60 ? 1 : 0;
        }
    }
    return double(changed) / (qsizetype(a.width()) * a.height());
}

// The mean of a 2 × 2 block of a doubled picture: the pixel it stands for at the single size.
QRgb blockMean(const QImage& image, int x, int y) {
    int red = 0, green = 0, blue = 0;
    for (const QPoint& at :
         {QPoint(x, y), QPoint(x + 1, y), QPoint(x, y + 1), QPoint(x + 1, y + 1)}) {
        const QRgb pixel = image.pixel(at);
        red += qRed(pixel);
        green += qGreen(pixel);
        blue += qBlue(pixel);
    }
    return qRgb(red / 4, green / 4, blue / 4);
}

// How many pixels of a 2 × 2 block of a doubled picture have the colour.
int countInBlock(const QImage& image, int x, int y, QRgb colour) {
    return int(rgb(image, x, y) == colour) + int(rgb(image, x + 1, y) == colour) +
           int(rgb(image, x, y + 1) == colour) + int(rgb(image, x + 1, y + 1) == colour);
}

// How the doubled picture, shrunk to the single size, differs from the single picture: the
// share of art pixels that differ clearly, and the difference of the keyed shares. Pixels at
// the key in either picture are not compared, since antialiased edges meet the key there.
struct ArtDifference {
    double artChanged = 0;
    double keyedShareDifference = 0;
};

ArtDifference compareDoubled(const QImage& single, const QImage& twice, std::optional<QRgb> key) {
    qsizetype compared = 0, changed = 0, keyedSingle = 0, keyedTwice = 0;
    for (int y = 0; y < single.height(); ++y) {
        for (int x = 0; x < single.width(); ++x) {
            const bool singleKeyed = key && rgb(single, x, y) == *key;
            const int twiceKeyed = key ? countInBlock(twice, 2 * x, 2 * y, *key) : 0;
            keyedSingle += singleKeyed ? 4 : 0;
            keyedTwice += twiceKeyed;
            if (singleKeyed || twiceKeyed > 0) {
                continue;
            }
            ++compared;
            changed += distance(rgb(single, x, y), blockMean(twice, 2 * x, 2 * y)) > 60 ? 1 : 0;
        }
    }
    const double twicePixels = 4.0 * single.width() * single.height();
    return {compared ? double(changed) / compared : 1.0,
            std::abs(double(keyedSingle - keyedTwice)) / twicePixels};
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
    void doubledPictureShowsTheSameArt_data();
    void doubledPictureShowsTheSameArt();
    void iconsComeInEverySize();
    void desktopEntryStartsTheFinderWithItsIcon();
    void generatorReproducesTheCommittedFiles();
};

void SkinPicturesTest::pictureIsA24BitBmpOfItsSize_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    const auto row = [](const char* name, int width, int height) {
        const QString single = QString::fromLatin1(name);
        QTest::newRow(name) << single << QSize(width, height);
        QTest::newRow(qPrintable(doubled(single))) << doubled(single) << QSize(width, height) * 2;
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
    const auto rows = [](const QString& name, QRgb key) {
        QTest::newRow(qPrintable(name)) << name << uint(key);
        QTest::newRow(qPrintable(doubled(name))) << doubled(name) << uint(key);
    };
    for (int state = 1; state <= 5; ++state) {
        rows(QStringLiteral("state-%1.bmp").arg(state), kStateKey);
    }
    for (int view = 1; view <= 2; ++view) {
        rows(QStringLiteral("view-%1.bmp").arg(view), kViewKey);
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
    QTest::addColumn<QString>("suffix");
    const auto rows = [](const char* name, const QRect& place) {
        QTest::newRow(name) << QString::fromLatin1(name) << place << QStringLiteral(".bmp");
        QTest::addRow("%s@2x", name)
            << QString::fromLatin1(name) << place << QStringLiteral("@2x.bmp");
    };
    rows("search", {224, 460, 24, 24});
    rows("setting", {280, 460, 24, 24});
    rows("min", {448, 13, 25, 21});
    rows("close", {475, 13, 25, 21});
}

void SkinPicturesTest::buttonBlendsIntoTheBackgroundAndLightsUpOnHover() {
    QFETCH(QString, name);
    QFETCH(QRect, place);
    QFETCH(QString, suffix);
    const QImage background = skinPicture(QStringLiteral("bg") + suffix);
    const int scale = background.width() / 537;
    const QRect inBackground = place.translated(0, 4);
    const QImage beneath =
        background.copy(QRect(inBackground.topLeft() * scale, inBackground.size() * scale));
    const QImage normal = skinPicture(name + QStringLiteral("-2") + suffix);
    const QImage hover = skinPicture(name + QStringLiteral("-1") + suffix);
    QVERIFY(!beneath.isNull() && !normal.isNull() && !hover.isNull());
    for (const QPoint& corner : corners(beneath)) {
        QCOMPARE(rgb(normal, corner.x(), corner.y()), rgb(beneath, corner.x(), corner.y()));
    }
    QVERIFY2(shareChanged(beneath, normal) > 0.02, "the button shows no glyph");
    QVERIFY2(shareChanged(normal, hover) > 0.3, "the hover picture barely differs");
}

void SkinPicturesTest::doubledPictureShowsTheSameArt_data() {
    QTest::addColumn<QString>("name");
    for (const QString& name : fileNames(kSkinDir, QStringLiteral("*.bmp"))) {
        if (!name.contains(QLatin1Char('@'))) {
            QTest::newRow(qPrintable(name)) << name;
        }
    }
}

void SkinPicturesTest::doubledPictureShowsTheSameArt() {
    QFETCH(QString, name);
    const QImage single = skinPicture(name);
    const QImage twice = skinPicture(doubled(name));
    QVERIFY(!single.isNull());
    QVERIFY2(!twice.isNull(), qPrintable(doubled(name) + QStringLiteral(" is missing")));
    QCOMPARE(twice.size(), single.size() * 2);
    std::optional<QRgb> key;
    if (name.startsWith(QLatin1String("state-"))) {
        key = kStateKey;
    } else if (name.startsWith(QLatin1String("view-"))) {
        key = kViewKey;
    }
    const ArtDifference difference = compareDoubled(single, twice, key);
    QVERIFY2(
        difference.artChanged <= 0.01,
        qPrintable(QStringLiteral("%1 % of the art differs").arg(difference.artChanged * 100)));
    QVERIFY2(difference.keyedShareDifference <= 0.05, "the keyed areas differ");
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
    const QByteArray entry =
        fileBytes(kPackagingDir.filePath(QStringLiteral("net.vistrel.Finder.desktop")));
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    const QList<QByteArray> lines = entry.split('\n');
    for (const char* line :
         {"Type=Application", "Name=Vistrel Finder", "Exec=vistrel-finder", "Icon=vistrel-finder",
          "Categories=Network;Monitor;", "Terminal=false"}) {
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
