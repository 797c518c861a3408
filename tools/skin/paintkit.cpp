#include "paintkit.h"

#include <QDir>
#include <QFontDatabase>
#include <QLineF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QString g_sansFamily;
QString g_serifFamily;

} // namespace

bool loadSkinFonts(const QString &folder, QString *errorString)
{
    const QDir dir(folder);
    const QString files[] = {QStringLiteral("DejaVuSans.ttf"), QStringLiteral("DejaVuSans-Bold.ttf"),
                             QStringLiteral("DejaVuSerif.ttf"), QStringLiteral("DejaVuSerif-Bold.ttf")};
    for (const QString &file : files) {
        const int id = QFontDatabase::addApplicationFont(dir.filePath(file));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (id < 0 || families.isEmpty()) {
            *errorString = QStringLiteral("cannot load the font %1").arg(dir.filePath(file));
            return false;
        }
        (file.startsWith(QLatin1String("DejaVuSerif")) ? g_serifFamily : g_sansFamily) = families.constFirst();
    }
    return true;
}

QFont skinFont(int pixelSize, bool bold, bool serif)
{
    QFont font(serif ? g_serifFamily : g_sansFamily);
    // Pixel sizes, not points: the pictures must not depend on a screen's resolution.
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

QPainterPath textPath(const QString &text, const QFont &font, QPointF baseline)
{
    QPainterPath path;
    path.addText(baseline, font, text);
    return path;
}

QPainterPath centredTextPath(const QString &text, const QFont &font, QPointF centre)
{
    QPainterPath path;
    path.addText(QPointF(0, 0), font, text);
    return path.translated(centre - path.boundingRect().center());
}

QImage newPicture(QSize size, const QColor &background)
{
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(background);
    return picture;
}

void beginPainting(QPainter &painter, QImage *picture)
{
    painter.begin(picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QColor mixed(const QColor &from, const QColor &to, qreal amount)
{
    auto blend = [amount](int a, int b) { return int(std::lround(a + (b - a) * amount)); };
    return QColor(blend(from.red(), to.red()), blend(from.green(), to.green()), blend(from.blue(), to.blue()),
                  blend(from.alpha(), to.alpha()));
}

QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor &topColour, const QColor &bottomColour)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, topColour);
    gradient.setColorAt(1, bottomColour);
    return gradient;
}

QImage greyedOut(const QImage &art, const QColor &behind, qreal fade)
{
    QImage grey = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = qGray(line[x]);
            const QColor faded = mixed(QColor(level, level, level), behind, fade);
            line[x] = qRgba(faded.red(), faded.green(), faded.blue(), qAlpha(line[x]));
        }
    }
    return grey;
}

QImage flattenedForGif(const QImage &art, const QColor &behind)
{
    QImage flat = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flat.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(flat.scanLine(y));
        for (int x = 0; x < flat.width(); ++x) {
            const int alpha = qAlpha(line[x]);
            if (alpha < 96) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            const QColor over = mixed(behind, QColor(qRed(line[x]), qGreen(line[x]), qBlue(line[x])), alpha / 255.0);
            line[x] = over.rgb();
        }
    }
    return flat;
}

qreal insideDistance(const QPolygonF &outline, QPointF point)
{
    qreal nearest = std::numeric_limits<qreal>::max();
    for (qsizetype i = 0; i < outline.size(); ++i) {
        const QPointF a = outline[i];
        const QPointF b = outline[(i + 1) % outline.size()];
        const QPointF ab = b - a;
        const qreal lengthSquared = QPointF::dotProduct(ab, ab);
        const qreal along = lengthSquared > 0 ? QPointF::dotProduct(point - a, ab) / lengthSquared : 0.0;
        const qreal t = std::clamp(along, 0.0, 1.0);
        nearest = std::min(nearest, QLineF(point, a + t * ab).length());
    }
    return outline.containsPoint(point, Qt::WindingFill) ? nearest : -nearest;
}
