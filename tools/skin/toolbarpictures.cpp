#include "toolbarpictures.h"

#include "paintkit.h"
#include "skinpalette.h"

#include <QPainter>

#include <cmath>

namespace {

// The program lays the button's caption over its lower 17 pixels, so the
// drawing keeps to a 26 x 26 box above it.
constexpr QPointF IconOrigin(9, 1);

enum class State { Off, On, Pressed, Disabled };

QPen outlinePen(const QColor &colour = SkinPalette::ink)
{
    return QPen(colour, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void drawHome(QPainter &p)
{
    p.setPen(outlinePen());
    p.setBrush(verticalGradient(3, 9, QColor(196, 92, 70), QColor(160, 64, 48)));
    p.drawRect(QRectF(17.5, 3.5, 3, 6));
    p.setBrush(verticalGradient(12, 25, SkinPalette::paper, QColor(232, 226, 204)));
    p.drawRect(QRectF(5.5, 12.5, 15, 12));
    p.setBrush(verticalGradient(17, 25, SkinPalette::lightBlue, SkinPalette::blue));
    p.drawRect(QRectF(8.5, 16.5, 4, 8));
    p.setBrush(QColor(200, 228, 250));
    p.drawRect(QRectF(15.5, 15.5, 3, 3));
    p.setPen(outlinePen());
    p.setBrush(verticalGradient(2, 13, SkinPalette::lightRed, SkinPalette::red));
    p.drawPolygon(QPolygonF{{1.5, 13.5}, {13, 2}, {24.5, 13.5}, {21.5, 13.5}, {13, 5.5}, {4.5, 13.5}});
}

void drawReport(QPainter &p)
{
    p.setPen(outlinePen());
    p.setBrush(SkinPalette::paper);
    p.drawPolygon(QPolygonF{{4.5, 1.5}, {16.5, 1.5}, {21.5, 6.5}, {21.5, 25.5}, {4.5, 25.5}});
    p.setBrush(SkinPalette::lightSteel);
    p.drawPolygon(QPolygonF{{16.5, 1.5}, {16.5, 6.5}, {21.5, 6.5}});
    p.setPen(QPen(SkinPalette::steel, 1.0));
    p.drawLine(QPointF(7, 5.5), QPointF(13, 5.5));
    p.drawLine(QPointF(7, 8.5), QPointF(15, 8.5));
    p.setPen(outlinePen(QColor(60, 70, 90, 150)));
    const struct
    {
        qreal x;
        qreal top;
        QColor colour;
    } bars[] = {{7.5, 17.5, SkinPalette::green}, {11.5, 13.5, SkinPalette::blue}, {15.5, 10.5, QColor(236, 148, 40)}};
    for (const auto &bar : bars) {
        p.setBrush(bar.colour);
        p.drawRect(QRectF(bar.x, bar.top, 3, 22.5 - bar.top));
    }
}

void drawPrint(QPainter &p)
{
    p.setPen(outlinePen());
    p.setBrush(SkinPalette::paper);
    p.drawRect(QRectF(7.5, 2.5, 11, 9));
    p.setBrush(verticalGradient(9, 20, QColor(226, 230, 238), SkinPalette::steel));
    p.drawRoundedRect(QRectF(1.5, 9.5, 23, 11), 2.5, 2.5);
    p.setBrush(QColor(70, 80, 96));
    p.drawRect(QRectF(5.5, 15.5, 15, 2));
    p.setBrush(SkinPalette::lightGreen);
    p.drawEllipse(QPointF(20.5, 12.5), 1.2, 1.2);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 16.5, 13, 9));
    p.setPen(QPen(SkinPalette::steel, 1.0));
    p.drawLine(QPointF(9, 19.5), QPointF(17, 19.5));
    p.drawLine(QPointF(9, 22.5), QPointF(15, 22.5));
}

void drawClose(QPainter &p)
{
    p.setPen(outlinePen(QColor(150, 40, 30)));
    p.setBrush(verticalGradient(2, 24, SkinPalette::lightRed, SkinPalette::red));
    p.drawEllipse(QPointF(13, 13), 11.5, 11.5);
    p.setPen(QPen(Qt::white, 3.0, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8.5, 8.5), QPointF(17.5, 17.5));
    p.drawLine(QPointF(17.5, 8.5), QPointF(8.5, 17.5));
}

void drawAbout(QPainter &p)
{
    p.setPen(outlinePen(QColor(30, 70, 140)));
    p.setBrush(verticalGradient(2, 24, SkinPalette::lightBlue, SkinPalette::blue));
    p.drawEllipse(QPointF(13, 13), 11.5, 11.5);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13, 7.5), 2.1, 2.1);
    p.drawRect(QRectF(11.5, 11, 3.5, 8.5));
    p.drawRect(QRectF(10, 11, 2, 1.5));
    p.drawRect(QRectF(10, 18.5, 6.5, 1.8));
}

