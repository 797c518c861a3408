#include "picturebox.h"

#include "picturecache.h"

#include <QPainter>

PictureBox::PictureBox(std::shared_ptr<PictureCache> pictures, QWidget *parent)
    : QWidget(parent)
    , m_pictures(std::move(pictures))
{
}

void PictureBox::setPicture(const QString &fileName)
{
    if (m_name == fileName)
        return;
    m_name = fileName;
    update();
}

void PictureBox::setStretched(bool stretched)
{
    m_stretched = stretched;
    update();
}

void PictureBox::setFallbackColour(const QColor &colour)
{
    m_fallback = colour;
    update();
}

QSize PictureBox::sizeHint() const
{
    const QPixmap pixmap = m_pictures->picture(m_name);
    return pixmap.isNull() ? QWidget::sizeHint() : pixmap.deviceIndependentSize().toSize();
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPixmap pixmap = m_pictures->picture(m_name);
    if (pixmap.isNull()) {
        if (m_fallback.isValid())
            painter.fillRect(rect(), m_fallback);
        return;
    }
    if (m_stretched)
        painter.drawPixmap(rect(), pixmap);
    else
        painter.drawPixmap(0, 0, pixmap);
}
