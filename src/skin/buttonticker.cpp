#include "buttonticker.h"

#include "imagebutton.h"

#include <QWidget>

ButtonTicker::ButtonTicker(QWidget *window, PointerSource pointer)
    : QObject(window)
    , m_window(window)
    , m_pointer(pointer ? std::move(pointer) : systemPointer())
{
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &ButtonTicker::tick);
}

void ButtonTicker::start()
{
    m_timer.start();
}

void ButtonTicker::stop()
{
    m_timer.stop();
}

void ButtonTicker::tick()
{
    const QPoint pointer = m_pointer();
    const QList<ImageButton *> buttons = m_window->findChildren<ImageButton *>();
    for (ImageButton *button : buttons) {
        button->refresh(pointer);
    }
    emit ticked();
}