void drawTrash(QPainter &p)
{
    p.setPen(outlinePen());
    p.setBrush(verticalGradient(8, 25, SkinPalette::lightSteel, SkinPalette::steel));
    p.drawPolygon(QPolygonF{{5.5, 8.5}, {20.5, 8.5}, {18.5, 25.5}, {7.5, 25.5}});
    p.setPen(QPen(QColor(96, 108, 126), 1.0, Qt::SolidLine, Qt::RoundCap));
    for (qreal x : {10.0, 13.0, 16.0})
        p.drawLine(QPointF(x, 11.5), QPointF(x - (x - 13.0) * 0.15, 22.5));
    p.setPen(outlinePen());
    p.setBrush(verticalGradient(3, 8, QColor(236, 240, 246), SkinPalette::steel));
    p.drawRect(QRectF(10.5, 2.5, 5, 3));
    p.drawRoundedRect(QRectF(3.5, 5.5, 19, 3), 1.2, 1.2);
}

void drawSetup(QPainter &p)
{
    QPainterPath gear;
    const QPointF centre(13, 13);
    constexpr int Teeth = 8;
    for (int i = 0; i < Teeth * 4; ++i) {
        const qreal angle = (i - 1.5) * M_PI / (Teeth * 2);
        const qreal radius = (i % 4 < 2) ? 11.5 : 8.5;
        const QPointF point = centre + radius * QPointF(std::cos(angle), std::sin(angle));
        i == 0 ? gear.moveTo(point) : gear.lineTo(point);
    }
    gear.closeSubpath();
    gear.addEllipse(centre, 3.5, 3.5);
    gear.setFillRule(Qt::OddEvenFill);
    p.setPen(outlinePen());
    p.setBrush(verticalGradient(1, 25, SkinPalette::lightSteel, QColor(120, 132, 150)));
    p.drawPath(gear);
    p.setPen(QPen(QColor(255, 255, 255, 160), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 6.5, 6.5);
}

void drawSave(QPainter &p)
{
    p.setPen(outlinePen(QColor(24, 56, 110)));
    p.setBrush(verticalGradient(2, 24, SkinPalette::lightBlue, SkinPalette::blue));
    p.drawRoundedRect(QRectF(2.5, 2.5, 21, 21), 2, 2);
    p.setBrush(verticalGradient(2, 10, Qt::white, SkinPalette::lightSteel));
    p.drawRect(QRectF(7.5, 2.5, 11, 7));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 80, 96));
    p.drawRect(QRectF(14, 4, 2.5, 4));
    p.setPen(outlinePen(QColor(24, 56, 110)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5.5, 13.5, 15, 10));
    p.setPen(QPen(QColor(200, 70, 60), 1.0));
    p.drawLine(QPointF(7.5, 16.5), QPointF(18.5, 16.5));
    p.setPen(QPen(SkinPalette::steel, 1.0));
    p.drawLine(QPointF(7.5, 19.5), QPointF(18.5, 19.5));
}

