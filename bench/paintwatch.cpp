#include "paintwatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <ctime>

PaintWatch::PaintWatch(QWidget *root, std::function<void()> done)
    : QObject(qApp)
    , m_root(root)
    , m_done(std::move(done))
{
    qApp->installEventFilter(this);
}

void PaintWatch::afterNextPaint(QWidget *root, std::function<void()> done)
{
    new PaintWatch(root, std::move(done));
}

bool PaintWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && m_root && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        if (widget == m_root || m_root->isAncestorOf(widget)) {
            qApp->removeEventFilter(this);
            // The zero timer runs once this repaint, flush included, is over.
            QTimer::singleShot(0, qApp, [done = std::move(m_done)] { done(); });
            deleteLater();
        }
    }
    return false;
}

qint64 monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}
