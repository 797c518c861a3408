#pragma once

#include "pointersource.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

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
class ButtonTicker : public QObject
{
    Q_OBJECT

public:
    ButtonTicker(QWidget *window, PointerSource pointer);

    PointerSource pointer() const { return m_pointer; }

    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }

public slots:
    void tick();

signals:
    void ticked();

private:
    QWidget *m_window;
    PointerSource m_pointer;
    QTimer m_timer;
    QList<QPointer<ImageButton>> m_buttons;
    bool m_buttonsFound = false;
};
