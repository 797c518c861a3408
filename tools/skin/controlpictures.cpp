#include "controlpictures.h"

#include "paintkit.h"
#include "skinpalette.h"

#include <QPainter>

namespace {

// A tab: rounded top corners and an open bottom where it meets the strip.
QPainterPath tabShape(QSizeF size)
{
    const qreal right = size.width() - 0.5;
    const qreal bottom = size.height() + 1;
    constexpr qreal r = 5;
    QPainterPath path;
    path.moveTo(0.5, bottom);
    path.lineTo(0.5, 0.5 + r);
    path.quadTo(0.5, 0.5, 0.5 + r, 0.5);
    path.lineTo(right - r, 0.5);
    path.quadTo(right, 0.5, right, 0.5 + r);
    path.lineTo(right, bottom);
    return path;
}

// The selected tab runs into the strip below it, so it ends in the strip's
// colour; the tabs behind it are a cooler grey. A hovered tab brightens.
QImage tab(QSize size, bool front, bool hovered)
{
    QImage picture = newPicture(size, SkinPalette::face);
    QPainter painter;
    beginPainting(painter, &picture);
    const QPainterPath shape = tabShape(size);
    QColor top;
    QColor bottom;
    if (front) {
        top = Qt::white;
        bottom = SkinPalette::face;
    } else {
        top = hovered ? QColor(250, 252, 255) : QColor(236, 240, 246);
        bottom = hovered ? QColor(220, 232, 248) : QColor(208, 216, 228);
    }
    painter.setPen(QPen(hovered ? SkinPalette::glowEdge : QColor(140, 158, 186), 1.0));
    painter.setBrush(verticalGradient(0, size.height(), top, bottom));
    painter.drawPath(shape);
    if (front) {
        // An accent along the top marks the selected subject.
        painter.setClipPath(shape);
        painter.setPen(Qt::NoPen);
        painter.setBrush(verticalGradient(1, 4, hovered ? SkinPalette::lightBlue : SkinPalette::blue,
                                          hovered ? SkinPalette::blue : QColor(36, 90, 170)));
        painter.drawRect(QRectF(1, 1, size.width() - 2, 3));
    }
    return picture;
}

enum class Press { Off, On, Pressed };

QImage plainButton(QSize size, Press press)
{
    QImage picture = newPicture(size, SkinPalette::face);
    QPainter painter;
    beginPainting(painter, &picture);
    const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
    switch (press) {
    case Press::Off:
        painter.setPen(QPen(QColor(141, 160, 186), 1.0));
        painter.setBrush(verticalGradient(body.top(), body.bottom(), Qt::white, QColor(226, 232, 240)));
        break;
    case Press::On:
        painter.setPen(QPen(SkinPalette::glowEdge, 1.0));
        painter.setBrush(verticalGradient(body.top(), body.bottom(), SkinPalette::glowTop, SkinPalette::glowBottom));
        break;
    case Press::Pressed:
        painter.setPen(QPen(SkinPalette::pressedEdge, 1.0));
        painter.setBrush(
            verticalGradient(body.top(), body.bottom(), SkinPalette::pressedTop, SkinPalette::pressedBottom));
        break;
    }
    painter.drawRoundedRect(body, 4, 4);
    if (press != Press::Pressed) {
        painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        painter.drawLine(QPointF(4, 1.5), QPointF(size.width() - 4, 1.5));
    }
    return picture;
}

// The home page's paper buttons: a small green "go" pill with an arrow.
QImage loadButton(QSize size, bool hovered)
{
    QImage picture = newPicture(size, SkinPalette::page);
    QPainter painter;
    beginPainting(painter, &picture);
    const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
    painter.setPen(QPen(hovered ? QColor(46, 140, 40) : QColor(40, 112, 34), 1.0));
    painter.setBrush(verticalGradient(body.top(), body.bottom(), hovered ? QColor(160, 228, 128) : QColor(120, 200, 94),
                                      hovered ? QColor(76, 176, 58) : QColor(56, 146, 44)));
    painter.drawRoundedRect(body, 6.5, 6.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, hovered ? 110 : 70));
    painter.drawRoundedRect(QRectF(3, 1.5, size.width() - 6, 4.5), 2, 2);
    painter.setBrush(Qt::white);
    painter.drawPath(centredTextPath(QStringLiteral("Go"), skinFont(10, true), QPointF(14, 7)));
    painter.drawPolygon(QPolygonF{{23.5, 4}, {28.5, 7}, {23.5, 10}});
    return picture;
}

