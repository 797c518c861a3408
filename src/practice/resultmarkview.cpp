#include "resultmarkview.h"

#include <QPainter>
#include <QPainterPath>

ResultMarkView::ResultMarkView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ResultMarkView::setMark(ResultMark mark)
{
    if (mark == m_mark)
        return;
    m_mark = mark;
    setAccessibleName(mark == ResultMark::Right ? tr("Right") : mark == ResultMark::Wrong ? tr("Wrong") : QString());
    update();
}

void ResultMarkView::paintEvent(QPaintEvent *)
{
    if (m_mark == ResultMark::None)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // A square glyph at the left, like a character of a symbol font.
    const qreal side = qMin(width(), height()) - 4.0;
    const QRectF box(2, (height() - side) / 2, side, side);
    painter.setPen(QPen(QColor(220, 0, 0), qMax(2.0, side / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path;
    if (m_mark == ResultMark::Right) {
        path.moveTo(box.left() + side * 0.1, box.top() + side * 0.55);
        path.lineTo(box.left() + side * 0.4, box.top() + side * 0.85);
        path.lineTo(box.left() + side * 0.95, box.top() + side * 0.15);
    } else {
        path.moveTo(box.left() + side * 0.15, box.top() + side * 0.15);
        path.lineTo(box.left() + side * 0.85, box.top() + side * 0.85);
        path.moveTo(box.left() + side * 0.85, box.top() + side * 0.15);
        path.lineTo(box.left() + side * 0.15, box.top() + side * 0.85);
    }
    painter.drawPath(path);
}
