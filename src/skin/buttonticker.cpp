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
    m_buttonsFound = false;
    m_timer.start();
}

void ButtonTicker::stop()
{
    m_timer.stop();
}

void ButtonTicker::tick()
{
    if (!m_buttonsFound) {
        m_buttons.clear();
        for (ImageButton *button : m_window->findChildren<ImageButton *>())
            m_buttons.append(button);
        m_buttonsFound = true;
    }
    const QPoint pointer = m_pointer();
    for (const QPointer<ImageButton> &button : std::as_const(m_buttons)) {
        if (button)
            button->refresh(pointer);
    }
    emit ticked();
}
