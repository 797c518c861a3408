// The toolkit's floor for the question pages: a bare QWebEngineView, timed
// the same way as the program's.
//   quorvale-floor-view paper W H PICTURE VW VH PAGE...
//       a bare window of W x H showing one picture (as quorvale-floor-window),
//       and after a pause a bare QWebEngineView of VW x VH
//       in a window of its own that loads the first page ("open1": a cold
//       engine), then each further page but the last ("turn"), then the last
//       ("open2": the same view loading another paper's page), each timed
//       to the page painted; then "ready".
//   quorvale-floor-view start VW VH PAGE
//       only the view, loading the page at once ("loaded": from process start).
#include "paintwatch.h"

#include <QApplication>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <cstdio>
#include <memory>

namespace {

constexpr int settleMs = 2000;

void report(const char *what, qint64 fromNs)
{
    std::printf("%s %.2f\n", what, double(monotonicNow() - fromNs) / 1e6);
    std::fflush(stdout);
}

// Loads pages[next] into view, reports it painted counting from started, and
// goes on with the rest.
void loadPages(QWebEngineView *view, QStringList pages, int next, qint64 started)
{
    if (next >= pages.size()) {
        std::printf("ready\n");
        std::fflush(stdout);
        return;
    }
    const char *what = next == 0 ? "open1" : next == pages.size() - 1 ? "open2" : "turn";
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(view, &QWebEngineView::loadFinished, view, [=](bool) {
        QObject::disconnect(*connection);
        PaintWatch::afterNextPaint(view, [=] {
            report(what, started);
            QTimer::singleShot(settleMs, view, [=] { loadPages(view, pages, next + 1, monotonicNow()); });
        });
    });
    view->setUrl(QUrl::fromLocalFile(pages.at(next)));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const QString mode = args.value(0);

    if (mode == u"start") {
        const qint64 start = qEnvironmentVariable("QUORVALE_PROBE_T0").toLongLong();
        QWebEngineView view;
        view.resize(args.value(1).toInt(), args.value(2).toInt());
        QObject::connect(&view, &QWebEngineView::loadFinished, &view, [&](bool) {
            PaintWatch::afterNextPaint(&view, [start] {
                report("loaded", start);
                std::printf("ready\n");
                std::fflush(stdout);
            });
        });
        view.setUrl(QUrl::fromLocalFile(args.value(3)));
        view.show();
        return app.exec();
    }

    QWidget window;
    window.resize(args.value(1).toInt(), args.value(2).toInt());
    auto *picture = new QLabel(&window);
    picture->setPixmap(QPixmap(args.value(3)));
    picture->adjustSize();
    window.show();

    std::unique_ptr<QWebEngineView> view;
    QTimer::singleShot(settleMs, &window, [&] {
        const qint64 started = monotonicNow();
        view = std::make_unique<QWebEngineView>();
        view->resize(args.value(4).toInt(), args.value(5).toInt());
        view->show();
        loadPages(view.get(), args.mid(6), 0, started);
    });
    return app.exec();
}
