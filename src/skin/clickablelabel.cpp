#include "clickablelabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

ClickableLabel::ClickableLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

void ClickableLabel::setHint(const QString &hint)
{
    // The label's text stays its accessible name; the hint describes it.
    setToolTip(hint);
    setAccessibleDescription(hint);
}

void ClickableLabel::setFocusable(bool focusable)
{
    setFocusPolicy(focusable ? Qt::TabFocus : Qt::NoFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressed) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressed = false;
    event->accept();
    if (rect().contains(event->position().toPoint()))
        emit clicked();
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit clicked();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = rect().adjusted(0, 0, -1, -1);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