// A panel of the practice window's status strip, with an etched line at its
// right end to part it from the next one.
QImage statusPanel(QSize size)
{
    QImage picture = newPicture(size, SkinPalette::face);
    QPainter painter(&picture);
    painter.fillRect(picture.rect(), verticalGradient(0, size.height(), QColor(253, 253, 248), QColor(230, 233, 220)));
    painter.fillRect(QRect(0, 0, size.width(), 1), QColor(206, 211, 196));
    painter.fillRect(QRect(0, 1, size.width(), 1), Qt::white);
    painter.fillRect(QRect(size.width() - 2, 3, 1, size.height() - 6), QColor(196, 202, 186));
    painter.fillRect(QRect(size.width() - 1, 3, 1, size.height() - 6), Qt::white);
    return picture;
}

// Column heads and section bars: a soft blue strip the program writes on.
QImage headingStrip(QSize size)
{
    QImage picture = newPicture(size, SkinPalette::page);
    QPainter painter;
    beginPainting(painter, &picture);
    const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
    painter.setPen(QPen(SkinPalette::headEdge, 1.0));
    painter.setBrush(verticalGradient(body.top(), body.bottom(), SkinPalette::headTop, SkinPalette::headBottom));
    painter.drawRoundedRect(body, 3, 3);
    painter.setPen(QPen(QColor(255, 255, 255, 220), 1.0));
    painter.drawLine(QPointF(3, 1.5), QPointF(size.width() - 3, 1.5));
    return picture;
}

// One block of the marking progress, on the status strip.
QImage progressBlock(QSize size)
{
    QImage picture = newPicture(size, QColor(242, 243, 234));
    QPainter painter;
    beginPainting(painter, &picture);
    const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
    painter.setPen(QPen(QColor(40, 112, 34), 1.0));
    painter.setBrush(verticalGradient(body.top(), body.bottom(), SkinPalette::lightGreen, SkinPalette::green));
    painter.drawRoundedRect(body, 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 90));
    painter.drawRect(QRectF(2, 2, size.width() - 4, size.height() / 2.0 - 2));
    return picture;
}

// The size grip sits in the answer sheet's bottom-right corner.
QImage sizeGrip(QSize size)
{
    QImage picture = newPicture(size, SkinPalette::page);
    QPainter painter(&picture);
    const QPoint dots[] = {{5, 5}, {2, 5}, {5, 2}};
    for (const QPoint &dot : dots) {
        painter.fillRect(QRect(dot + QPoint(1, 1), QSize(2, 2)), Qt::white);
        painter.fillRect(QRect(dot, QSize(2, 2)), SkinPalette::steel);
    }
    painter.fillRect(QRect(5, 5, 2, 2), QColor(120, 132, 150));
    return picture;
}

QImage bullet(QSize size)
{
    QImage picture = newPicture(size, SkinPalette::page);
    QPainter painter;
    beginPainting(painter, &picture);
    const QPointF centre(5.5, size.height() / 2.0);
    QRadialGradient shine(centre - QPointF(1.5, 1.5), 5);
    shine.setColorAt(0, mixed(SkinPalette::lightBlue, Qt::white, 0.6));
    shine.setColorAt(1, SkinPalette::blue);
    painter.setPen(QPen(QColor(30, 80, 150), 1.0));
    painter.setBrush(shine);
    painter.drawEllipse(centre, 4, 4);
    return picture;
}

