#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

// Calls back once a widget, or any widget inside it, has next been painted
// and the window's backing store flushed to the screen: the paint event is
// seen, and the callback runs from the event loop right after that repaint.
// The program and the floor programs are timed the same way.
class PaintWatch : public QObject
{
    Q_OBJECT

public:
    static void afterNextPaint(QWidget *root, std::function<void()> done);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PaintWatch(QWidget *root, std::function<void()> done);

    QPointer<QWidget> m_root;
    std::function<void()> m_done;
};

// Nanoseconds on the monotonic clock, the same in every process.
qint64 monotonicNow();