void drawMark(QPainter &p)
{
    p.setPen(outlinePen());
    p.setBrush(SkinPalette::paper);
    p.drawRect(QRectF(3.5, 2.5, 16, 22));
    p.setPen(QPen(SkinPalette::steel, 1.0));
    for (qreal y : {6.5, 9.5, 12.5, 15.5, 18.5, 21.5})
        p.drawLine(QPointF(6, y), QPointF(17, y));
    p.setPen(QPen(QColor(255, 255, 255), 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPolygonF tick{{8, 14}, {12.5, 19.5}, {23, 5}};
    p.drawPolyline(tick);
    p.setPen(QPen(QColor(206, 40, 40), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(tick);
}

void drawArrow(QPainter &p, bool forward)
{
    if (forward) {
        p.translate(26, 0);
        p.scale(-1, 1);
    }
    p.setPen(outlinePen(QColor(30, 100, 36)));
    p.setBrush(verticalGradient(3, 23, SkinPalette::lightGreen, SkinPalette::green));
    p.drawPolygon(QPolygonF{{1.5, 13}, {12, 2.5}, {12, 8.5}, {24.5, 8.5}, {24.5, 17.5}, {12, 17.5}, {12, 23.5}});
    p.setPen(QPen(QColor(255, 255, 255, 130), 1.0));
    p.drawLine(QPointF(13, 9.8), QPointF(23.2, 9.8));
}

using IconDrawing = void (*)(QPainter &);

QImage iconLayer(QSize size, IconDrawing draw)
{
    QImage layer = newPicture(size, Qt::transparent);
    QPainter painter;
    beginPainting(painter, &layer);
    painter.translate(IconOrigin);
    draw(painter);
    return layer;
}

QImage toolbarButton(QSize size, IconDrawing draw, State state)
{
    QImage picture = newPicture(size, SkinPalette::face);
    QPainter painter;
    beginPainting(painter, &picture);
    const QRectF panel(1.5, 1.5, size.width() - 3, size.height() - 3);
    QImage icon = iconLayer(size, draw);
    switch (state) {
    case State::Off:
        break;
    case State::On:
        painter.setPen(QPen(SkinPalette::glowEdge, 1.0));
        painter.setBrush(verticalGradient(panel.top(), panel.bottom(), SkinPalette::glowTop, SkinPalette::glowBottom));
        painter.drawRoundedRect(panel, 5, 5);
        break;
    case State::Pressed:
        painter.setPen(QPen(SkinPalette::pressedEdge, 1.0));
        painter.setBrush(
            verticalGradient(panel.top(), panel.bottom(), SkinPalette::pressedTop, SkinPalette::pressedBottom));
        painter.drawRoundedRect(panel, 5, 5);
        painter.setPen(QPen(QColor(60, 90, 130, 60), 1.0));
        painter.drawLine(QPointF(6, 2.5), QPointF(size.width() - 6, 2.5));
        break;
    case State::Disabled:
        icon = greyedOut(icon, SkinPalette::face, 0.45);
        break;
    }
    // A pressed button's drawing sinks one pixel down and right.
    painter.drawImage(state == State::Pressed ? QPointF(1, 1) : QPointF(0, 0), icon);
    return picture;
}

} // namespace

void addToolbarPictures(PictureMakers &makers)
{
    // Only the practice window's buttons are ever disabled.
    const struct
    {
        const char *name;
        IconDrawing draw;
        bool canBeDisabled;
    } icons[] = {
        {"home", drawHome, false},
        {"report", drawReport, false},
        {"print", drawPrint, false},
        {"close", drawClose, false},
        {"about", drawAbout, false},
        {"trash", drawTrash, false},
        {"setup", drawSetup, false},
        {"save", drawSave, true},
        {"mark", drawMark, true},
        {"back", [](QPainter &p) { drawArrow(p, false); }, true},
        {"forward", [](QPainter &p) { drawArrow(p, true); }, true},
    };
    const std::pair<const char *, State> states[] = {
        {"off", State::Off}, {"on", State::On}, {"pressed", State::Pressed}, {"disabled", State::Disabled}};
    for (const auto &icon : icons) {
        for (const auto &[stateName, state] : states) {
            if (state == State::Disabled && !icon.canBeDisabled)
                continue;
            const QString name = QStringLiteral("%1_%2.bmp").arg(QLatin1String(icon.name), QLatin1String(stateName));
            makers.insert(name, [draw = icon.draw, state = state](QSize size) {
                return toolbarButton(size, draw, state);
            });
        }
    }
}