// The answer sheet's show/hide handle: a narrow grip with ridges.
QImage handle(QSize size)
{
    QImage picture = newPicture(size, SkinPalette::face);
    QPainter painter;
    beginPainting(painter, &picture);
    painter.setPen(QPen(QColor(180, 188, 166), 1.0));
    painter.setBrush(verticalGradient(0, size.height(), QColor(236, 238, 226), QColor(220, 224, 208)));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 2.5, 2.5);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 12; y <= 26; y += 3) {
        painter.fillRect(QRect(2, y, 2, 1), QColor(140, 148, 128));
        painter.fillRect(QRect(2, y + 1, 2, 1), Qt::white);
    }
    return picture;
}

// The score box of the practice window: a card with a fountain pen at its
// left; the program writes the score on its plain right part.
QImage scoreCard(QSize size)
{
    QImage picture = newPicture(size, SkinPalette::face);
    QPainter painter;
    beginPainting(painter, &picture);
    const QRectF body(0.5, 0.5, size.width() - 1, size.height() - 1);
    painter.setPen(QPen(SkinPalette::headEdge, 1.0));
    painter.setBrush(verticalGradient(body.top(), body.bottom(), Qt::white, QColor(234, 241, 250)));
    painter.drawRoundedRect(body, 5, 5);

    painter.setPen(QPen(SkinPalette::lightBlue, 1.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath scribble;
    scribble.moveTo(6, 33);
    scribble.cubicTo(9, 27, 11, 37, 14, 32);
    scribble.cubicTo(17, 27, 18, 36, 22, 32);
    painter.drawPath(scribble);

    painter.translate(22, 21);
    painter.rotate(-45);
    painter.setPen(QPen(SkinPalette::ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(verticalGradient(-3.5, 3.5, SkinPalette::lightBlue, QColor(30, 70, 140)));
    painter.drawRoundedRect(QRectF(-4, -3.5, 20, 7), 3, 3);
    painter.setBrush(verticalGradient(-3, 3, QColor(250, 226, 140), QColor(200, 150, 40)));
    painter.drawRect(QRectF(-7, -3, 3, 6));
    painter.drawPolygon(QPolygonF{{-7, -3}, {-16, 0}, {-7, 3}});
    painter.setPen(QPen(SkinPalette::ink, 0.8));
    painter.drawLine(QPointF(-15, 0), QPointF(-9.5, 0));
    painter.setPen(QPen(QColor(250, 226, 140), 1.4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(2, -4.5), QPointF(12, -4.5));
    return picture;
}

} // namespace

void addControlPictures(PictureMakers &makers)
{
    makers.insert(QStringLiteral("tabs_back_off.bmp"), [](QSize s) { return tab(s, false, false); });
    makers.insert(QStringLiteral("tabs_back_on.bmp"), [](QSize s) { return tab(s, false, true); });
    makers.insert(QStringLiteral("tabs_front_off.bmp"), [](QSize s) { return tab(s, true, false); });
    makers.insert(QStringLiteral("tabs_front_on.bmp"), [](QSize s) { return tab(s, true, true); });
    makers.insert(QStringLiteral("button_off.bmp"), [](QSize s) { return plainButton(s, Press::Off); });
    makers.insert(QStringLiteral("button_on.bmp"), [](QSize s) { return plainButton(s, Press::On); });
    makers.insert(QStringLiteral("button_pressed.bmp"), [](QSize s) { return plainButton(s, Press::Pressed); });
    makers.insert(QStringLiteral("loadbutton_off.bmp"), [](QSize s) { return loadButton(s, false); });
    makers.insert(QStringLiteral("loadbutton_on.bmp"), [](QSize s) { return loadButton(s, true); });
    for (const char *name : {"bottombg1.bmp", "bottombg2.bmp", "bottombg3.bmp", "bottombg4.bmp"})
        makers.insert(QLatin1String(name), statusPanel);
    for (const char *name : {"columnhead1.bmp", "columnhead2.bmp", "bar.bmp"})
        makers.insert(QLatin1String(name), headingStrip);
    makers.insert(QStringLiteral("progressbar.bmp"), progressBlock);
    makers.insert(QStringLiteral("statusgrabber.bmp"), sizeGrip);
    makers.insert(QStringLiteral("bullet.bmp"), bullet);
    makers.insert(QStringLiteral("Handle.bmp"), handle);
    makers.insert(QStringLiteral("pen.bmp"), scoreCard);
}
