#include "framepictures.h"

#include "paintkit.h"
#include "skinpalette.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

// Every piece is cut out of one imaginary window, so that pieces placed side
// by side continue each other. The outline is the shape the program gives
// its windows: top corners cut, and in the pop-up the bottom corners too.
constexpr int WindowWidth = 200;
constexpr int WindowHeight = 100;
constexpr int TitleHeight = 28;
constexpr int TitleButtonTop = 4; // (28 - 19) / 2: the buttons are centred on the bar

QPolygonF windowOutline(bool popUp)
{
    const qreal w = WindowWidth;
    const qreal h = WindowHeight;
    QPolygonF outline{{0, 5}, {1, 3}, {2, 2}, {3, 1}, {5, 0}, {w - 5, 0}, {w - 3, 1}, {w - 2, 2}, {w - 2, 3}, {w, 5}};
    if (popUp)
        outline << QPointF(w, h - 7) << QPointF(w - 2, h - 3) << QPointF(w - 3, h - 2) << QPointF(w - 7, h)
                << QPointF(7, h) << QPointF(3, h - 2) << QPointF(2, h - 3) << QPointF(0, h - 7);
    else
        outline << QPointF(w, h) << QPointF(0, h);
    return outline;
}

// The border is four rings deep; a point outside the window (cut away by its
// shape) keeps the outer ring's colour so the cut edge stays dark.
QColor ringColour(const QPolygonF &outline, QPointF point, const QColor &inside)
{
    const qreal depth = insideDistance(outline, point);
    if (depth < 0)
        return SkinPalette::frameRing[0];
    const int ring = int(std::floor(depth));
    return ring < 4 ? SkinPalette::frameRing[ring] : inside;
}

QColor titleFill(int row, bool active)
{
    if (!active)
        return mixed(SkinPalette::paleTop, SkinPalette::paleBottom, std::clamp((row - 1) / 25.0, 0.0, 1.0));
    if (row <= 13)
        return mixed(SkinPalette::titleGlossTop, SkinPalette::titleGlossBottom, std::clamp((row - 1) / 12.0, 0.0, 1.0));
    return mixed(SkinPalette::titleBodyTop, SkinPalette::titleBodyBottom, std::clamp((row - 14) / 12.0, 0.0, 1.0));
}

QColor titleColour(const QPolygonF &outline, QPointF point, bool active)
{
    const qreal depth = insideDistance(outline, point);
    if (depth < 1)
        return active ? SkinPalette::titleOutline : SkinPalette::frameRing[0];
    const int row = int(std::floor(point.y()));
    if (row >= TitleHeight - 1)
        return active ? SkinPalette::titleBaseLine : SkinPalette::paleBaseLine;
    const QColor fill = titleFill(row, active);
    return depth < 2 ? mixed(fill, Qt::white, active ? 0.35 : 1.0) : fill;
}

// A piece of the imaginary window whose top-left corner lies at origin.
PictureMaker titlePiece(int originX, bool active)
{
    return [originX, active](QSize size) {
        const QPolygonF outline = windowOutline(false);
        return sampledPicture(size, [&](QPointF p) { return titleColour(outline, p + QPointF(originX, 0), active); });
    };
}

PictureMaker borderPiece(QPoint origin, bool popUp)
{
    return [origin, popUp](QSize size) {
        const QPolygonF outline = windowOutline(popUp);
        return sampledPicture(size, [&](QPointF p) { return ringColour(outline, p + origin, SkinPalette::face); });
    };
}

enum class Glyph { Close, Max, Min, Norm };
enum class ButtonLook { Hovered, Active, Inactive };

void drawGlyph(QPainter &painter, Glyph glyph, const QColor &colour)
{
    painter.save();
    switch (glyph) {
    case Glyph::Close:
        painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(6.5, 6.5), QPointF(12.5, 12.5));
        painter.drawLine(QPointF(12.5, 6.5), QPointF(6.5, 12.5));
        break;
    case Glyph::Min:
        painter.fillRect(QRectF(6, 12, 7, 2), colour);
        break;
    case Glyph::Max:
        painter.setPen(QPen(colour, 1.0));
        painter.drawRect(QRectF(5.5, 6.5, 8, 7));
        painter.fillRect(QRectF(5, 5, 9, 2), colour);
        break;
    case Glyph::Norm:
        painter.setPen(QPen(colour, 1.0));
        painter.drawPolyline(QPolygonF{{8.5, 8}, {8.5, 4.5}, {14.5, 4.5}, {14.5, 10.5}, {12, 10.5}});
        painter.fillRect(QRectF(8, 4, 7, 2), colour);
        painter.drawRect(QRectF(4.5, 8.5, 7, 6));
        painter.fillRect(QRectF(4, 8, 8, 2), colour);
        break;
    }
    painter.restore();
}

