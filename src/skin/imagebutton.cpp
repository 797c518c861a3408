#include "imagebutton.h"

#include "clickablelabel.h"
#include "picturecache.h"
#include "pressflag.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

ImageButton::ImageButton(std::shared_ptr<PictureCache> pictures, QWidget *parent)
    : QAbstractButton(parent)
    , m_cache(std::move(pictures))
    , m_pointer(systemPointer())
{
    setFocusPolicy(Qt::TabFocus);
}

void ImageButton::setPictures(const ButtonPictures &pictures)
{
    if (m_names == pictures)
        return;
    m_names = pictures;
    update();
}

void ImageButton::setHint(const QString &hint)
{
    setToolTip(hint);
    setAccessibleName(hint);
    if (m_caption)
        m_caption->setHint(hint);
}

void ImageButton::setPressFlag(PressFlag *flag)
{
    if (m_pressFlag)
        disconnect(m_pressFlag, nullptr, this, nullptr);
    m_pressFlag = flag;
    if (flag)
        connect(flag, &PressFlag::changed, this, &ImageButton::updateLook);
    updateLook();
}

void ImageButton::setPointerSource(PointerSource pointer)
{
    m_pointer = std::move(pointer);
}

ClickableLabel *ImageButton::addCaption(const QString &objectName, const QString &text, const QRect &rect)
{
    if (!m_caption) {
        m_caption = new ClickableLabel(this);
        m_caption->setAlignment(Qt::AlignCenter);
        // A caption of a disabled button does nothing.
        connect(m_caption, &ClickableLabel::clicked, this, [this] {
            if (isEnabled())
                click();
        });
    }
    m_caption->setObjectName(objectName);
    m_caption->setText(text);
    m_caption->setGeometry(rect);
    m_caption->setHint(hint());
    return m_caption;
}

void ImageButton::refresh(const QPoint &globalPointer)
{
    // Left and top edges count as inside, right and bottom as outside.
    const bool hovered = rect().contains(mapFromGlobal(globalPointer));
    const bool arrived = hovered && !m_hovered;
    m_hovered = hovered;
    updateLook();
    if (arrived)
        emit approached();
}

ImageButton::Look ImageButton::look() const
{
    if (!isEnabled())
        return Look::Disabled;
    if (m_pressFlag && (isDown() || (m_hovered && m_pressFlag->isHeld())))
        return Look::Pressed;
    return m_hovered ? Look::On : Look::Off;
}

QString ImageButton::pictureName() const
{
    switch (look()) {
    case Look::Disabled:
        return m_names.disabled.isEmpty() ? m_names.off : m_names.disabled;
    case Look::Pressed:
        return m_names.pressed.isEmpty() ? m_names.on : m_names.pressed;
    case Look::On:
        return m_names.on.isEmpty() ? m_names.off : m_names.on;
    case Look::Off:
        break;
    }
    return m_names.off;
}

QSize ImageButton::sizeHint() const
{
    const QPixmap pixmap = m_cache->picture(m_names.off);
    return pixmap.isNull() ? QSize(80, 25) : pixmap.deviceIndependentSize().toSize();
}

void ImageButton::updateLook()
{
    const Look now = look();
    if (now == m_shown)
        return;
    m_shown = now;
    update();
}

void ImageButton::refreshFromPointer()
{
    if (m_pointer)
        refresh(m_pointer());
}

void ImageButton::paintEvent(QPaintEvent *)
{
    m_shown = look();
    QPainter painter(this);
    const QPixmap pixmap = m_cache->picture(pictureName());
    if (!pixmap.isNull()) {
        painter.drawPixmap(rect(), pixmap);
    } else {
        // No picture installed: a plain face that still shows the state.
        QColor face(216, 222, 236);
        if (m_shown == Look::On)
            face = QColor(236, 240, 250);
        else if (m_shown == Look::Pressed)
            face = QColor(176, 188, 214);
        else if (m_shown == Look::Disabled)
            face = QColor(226, 226, 226);
        painter.fillRect(rect(), face);
        painter.setPen(QColor(120, 130, 160));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

void ImageButton::focusInEvent(QFocusEvent *event)
{
    QAbstractButton::focusInEvent(event);
    // Only the pupil moving the focus counts, not a window taking it back.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason)
        emit approached();
}

void ImageButton::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    refreshFromPointer();
}

void ImageButton::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    refreshFromPointer();
}

void ImageButton::mousePressEvent(QMouseEvent *event)
{
    if (m_pressFlag)
        m_pressFlag->setHeld(true);
    QAbstractButton::mousePressEvent(event);
    updateLook();
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressFlag)
        m_pressFlag->setHeld(false);
    QAbstractButton::mouseReleaseEvent(event);
    updateLook();
}

void ImageButton::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !event->isAutoRepeat()) {
        event->accept();
        animateClick();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void ImageButton::changeEvent(QEvent *event)
{
    QAbstractButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        updateLook();
}
