#include "emblempictures.h"

#include "paintkit.h"
#include "skinpalette.h"

#include <QPainter>

#include <cmath>

namespace {

// An open book: the program's mark, in the title bar and beside the logo.
// Drawn in a 16 x 16 box.
void drawBook(QPainter &p)
{
    p.setPen(QPen(QColor(150, 70, 20), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(verticalGradient(4, 15, QColor(250, 170, 60), QColor(214, 110, 30)));
    p.drawPolygon(QPolygonF{{0.5, 5}, {8, 6.5}, {15.5, 5}, {15.5, 14}, {8, 15.5}, {0.5, 14}});
    p.setPen(QPen(QColor(30, 60, 120), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF{{1.5, 2.5}, {5, 2}, {8, 3.5}, {8, 14}, {5, 12.5}, {1.5, 13}});
    p.drawPolygon(QPolygonF{{14.5, 2.5}, {11, 2}, {8, 3.5}, {8, 14}, {11, 12.5}, {14.5, 13}});
    p.setPen(QPen(SkinPalette::lightBlue, 1.0));
    for (qreal y : {5.5, 7.5, 9.5}) {
        p.drawLine(QPointF(3, y), QPointF(6.5, y + 0.6));
        p.drawLine(QPointF(9.5, y + 0.6), QPointF(13, y));
    }
}

QImage programIcon(QSize size)
{
    QImage picture = newPicture(size, Qt::transparent);
    QPainter painter;
    beginPainting(painter, &picture);
    painter.scale(size.width() / 16.0, size.height() / 16.0);
    drawBook(painter);
    return picture;
}

// The practice windows' icon: a yellow pencil, point down to the left.
QImage pencilIcon(QSize size)
{
    QImage picture = newPicture(size, Qt::transparent);
    QPainter painter;
    beginPainting(painter, &picture);
    painter.scale(size.width() / 16.0, size.height() / 16.0);
    painter.translate(8, 8);
    painter.rotate(-45);
    const QPen edge(QColor(70, 56, 30), 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(edge);
    painter.setBrush(verticalGradient(-2.2, 2.2, QColor(255, 222, 90), QColor(226, 160, 20)));
    painter.drawRect(QRectF(-4, -2.2, 8.5, 4.4));
    painter.setBrush(QColor(242, 210, 160));
    painter.drawPolygon(QPolygonF{{-4, -2.2}, {-9, 0}, {-4, 2.2}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 60, 70));
    painter.drawPolygon(QPolygonF{{-7.2, -0.8}, {-9.3, 0}, {-7.2, 0.8}});
    painter.setPen(edge);
    painter.setBrush(verticalGradient(-2.2, 2.2, QColor(220, 224, 232), QColor(140, 148, 160)));
    painter.drawRect(QRectF(4.5, -2.2, 1.8, 4.4));
    painter.setBrush(QColor(240, 130, 140));
    painter.drawRoundedRect(QRectF(6.3, -2.2, 2, 4.4), 0.8, 0.8);
    return picture;
}

// A pointing hand, for links and clickable entries.
QImage handIcon(QSize size)
{
    QImage picture = newPicture(size, Qt::transparent);
    QPainter painter;
    beginPainting(painter, &picture);
    painter.scale(size.width() / 32.0, size.height() / 32.0);
    QPainterPath hand;
    hand.addRoundedRect(QRectF(10.5, 1.5, 5, 17), 2.5, 2.5);   // index finger
    hand.addRoundedRect(QRectF(15, 10.5, 4.5, 9), 2.2, 2.2);   // folded fingers
    hand.addRoundedRect(QRectF(19, 11.5, 4.5, 9), 2.2, 2.2);
    hand.addRoundedRect(QRectF(23, 13, 4.5, 8.5), 2.2, 2.2);
    hand.addRoundedRect(QRectF(10.5, 15, 17, 12), 4, 4);       // palm
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-2.5, -2.2, 10, 4.4), 2.2, 2.2);
    hand.addPath(QTransform().translate(8.5, 19.5).rotate(50).map(thumb));
    hand = hand.simplified();
    painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    painter.setPen(QPen(QColor(120, 120, 120), 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(19.2, 15.5), QPointF(19.2, 19));
    painter.drawLine(QPointF(23.2, 16), QPointF(23.2, 19.5));
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(QColor(200, 208, 220));
    painter.drawRect(QRectF(12.5, 26.5, 13, 4));
    return picture;
}

// The pop-up dialog's symbol: an "i" in a blue disc.
QImage infoMark(QSize size)
{
    QImage art = newPicture(size, Qt::transparent);
    QPainter painter;
    beginPainting(painter, &art);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal radius = size.height() / 2.0 - 0.8;
    QRadialGradient shine(centre - QPointF(4, 5), radius * 1.6);
    shine.setColorAt(0, mixed(SkinPalette::lightBlue, Qt::white, 0.35));
    shine.setColorAt(1, QColor(30, 88, 176));
    painter.setPen(QPen(QColor(24, 64, 130), 1.0));
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawEllipse(centre + QPointF(0, -6), 2.2, 2.2);
    painter.drawRect(QRectF(centre.x() - 1.8, centre.y() - 2, 3.6, 8.5));
    painter.drawRect(QRectF(centre.x() - 3.5, centre.y() - 2, 2, 1.6));
    painter.drawRect(QRectF(centre.x() - 3.5, centre.y() + 5, 7, 1.8));
    painter.end();
    return flattenedForGif(art, SkinPalette::face);
}

// "Quorvale" beside the book mark, in blue with a soft shadow.
QImage logo(QSize size)
{
    QImage art = newPicture(size, Qt::transparent);
    QPainter painter;
    beginPainting(painter, &art);
    const QFont font = skinFont(20, true);
    const QString word = QStringLiteral("Quorvale");
    QPainterPath text = textPath(word, font, QPointF(0, 0));
    const QRectF bounds = text.boundingRect();
    constexpr qreal MarkWidth = 22;
    constexpr qreal Gap = 6;
    const qreal left = std::round((size.width() - MarkWidth - Gap - bounds.width()) / 2.0);
    const qreal baseline = 17;
    text.translate(left + MarkWidth + Gap - bounds.left(), baseline);

    painter.save();
    painter.translate(left, 1);
    painter.scale(MarkWidth / 16.0, MarkWidth / 16.0 * 0.95);
    drawBook(painter);
    painter.restore();

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 40, 80, 60));
    painter.drawPath(text.translated(1, 1));
    painter.setBrush(verticalGradient(baseline - 15, baseline, QColor(70, 140, 230), QColor(24, 70, 150)));
    painter.drawPath(text);
    painter.end();
    return flattenedForGif(art, SkinPalette::page);
}

// Shown on the answer sheet when a blank takes a mixed number: the written
// number, and how the same number is typed into the blank.
QImage instruction(QSize size)
{
    QImage picture = newPicture(size, SkinPalette::page);
    QPainter painter;
    beginPainting(painter, &picture);
    painter.setPen(QPen(QColor(178, 217, 246), 1.0));
    painter.setBrush(verticalGradient(0, size.height(), QColor(246, 250, 255), QColor(232, 242, 252)));
    painter.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);

    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinPalette::ink);
    painter.drawPath(centredTextPath(QStringLiteral("Type mixed numbers like 1 2/3"), skinFont(11, true),
                                     QPointF(size.width() / 2.0, 12)));