PictureMaker titleButton(Glyph glyph, ButtonLook look)
{
    return [glyph, look](QSize size) {
        const bool activeBar = look != ButtonLook::Inactive;
        QImage picture = sampledPicture(size, [activeBar](QPointF p) {
            return titleFill(int(std::floor(p.y())) + TitleButtonTop, activeBar);
        });
        picture = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter painter;
        beginPainting(painter, &picture);
        switch (look) {
        case ButtonLook::Hovered: {
            const bool danger = glyph == Glyph::Close;
            const QColor top = danger ? SkinPalette::lightRed : mixed(SkinPalette::lightBlue, Qt::white, 0.3);
            const QColor bottom = danger ? SkinPalette::red : SkinPalette::blue;
            painter.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
            painter.setBrush(verticalGradient(0.5, 18.5, top, bottom));
            painter.drawRoundedRect(QRectF(0.5, 0.5, 18, 18), 3.5, 3.5);
            drawGlyph(painter, glyph, Qt::white);
            break;
        }
        case ButtonLook::Active:
            painter.setPen(QPen(QColor(255, 255, 255, 90), 1.0));
            painter.setBrush(QColor(255, 255, 255, 24));
            painter.drawRoundedRect(QRectF(1.5, 1.5, 16, 16), 3, 3);
            painter.translate(0, 1);
            drawGlyph(painter, glyph, QColor(20, 50, 100, 110));
            painter.translate(0, -1);
            drawGlyph(painter, glyph, Qt::white);
            break;
        case ButtonLook::Inactive:
            painter.setPen(QPen(SkinPalette::paleBaseLine, 1.0));
            painter.setBrush(QColor(255, 255, 255, 140));
            painter.drawRoundedRect(QRectF(1.5, 1.5, 16, 16), 3, 3);
            drawGlyph(painter, glyph, SkinPalette::paleGlyph);
            break;
        }
        return picture;
    };
}

} // namespace

void addFramePictures(PictureMakers &makers)
{
    const int middle = WindowWidth / 2;
    const int rightEnd = WindowWidth - 48;
    makers.insert(QStringLiteral("border_top_left.bmp"), titlePiece(0, true));
    makers.insert(QStringLiteral("border_top_center.bmp"), titlePiece(middle, true));
    makers.insert(QStringLiteral("border_top_right.bmp"), titlePiece(rightEnd, true));
    makers.insert(QStringLiteral("border_white_top_left.bmp"), titlePiece(0, false));
    makers.insert(QStringLiteral("border_white_top_center.bmp"), titlePiece(middle, false));
    makers.insert(QStringLiteral("border_white_top_right.bmp"), titlePiece(rightEnd, false));

    const int edgeRow = WindowHeight / 2;
    makers.insert(QStringLiteral("border_left.bmp"), borderPiece({0, edgeRow}, false));
    makers.insert(QStringLiteral("border_right.bmp"), borderPiece({WindowWidth - 4, edgeRow}, false));
    makers.insert(QStringLiteral("border_bot.bmp"), borderPiece({middle, WindowHeight - 4}, false));
    makers.insert(QStringLiteral("border_left_corners.bmp"), borderPiece({0, WindowHeight - 4}, false));
    makers.insert(QStringLiteral("border_right_corners.bmp"), borderPiece({WindowWidth - 6, WindowHeight - 4}, false));
    makers.insert(QStringLiteral("Border_bot_left.gif"), borderPiece({0, WindowHeight - 7}, true));
    makers.insert(QStringLiteral("Border_bot_right.gif"), borderPiece({WindowWidth - 6, WindowHeight - 7}, true));

    const std::pair<const char *, Glyph> glyphs[] = {
        {"close", Glyph::Close}, {"max", Glyph::Max}, {"min", Glyph::Min}, {"norm", Glyph::Norm}};
    const std::pair<const char *, ButtonLook> looks[] = {
        {"blue", ButtonLook::Hovered}, {"blueoff", ButtonLook::Active}, {"white", ButtonLook::Inactive}};
    for (const auto &[lookName, look] : looks) {
        for (const auto &[glyphName, glyph] : glyphs) {
            const QString name =
                QStringLiteral("prog_%1_%2.bmp").arg(QLatin1String(lookName), QLatin1String(glyphName));
            makers.insert(name, titleButton(glyph, look));
        }
    }
}
