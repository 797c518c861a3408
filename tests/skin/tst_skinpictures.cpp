#include "course/picturetable.h"
#include "gifwriter.h"
#include "icowriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

// Runs the skin generator the way the build does and looks at what it wrote:
// every picture the program installs must be there, decodable, in its format
// and at its size, the same on every run, and the button looks must differ.
class TestSkinPictures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPictureIsWritten_data();
    void everyPictureIsWritten();
    void nothingElseIsWritten();
    void everyRunWritesTheSameBytes();
    void buttonLooksDiffer_data();
    void buttonLooksDiffer();
    void framePiecesJoin_data();
    void framePiecesJoin();
    void encodedPicturesDecodeToWhatWasDrawn_data();
    void encodedPicturesDecodeToWhatWasDrawn();

private:
    QImage picture(const QString &fileName) const;

    QTemporaryDir m_scratch;
    QString m_first;
    QString m_second;
};

namespace {

QString runGenerator(const QString &outputDir)
{
    QProcess generator;
    generator.start(QStringLiteral(QUORVALE_SKIN_PROGRAM), {outputDir});
    if (!generator.waitForFinished(-1))
        return generator.errorString();
    if (generator.exitStatus() != QProcess::NormalExit || generator.exitCode() != 0)
        return QString::fromLocal8Bit(generator.readAllStandardError());
    return {};
}

QByteArray formatOf(const QString &fileName)
{
    return QFileInfo(fileName).suffix().toLower().toLatin1();
}

// Share of pixels whose colour differs by more than a trace.
double differingShare(const QImage &a, const QImage &b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int distance = qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
            if (distance > 12)
                ++differing;
        }
    }
    return double(differing) / (a.width() * a.height());
}

} // namespace

QImage TestSkinPictures::picture(const QString &fileName) const
{
    return QImage(QDir(m_first).filePath(fileName)).convertToFormat(QImage::Format_RGB32);
}

void TestSkinPictures::initTestCase()
{
    QVERIFY(m_scratch.isValid());
    // The first run also has to create its folder.
    m_first = m_scratch.filePath(QStringLiteral("first/Graphics"));
    m_second = m_scratch.filePath(QStringLiteral("second"));
    QVERIFY(QDir().mkpath(m_second));
    const QString firstError = runGenerator(m_first);
    QVERIFY2(firstError.isEmpty(), qPrintable(firstError));
    const QString secondError = runGenerator(m_second);
    QVERIFY2(secondError.isEmpty(), qPrintable(secondError));
}

void TestSkinPictures::everyPictureIsWritten_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QSize>("size");
    for (const PictureEntry &entry : pictureTable())
        QTest::newRow(qPrintable(entry.fileName)) << entry.fileName << entry.size;
}

void TestSkinPictures::everyPictureIsWritten()
{
    QFETCH(QString, fileName);
    QFETCH(QSize, size);
    const QString path = QDir(m_first).filePath(fileName);
    QVERIFY2(QFileInfo::exists(path), qPrintable(path));

    // Judge the file by its bytes, not by its name.
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), formatOf(fileName));
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);

    if (formatOf(fileName) == "bmp") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(30);
        const int bitsPerPixel = quint8(header.at(28)) | quint8(header.at(29)) << 8;
        QVERIFY2(bitsPerPixel == 24 || bitsPerPixel == 8, qPrintable(QString::number(bitsPerPixel)));
    }
}

void TestSkinPictures::nothingElseIsWritten()
{
    QStringList expected;
    for (const PictureEntry &entry : pictureTable())
        expected.append(entry.fileName);
    expected.sort();
    QCOMPARE(QDir(m_first).entryList(QDir::Files, QDir::Name), expected);
}

void TestSkinPictures::everyRunWritesTheSameBytes()
{
    for (const PictureEntry &entry : pictureTable()) {
        QFile first(QDir(m_first).filePath(entry.fileName));
        QFile second(QDir(m_second).filePath(entry.fileName));
        QVERIFY(first.open(QIODevice::ReadOnly));
        QVERIFY(second.open(QIODevice::ReadOnly));
        QVERIFY2(first.readAll() == second.readAll(), qPrintable(entry.fileName));
    }
}

