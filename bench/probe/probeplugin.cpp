// Loaded into the real program (or a floor program) as a generic plugin:
//   QT_QPA_GENERIC_PLUGINS=quorvaleprobe QT_PLUGIN_PATH=<bench>/plugins
// it times what the pupil waits for and drives the clicks, printing one
// line per figure to standard output:
//   QUORVALE_PROBE=startup  the first window painted ("startup <ms> <w> <h>"),
//                           counted from QUORVALE_PROBE_T0 (monotonic ns)
//   QUORVALE_PROBE=first-paint  only that line; the program goes on alone
//   QUORVALE_PROBE=paper    then, in the program, a paper opened from its
//                           load button ("open1"), pages turned with Next
//                           ("turn"), and a later paper opened ("open2")
// and "ready" once it sits idle, for the CPU and memory to be read.
#include "../paintwatch.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QGenericPlugin>
#include <QScreen>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>

namespace {

// How long a pupil looks at a window before the next click.
constexpr int settleMs = 2000;
constexpr int turns = 3;

void report(const char *what, qint64 fromNs, const QString &extra = QString())
{
    std::printf("%s %.2f%s\n", what, double(monotonicNow() - fromNs) / 1e6,
                extra.isEmpty() ? "" : qPrintable(u' ' + extra));
    std::fflush(stdout);
}

// A left click in the middle of the widget, as the window system delivers it.
void click(QWidget *widget)
{
    const QPointF local = QRectF(widget->rect()).center();
    const QPointF global = widget->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

QWidget *topLevel(const QString &name, const QWidget *besides = nullptr)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible() && widget != besides)
            return widget;
    }
    return nullptr;
}

// Passes a view's loadFinished on once, then goes.
class LoadRelay : public QObject
{
    Q_OBJECT

public:
    LoadRelay(QObject *view, std::function<void()> done)
        : QObject(view)
        , m_done(std::move(done))
    {
    }

public slots:
    void finished()
    {
        QObject::disconnect(sender(), nullptr, this, nullptr);
        deleteLater();
        m_done();
    }

private:
    std::function<void()> m_done;
};

class Probe : public QObject
{
public:
    explicit Probe(const QString &scenario)
        : m_scenario(scenario)
        , m_start(qEnvironmentVariable("QUORVALE_PROBE_T0").toLongLong())
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            QWidget *window = static_cast<QWidget *>(watched)->window();
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, this, [this, window] { started(window); });
        }
        return false;
    }

private:
    void started(QWidget *window)
    {
        report("startup", m_start, QStringLiteral("%1 %2").arg(window->width()).arg(window->height()));
        if (m_scenario == u"paper") {
            QTimer::singleShot(settleMs, this, [this] { openPaper(1); });
        } else if (m_scenario == u"startup") {
            // The pointer away from every window, as for a pupil who has
            // not reached for the mouse yet.
            QCursor::setPos(window->screen()->geometry().bottomRight());
            QTimer::singleShot(settleMs, this, [] { ready(); });
        }
    }

    static void ready()
    {
        std::printf("ready\n");
        std::fflush(stdout);
    }

    // Brings the pointer to the load button of paper n of the topic on show,
    // as a pupil does, and clicks it a moment later.
    void openPaper(int n)
    {
        QWidget *contents = topLevel(QStringLiteral("Contents"));
        auto *load = contents ? contents->findChild<QAbstractButton *>(QStringLiteral("P%1a").arg(n)) : nullptr;
        if (!load) {
            std::printf("failed no load button\n");
            return ready();
        }
        QCursor::setPos(load->mapToGlobal(load->rect().center()));
        QTimer::singleShot(settleMs, this, [this, n, load] { clickLoad(n, load); });
    }

    // Clicks the load button and times the first question page painted.
    void clickLoad(int n, QAbstractButton *load)
    {
        QWidget *before = topLevel(QStringLiteral("Test1"));
        const qint64 clicked = monotonicNow();
        click(load);
        const double handled = double(monotonicNow() - clicked) / 1e6;
        QWidget *practice = topLevel(QStringLiteral("Test1"), before);
        // Found by name, so that the probe brings no web engine into the floor programs.
        QWidget *view = practice ? practice->findChild<QWidget *>(QStringLiteral("brwWebBrowser")) : nullptr;
        if (!view) {
            std::printf("failed no practice window\n");
            return ready();
        }
        afterLoad(view, [this, n, clicked, handled, practice, view] {
            // Beside the figure: the view's size, and how long the click
            // itself took (the window built) and the page took to load.
            report(n == 1 ? "open1" : "open2", clicked,
                   QStringLiteral("%1 %2 click %3 loaded %4")
                       .arg(view->width())
                       .arg(view->height())
                       .arg(handled, 0, 'f', 1)
                       .arg(m_loaded, 0, 'f', 1));
            if (n == 1)
                QTimer::singleShot(settleMs, this, [this, practice, view] { turnPage(practice, view, 1); });
            else
                QTimer::singleShot(settleMs, this, [] { ready(); });
        });
    }

    void turnPage(QWidget *practice, QWidget *view, int turn)
    {
        auto *next = practice->findChild<QAbstractButton *>(QStringLiteral("ToolBar06"));
        if (turn > turns || !next || !next->isEnabled()) {
            openPaper(2);
            return;
        }
        const qint64 clicked = monotonicNow();
        click(next);
        const double handled = double(monotonicNow() - clicked) / 1e6;
        afterLoad(view, [this, clicked, handled, practice, view, turn] {
            report("turn", clicked, QStringLiteral("click %1 loaded %2").arg(handled, 0, 'f', 1).arg(m_loaded, 0, 'f', 1));
            QTimer::singleShot(settleMs, this, [this, practice, view, turn] { turnPage(practice, view, turn + 1); });
        });
    }

    // The page loaded (the view's loadFinished) and then painted.
    void afterLoad(QWidget *view, std::function<void()> done)
    {
        const qint64 from = monotonicNow();
        auto *relay = new LoadRelay(view, [this, from, view, done] {
            m_loaded = double(monotonicNow() - from) / 1e6;
            PaintWatch::afterNextPaint(view, done);
        });
        QObject::connect(view, SIGNAL(loadFinished(bool)), relay, SLOT(finished()));
    }

    QString m_scenario;
    qint64 m_start;
    double m_loaded = 0; // ms from the click handled to the page loaded
};

} // namespace

class ProbePlugin : public QGenericPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")

public:
    QObject *create(const QString &, const QString &) override
    {
        return new Probe(qEnvironmentVariable("QUORVALE_PROBE", QStringLiteral("startup")));
    }
};

#include "probeplugin.moc"