    // The number as written: a whole part and a stacked fraction.
    const QFont big = skinFont(24, true, true);
    const QFont small = skinFont(13, true, true);
    painter.setBrush(SkinPalette::blue);
    painter.drawPath(centredTextPath(QStringLiteral("1"), big, QPointF(34, 46)));
    painter.drawPath(centredTextPath(QStringLiteral("2"), small, QPointF(53, 37)));
    painter.drawPath(centredTextPath(QStringLiteral("3"), small, QPointF(53, 56)));
    painter.fillRect(QRectF(46, 45.5, 14, 1.6), SkinPalette::blue);

    painter.setPen(QPen(SkinPalette::steel, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawLine(QPointF(76, 46), QPointF(100, 46));
    painter.drawPolyline(QPolygonF{{94, 41}, {100, 46}, {94, 51}});

    // The same number typed into a blank, with the space called out.
    const QRectF blank(112.5, 34.5, 96, 23);
    painter.setPen(QPen(QColor(178, 217, 246), 1.0));
    painter.setBrush(Qt::white);
    painter.drawRect(blank);
    const QFont typed = skinFont(15);
    QPainterPath typing = textPath(QStringLiteral("1 2/3"), typed, QPointF(0, 0));
    typing.translate(blank.left() + 10 - typing.boundingRect().left(), blank.top() + 17);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPath(typing);
    const qreal oneWidth = textPath(QStringLiteral("1"), typed, QPointF(0, 0)).boundingRect().width();
    const qreal oneRight = blank.left() + 10 + oneWidth;
    painter.fillRect(QRectF(oneRight + 2, blank.top() + 19, 5, 1.5), SkinPalette::red);

    painter.setBrush(QColor(96, 108, 126));
    painter.drawPath(centredTextPath(QStringLiteral("a space, then the fraction"), skinFont(10),
                                     QPointF(blank.center().x(), 72)));
    return picture;
}

} // namespace

void addEmblemPictures(PictureMakers &makers)
{
    makers.insert(QStringLiteral("QVicon.ico"), programIcon);
    makers.insert(QStringLiteral("pencil.ico"), pencilIcon);
    makers.insert(QStringLiteral("hand.ico"), handIcon);
    makers.insert(QStringLiteral("info_mark.gif"), infoMark);
    makers.insert(QStringLiteral("Logo.gif"), logo);
    makers.insert(QStringLiteral("instruction.gif"), instruction);
}