void TestSkinPictures::buttonLooksDiffer_data()
{
    // A family is one button in its looks: home_off, home_on, home_pressed;
    // or one title-bar button hovered, in an active and in an inactive window.
    QTest::addColumn<QStringList>("looks");
    static const QRegularExpression stateName(QStringLiteral("^(.+)_(off|on|pressed|disabled)\\.bmp$"));
    static const QRegularExpression titleButtonName(QStringLiteral("^prog_(blue|blueoff|white)_(\\w+)\\.bmp$"));
    std::map<QString, QStringList> families;
    for (const PictureEntry &entry : pictureTable()) {
        if (const auto match = stateName.match(entry.fileName); match.hasMatch())
            families[match.captured(1)].append(entry.fileName);
        else if (const auto match = titleButtonName.match(entry.fileName); match.hasMatch())
            families[QStringLiteral("title button ") + match.captured(2)].append(entry.fileName);
    }
    for (const auto &[family, looks] : families)
        QTest::newRow(qPrintable(family)) << looks;
}

void TestSkinPictures::buttonLooksDiffer()
{
    QFETCH(QStringList, looks);
    QVERIFY(looks.size() >= 2);
    for (qsizetype i = 0; i < looks.size(); ++i) {
        for (qsizetype j = i + 1; j < looks.size(); ++j) {
            const double share = differingShare(picture(looks[i]), picture(looks[j]));
            QVERIFY2(share >= 0.05, qPrintable(QStringLiteral("%1 and %2 differ in only %3% of their pixels")
                                                  .arg(looks[i], looks[j])
                                                  .arg(share * 100, 0, 'f', 1)));
        }
    }
}

void TestSkinPictures::framePiecesJoin_data()
{
    // The program stretches the edge pieces and lays the others end to end:
    // a stretched piece must repeat along its length, and neighbours must
    // carry on each other's colours where they meet.
    QTest::addColumn<QString>("piece");
    QTest::addColumn<QRect>("part");
    QTest::addColumn<QString>("neighbour");
    QTest::addColumn<QRect>("neighbourPart");
    const QString left = QStringLiteral("border_left.bmp");
    const QString right = QStringLiteral("border_right.bmp");
    const QString bottom = QStringLiteral("border_bot.bmp");
    const QString centre = QStringLiteral("border_top_center.bmp");
    const QString paleCentre = QStringLiteral("border_white_top_center.bmp");
    const QRect edgeRow(0, 0, 4, 1);
    const QRect edgeColumn(0, 0, 1, 4);
    const QRect titleColumn(0, 0, 1, 28);
    QTest::newRow("left edge repeats") << left << edgeRow << left << edgeRow.translated(0, 1);
    QTest::newRow("right edge repeats") << right << edgeRow << right << edgeRow.translated(0, 1);
    QTest::newRow("bottom edge repeats") << bottom << edgeColumn << bottom << edgeColumn.translated(1, 0);
    QTest::newRow("title centre repeats") << centre << titleColumn << centre << titleColumn.translated(1, 0);
    QTest::newRow("title left meets centre")
        << QStringLiteral("border_top_left.bmp") << titleColumn.translated(47, 0) << centre << titleColumn;
    QTest::newRow("title right meets centre") << QStringLiteral("border_top_right.bmp") << titleColumn << centre
                                              << titleColumn;
    QTest::newRow("pale title left meets centre")
        << QStringLiteral("border_white_top_left.bmp") << titleColumn.translated(47, 0) << paleCentre << titleColumn;
    QTest::newRow("pale title right meets centre")
        << QStringLiteral("border_white_top_right.bmp") << titleColumn << paleCentre << titleColumn;
    QTest::newRow("bottom-left corner meets left edge")
        << QStringLiteral("border_left_corners.bmp") << edgeRow << left << edgeRow;
    QTest::newRow("bottom-left corner meets bottom edge")
        << QStringLiteral("border_left_corners.bmp") << edgeColumn.translated(5, 0) << bottom << edgeColumn;
    QTest::newRow("bottom-right corner meets right edge")
        << QStringLiteral("border_right_corners.bmp") << edgeRow.translated(2, 0) << right << edgeRow;
    QTest::newRow("bottom-right corner meets bottom edge")
        << QStringLiteral("border_right_corners.bmp") << edgeColumn << bottom << edgeColumn;
}

