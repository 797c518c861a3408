// A question page that tries every way out it knows: requests to a listener
// the test opens on 127.0.0.1 (fetch, a picture, frames, a WebSocket, a
// beacon, a form), navigation to a local file, new windows and a
// "javascript:" link. The listener sees no connection, nothing navigates or
// opens, and the view goes on showing the next page.
#include "practice/questionview.h"
#include "testfiles.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineSettings>

#include <algorithm>

namespace {

using TestFiles::readFile;

QString writePage(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    TestFiles::writeFile(path, bytes);
    return path;
}

// The page as the course carries its question pages: one web archive.
QByteArray webArchive(const QByteArray &html)
{
    return "MIME-Version: 1.0\r\n"
           "Content-Type: multipart/related; boundary=\"----=_part\"; type=\"text/html\"\r\n"
           "\r\n"
           "------=_part\r\n"
           "Content-Type: text/html; charset=utf-8\r\n"
           "Content-Location: https://quorvale.invalid/page.html\r\n"
           "\r\n"
           + html + "\r\n------=_part--\r\n";
}

} // namespace

class TestHostilePage : public QObject
{
    Q_OBJECT

private slots:
    void reachesNothing_data();
    void reachesNothing();
};

void TestHostilePage::reachesNothing_data()
{
    QTest::addColumn<bool>("archive");
    QTest::addColumn<bool>("scripts");
    QTest::newRow("web archive") << true << false;
    QTest::newRow("plain HTML page") << false << false;
    // The request filter and the navigation guard stand on their own, should
    // scripts ever be let run.
    QTest::newRow("plain HTML page, scripts switched on") << false << true;
}

void TestHostilePage::reachesNothing()
{
    QFETCH(bool, archive);
    QFETCH(bool, scripts);

    QTcpServer listener;
    QVERIFY(listener.listen(QHostAddress::LocalHost));
    int connections = 0;
    connect(&listener, &QTcpServer::newConnection, this, [&] {
        while (QTcpSocket *socket = listener.nextPendingConnection()) {
            ++connections;
            socket->close();
        }
    });

    QTemporaryDir dir;
    const QByteArray html =
        readFile(QStringLiteral(QUORVALE_HOSTILE_PAGE)).replace("PORT", QByteArray::number(listener.serverPort()));
    QVERIFY(!html.isEmpty());
    const QString path = archive ? writePage(dir, u"temppaper15001.mht"_qs, webArchive(html))
                                 : writePage(dir, u"page.html"_qs, html);

    QuestionView view;
    view.resize(600, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    if (scripts)
        view.settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    const qsizetype windows = QApplication::topLevelWidgets().size();
    QSignalSpy blocked(&view, &QuestionView::requestBlocked);
    QSignalSpy shown(&view, &QuestionView::pageShown);

    view.showPage(path);
    QVERIFY(shown.wait(20000));
    QVERIFY(shown.constFirst().at(0).toBool());
    // Click the local file link, the new-window link and the javascript: link.
    QWidget *content = view.focusProxy() ? view.focusProxy() : &view;
    for (int y : {20, 60, 100})
        QTest::mouseClick(content, Qt::LeftButton, {}, QPoint(100, y));
    if (!archive) {
        // A plain page reaches the view's own guard, which refuses the link.
        // (In a web archive the engine refuses local files itself.)
        QVERIFY(QTest::qWaitFor(
            [&] {
                return std::any_of(blocked.cbegin(), blocked.cend(), [](const QList<QVariant> &signal) {
                    return signal.at(0).toUrl().query() == u"link";
                });
            },
            20000));
    }
    QCOMPARE(view.url(), QUrl::fromLocalFile(path));
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    if (!scripts)
        QCOMPARE(view.page()->title(), u"Question"_qs);

    // The next page shows: the view still works, and whatever the hostile
    // page set going has had the time of a whole page load to arrive.
    const QString next = writePage(dir, u"temppaper15002.mht"_qs,
                                   readFile(QStringLiteral(QUORVALE_FIXTURE_COURSE "/15002")));
    shown.clear();
    view.showPage(next);
    // A load the hostile page had set going may still report its own end
    // (unsuccessful) first; what counts is that the next page arrives.
    QVERIFY(QTest::qWaitFor(
        [&] {
            return std::any_of(shown.cbegin(), shown.cend(),
                               [](const QList<QVariant> &signal) { return signal.at(0).toBool(); });
        },
        20000));
    QCOMPARE(view.url(), QUrl::fromLocalFile(next));
    QCOMPARE(QApplication::topLevelWidgets().size(), windows);
    QCOMPARE(connections, 0);
    QCOMPARE(listener.hasPendingConnections(), false);
}

QTEST_MAIN(TestHostilePage)
#include "tst_hostilepage.moc"
