#include "appicon.h"

#include "paintkit.h"
#include "skinpalette.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The icon is designed on a 256 x 256 grid and painted at each size with the
// grid scaled down; a line is never thinner than one pixel.
constexpr qreal Grid = 256;

// The book's colours, as in the title-bar icon.
const QColor CoverEdge(150, 70, 20);
const QColor CoverLight(250, 170, 60);
const QColor CoverDark(214, 110, 30);
const QColor PageEdge(30, 60, 120);
const QColor SpineShade(214, 222, 236);

class IconSize
{
public:
    explicit IconSize(int pixels) : m_pixels(pixels), m_pixel(Grid / pixels) {}

    // Grid units of one pixel.
    qreal pixel() const { return m_pixel; }
    // A line width on the grid, widened to at least the given number of pixels.
    qreal width(qreal gridWidth, qreal pixels = 1.0) const { return std::max(gridWidth, pixels * m_pixel); }
    // A length on the grid rounded to whole pixels, so edges fall on pixel boundaries.
    qreal snapped(qreal gridLength, qreal leastPixels = 1.0) const
    {
        return std::max(leastPixels, std::round(gridLength / m_pixel)) * m_pixel;
    }
    bool atLeast(int pixels) const { return m_pixels >= pixels; }

private:
    int m_pixels;
    qreal m_pixel;
};

QColor withAlpha(QColor colour, int alpha)
{
    colour.setAlpha(alpha);
    return colour;
}

// A rounded tile in the title bar's glass: the upper half lighter, with the
// window's outline colour around it and its light inner ring within.
void drawTile(QPainter &p, const IconSize &size)
{
    const qreal inset = size.snapped(12);
    const qreal edge = size.snapped(6);
    const QRectF outer(inset, inset, Grid - 2 * inset, Grid - 2 * inset);
    const qreal radius = std::max(40.0, 2.5 * size.pixel());

    if (size.atLeast(48)) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(10, 30, 70, 50));
        p.drawRoundedRect(outer.translated(0, size.width(4)), radius, radius);
    }

    QLinearGradient glass(0, outer.top(), 0, outer.bottom());
    glass.setColorAt(0.0, SkinPalette::titleGlossTop);
    glass.setColorAt(0.47, SkinPalette::titleGlossBottom);
    glass.setColorAt(0.5, SkinPalette::titleBodyTop);
    glass.setColorAt(1.0, SkinPalette::titleBodyBottom);
    const qreal half = edge / 2;
    p.setPen(QPen(SkinPalette::titleOutline, edge));
    p.setBrush(glass);
    p.drawRoundedRect(outer.adjusted(half, half, -half, -half), radius - half, radius - half);

    if (size.atLeast(32)) {
        const qreal ring = size.width(3);
        const qreal within = edge + ring / 2;
        p.setPen(QPen(withAlpha(SkinPalette::frameRing[2], 140), ring));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(outer.adjusted(within, within, -within, -within), radius - within, radius - within);
    }
}

// The left page of the open book; the right one is its mirror image.
QPainterPath leftPage()
{
    QPainterPath page(QPointF(46, 84));
    page.quadTo(QPointF(84, 62), QPointF(128, 94));
    page.lineTo(128, 198);
    page.quadTo(QPointF(88, 176), QPointF(46, 188));
    page.closeSubpath();
    return page;
}

QPainterPath mirrored(const QPainterPath &path)
{
    return QTransform(-1, 0, 0, 1, Grid, 0).map(path);
}

// Ruled lines following the page's curved top edge.
void drawRules(QPainter &p, const IconSize &size, int count)
{
    const qreal top = 104;
    const qreal step = 72.0 / count;
    p.setPen(QPen(SkinPalette::lightBlue, size.width(5), Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < count; ++i) {
        QPainterPath rule(QPointF(60, top + i * step));
        rule.quadTo(QPointF(88, top - 8 + i * step), QPointF(114, top + 6 + i * step));
        p.drawPath(rule);
        p.drawPath(mirrored(rule));
    }
}

// The skin's open book: an orange cover under two white pages. Large sizes
// show the pages' thickness, the shade towards the spine and ruled lines.
void drawBook(QPainter &p, const IconSize &size)
{
    const QPen coverPen(CoverEdge, size.width(5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    const QPen pagePen(PageEdge, size.width(4), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    p.setPen(coverPen);
    p.setBrush(verticalGradient(96, 216, CoverLight, CoverDark));
    p.drawPolygon(QPolygonF{{30, 98}, {30, 202}, {128, 218}, {226, 202}, {226, 98}, {128, 112}});

    const QPainterPath left = leftPage();
    const QPainterPath right = mirrored(left);
    if (size.atLeast(48)) {
        // Leaves under the open pages, showing the book's thickness.
        p.setPen(QPen(SkinPalette::steel, size.width(2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(SkinPalette::paper);
        for (int leaf = 2; leaf >= 1; --leaf) {
            const qreal shift = leaf * 5.0;
            p.drawPath(left.translated(-shift * 0.6, shift));
            p.drawPath(right.translated(shift * 0.6, shift));
        }
    }

    QLinearGradient leftShade(46, 0, 128, 0);
    leftShade.setColorAt(0.0, Qt::white);
    leftShade.setColorAt(0.7, Qt::white);
    leftShade.setColorAt(1.0, SpineShade);
    QLinearGradient rightShade(Grid - 46, 0, 128, 0);
    rightShade.setStops(leftShade.stops());
    p.setPen(pagePen);
    p.setBrush(size.atLeast(32) ? QBrush(leftShade) : QBrush(Qt::white));
    p.drawPath(left);
    p.setBrush(size.atLeast(32) ? QBrush(rightShade) : QBrush(Qt::white));
    p.drawPath(right);

    if (size.atLeast(64))
        drawRules(p, size, 5);
    else if (size.atLeast(32))
        drawRules(p, size, 3);
    else if (size.atLeast(22))
        drawRules(p, size, 2);
}

// A green tick, as the answer sheet marks a right answer, over the book's corner.
void drawTick(QPainter &p, const IconSize &size)
{
    const QPolygonF tick{{148, 174}, {174, 202}, {222, 140}};
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, size.width(34), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
    p.setPen(QPen(SkinPalette::green, size.width(20), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
}

} // namespace

QImage drawAppIcon(int size)
{
    QImage picture = newPicture(QSize(size, size), Qt::transparent);
    QPainter painter;
    beginPainting(painter, &picture);
    painter.scale(size / Grid, size / Grid);
    const IconSize iconSize(size);
    drawTile(painter, iconSize);
    drawBook(painter, iconSize);
    if (iconSize.atLeast(32))
        drawTick(painter, iconSize);
    painter.end();
    return picture;
}

QList<int> appIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256, 512};
}