void TestSkinPictures::framePiecesJoin()
{
    QFETCH(QString, piece);
    QFETCH(QRect, part);
    QFETCH(QString, neighbour);
    QFETCH(QRect, neighbourPart);
    QCOMPARE(picture(piece).copy(part), picture(neighbour).copy(neighbourPart));
}

void TestSkinPictures::encodedPicturesDecodeToWhatWasDrawn_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QImage>("drawn");
    QTest::addColumn<int>("tolerance");

    QImage onePixel(1, 1, QImage::Format_RGB32);
    onePixel.fill(QColor(200, 30, 40));
    QTest::newRow("gif of one pixel") << QByteArray("gif") << onePixel << 0;

    QImage plain(500, 400, QImage::Format_RGB32);
    plain.fill(QColor(244, 245, 235));
    QTest::newRow("gif of one colour, long runs") << QByteArray("gif") << plain << 0;

    // Noise over all 256 colours fills the code table again and again.
    QImage noise(200, 150, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x) {
            seed = seed * 1103515245u + 12345u;
            const int index = int((seed >> 16) & 0xff);
            noise.setPixel(x, y, qRgb(index, 255 - index, (index * 7) & 0xff));
        }
    }
    QTest::newRow("gif of 256 colours of noise") << QByteArray("gif") << noise << 0;

    // More colours than a GIF holds: each one may only move a little.
    QImage gradient(300, 10, QImage::Format_RGB32);
    for (int x = 0; x < gradient.width(); ++x) {
        for (int y = 0; y < gradient.height(); ++y)
            gradient.setPixel(x, y, qRgb(x * 255 / 299, 80 + x / 10, 255 - x * 200 / 299));
    }
    QTest::newRow("gif of 300 colours") << QByteArray("gif") << gradient << 6;

    QImage cutOut(20, 20, QImage::Format_ARGB32);
    cutOut.fill(Qt::transparent);
    for (int y = 4; y < 16; ++y) {
        for (int x = 4; x < 16; ++x)
            cutOut.setPixel(x, y, (x + y) % 2 ? qRgb(20, 60, 200) : qRgb(255, 255, 255));
    }
    QTest::newRow("gif with a transparent surround") << QByteArray("gif") << cutOut << 0;

    // Icons are stored bottom row first; a lopsided picture shows a flip.
    for (int side : {16, 32}) {
        QImage icon(side, side, QImage::Format_ARGB32);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x)
                icon.setPixel(x, y, x < 3 && y < 5 ? qRgba(0, 0, 0, 0) : qRgb(x * 8, y * 4, 255 - x * 8));
        }
        QTest::newRow(qPrintable(QStringLiteral("ico of %1 pixels").arg(side))) << QByteArray("ico") << icon << 0;
    }
}

void TestSkinPictures::encodedPicturesDecodeToWhatWasDrawn()
{
    QFETCH(QByteArray, format);
    QFETCH(QImage, drawn);
    QFETCH(int, tolerance);
    QByteArray bytes = format == "gif" ? encodeGif(drawn) : encodeIco(drawn);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setDecideFormatFromContent(true);
    QCOMPARE(reader.format(), format);
    const QImage decoded = reader.read().convertToFormat(QImage::Format_ARGB32);
    QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(decoded.size(), drawn.size());

    // GIF has one see-through colour; ICO keeps the alpha as it was.
    const QImage expected = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            const QRgb got = decoded.pixel(x, y);
            const QByteArray where = QByteArray::number(x) + ',' + QByteArray::number(y);
            const bool seeThrough = format == "gif" ? qAlpha(want) < 128 : qAlpha(want) == 0;
            if (seeThrough) {
                QVERIFY2(qAlpha(got) == 0, where.constData());
                continue;
            }
            QVERIFY2(qAlpha(got) == 255, where.constData());
            const int error = std::max({qAbs(qRed(want) - qRed(got)), qAbs(qGreen(want) - qGreen(got)),
                                        qAbs(qBlue(want) - qBlue(got))});
            QVERIFY2(error <= tolerance, where.constData());
        }
    }
}

QTEST_GUILESS_MAIN(TestSkinPictures)
#include "tst_skinpictures.moc"
