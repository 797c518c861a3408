#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>

class QPainter;

// Drawing helpers shared by all skin pictures.

// Loads the DejaVu faces the pictures are lettered with from folder.
bool loadSkinFonts(const QString &folder, QString *errorString);
QFont skinFont(int pixelSize, bool bold = false, bool serif = false);

// Text as a filled outline: the pixels do not depend on font hinting or on
// the system's font settings, so every run gives the same picture.
QPainterPath textPath(const QString &text, const QFont &font, QPointF baseline);
// The same, centred on the point by the outline's own bounds.
QPainterPath centredTextPath(const QString &text, const QFont &font, QPointF centre);

// A picture filled with one colour, ready for an antialiased painter.
QImage newPicture(QSize size, const QColor &background);
void beginPainting(QPainter &painter, QImage *picture);

QColor mixed(const QColor &from, const QColor &to, qreal amount);
QLinearGradient verticalGradient(qreal top, qreal bottom, const QColor &topColour, const QColor &bottomColour);

// The same drawing in grey, faded towards behind: the look of a disabled button.
QImage greyedOut(const QImage &art, const QColor &behind, qreal fade);
// GIF keeps one transparent colour and no partial alpha: mostly covered pixels
// are blended over the colour the picture will be shown on, the rest dropped.
QImage flattenedForGif(const QImage &art, const QColor &behind);

// Distance from point to the nearest edge of outline: positive inside,
// negative outside. Frame pieces use it to follow the window's cut corners.
qreal insideDistance(const QPolygonF &outline, QPointF point);
// Colour of each pixel as the mean of 4 x 4 samples of colourAt, which is
// given positions in the picture's own pixels.
template<typename ColourAt>
QImage sampledPicture(QSize size, ColourAt colourAt)
{
    QImage picture(size, QImage::Format_ARGB32);
    constexpr int Samples = 4;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            int sum[3] = {0, 0, 0};
            for (int sy = 0; sy < Samples; ++sy) {
                for (int sx = 0; sx < Samples; ++sx) {
                    const QColor c = colourAt(QPointF(x + (sx + 0.5) / Samples, y + (sy + 0.5) / Samples));
                    sum[0] += c.red();
                    sum[1] += c.green();
                    sum[2] += c.blue();
                }
            }
            constexpr int n = Samples * Samples;
            picture.setPixel(x, y, qRgb((sum[0] + n / 2) / n, (sum[1] + n / 2) / n, (sum[2] + n / 2) / n));
        }
    }
    return picture;
}
