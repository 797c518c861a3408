#pragma once

#include "pointersource.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <chrono>

class ImageButton;
class QWidget;

// A window's 100 ms tick: reads the pointer once and lets every picture
// button of the window test it. Buttons repaint only when their look changes,
// so a tick on which nothing moved reads and draws nothing. Windows with more
// to do on the tick (the practice windows' clock) listen to ticked().
//
// The window's buttons are looked up once, on the first tick after start():
// a window makes its buttons before it starts ticking, and looking through
// every widget of the window ten times a second was half the cost of an idle
// window.
//
// While the pointer is away from the window and no mouse button is held, no
// button can light up: the tick slows to once a second (enough for a clock)
// until the pointer comes back, which the window hears at once.
class ButtonTicker : public QObject
{
    Q_OBJECT

public:
    ButtonTicker(QWidget *window, PointerSource pointer);

    PointerSource pointer() const { return m_pointer; }

    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }
    std::chrono::milliseconds interval() const { return m_timer.intervalAsDuration(); }

    static constexpr std::chrono::milliseconds fast{100};
    static constexpr std::chrono::milliseconds resting{1000};

public slots:
    void tick();

signals:
    void ticked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    PointerSource m_pointer;
    QTimer m_timer;
    QList<QPointer<ImageButton>> m_buttons;
    bool m_buttonsFound = false;
};
