#include "buttonticker.h"

#include "imagebutton.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

ButtonTicker::ButtonTicker(QWidget *window, PointerSource pointer)
    : QObject(window)
    , m_window(window)
    , m_pointer(pointer ? std::move(pointer) : systemPointer())
{
    m_timer.setInterval(fast);
    connect(&m_timer, &QTimer::timeout, this, &ButtonTicker::tick);
    window->installEventFilter(this);
}

bool ButtonTicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Enter && m_timer.isActive()
        && m_timer.intervalAsDuration() != fast) {
        m_timer.setInterval(fast);
        tick();
    }
    return false;
}

void ButtonTicker::start()
{
    m_buttonsFound = false;
    m_timer.start(fast);
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
    const bool away = !QRect(m_window->mapToGlobal(QPoint(0, 0)), m_window->size()).contains(pointer)
                      && QGuiApplication::mouseButtons() == Qt::NoButton;
    const std::chrono::milliseconds interval = away ? resting : fast;
    if (m_timer.isActive() && m_timer.intervalAsDuration() != interval)
        m_timer.setInterval(interval);
    emit ticked();
}
