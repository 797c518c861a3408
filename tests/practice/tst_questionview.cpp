#include "practice/questionview.h"
#include "testfiles.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineSettings>

namespace {

// One black pixel.
const QByteArray pixelPng = QByteArray::fromBase64(
    "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAIAAACQd1PeAAAADElEQVR4nGNgYGAAAAAEAAH2FzhVAAAAAElFTkSuQmCC");

// A web archive as the course carries its question pages: the page and its
// pictures as parts of one file.
QByteArray webArchive(const QString &body)
{
    QByteArray archive = "MIME-Version: 1.0\r\n"
                         "Content-Type: multipart/related; boundary=\"----=_part\"; type=\"text/html\"\r\n"
                         "\r\n"
                         "------=_part\r\n"
                         "Content-Type: text/html; charset=utf-8\r\n"
                         "Content-Location: https://quorvale.invalid/page.html\r\n"
                         "\r\n"
                         "<html><head><title>Question</title></head><body>";
    archive += body.toUtf8();
    archive += "</body></html>\r\n"
               "------=_part\r\n"
               "Content-Type: image/png\r\n"
               "Content-Transfer-Encoding: base64\r\n"
               "Content-Location: https://quorvale.invalid/pixel.png\r\n"
               "\r\n";
    archive += pixelPng.toBase64() + "\r\n";
    archive += "------=_part\r\n"
               "Content-Type: image/png\r\n"
               "Content-Transfer-Encoding: base64\r\n"
               "Content-ID: <pixel@quorvale>\r\n"
               "\r\n";
    archive += pixelPng.toBase64() + "\r\n";
    archive += "------=_part--\r\n";
    return archive;
}

QString writePage(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    TestFiles::writeFile(path, bytes);
    return path;
}

// The text of the page on show, once the view has it.
QString plainText(QWebEnginePage *page)
{
    QString text;
    bool done = false;
    page->toPlainText([&](const QString &result) {
        text = result;
        done = true;
    });
    return QTest::qWaitFor([&] { return done; }, 20000) ? text : QString();
}

} // namespace

class TestQuestionView : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsItsPagesInOneView();
    void anArchiveReachesNothingOutsideItself();
    void theFilterRefusesWhatTheSettingsLetThrough();
    void aLinkNavigatesNowhere();
    void guardsCopyCutAndTheRightButton_data();
    void guardsCopyCutAndTheRightButton();
    void nothingIsCopied();

private:
    bool show(const QString &path);
    QString fixturePage(const QString &pageId);
    QWidget *pageWidget() const { return m_view->focusProxy() ? m_view->focusProxy() : m_view.get(); }

    QTemporaryDir m_dir;
    std::unique_ptr<QuestionView> m_view;
};

void TestQuestionView::init()
{
    m_view = std::make_unique<QuestionView>();
    m_view->resize(600, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
}

void TestQuestionView::cleanup()
{
    m_view.reset();
}

bool TestQuestionView::show(const QString &path)
{
    QSignalSpy shown(m_view.get(), &QuestionView::pageShown);
    m_view->showPage(path);
    return shown.wait(20000) && shown.constFirst().at(0).toBool();
}

QString TestQuestionView::fixturePage(const QString &pageId)
{
    return writePage(m_dir, u"temppaper"_qs + pageId + u".mht"_qs,
                     TestFiles::readFile(QStringLiteral(QUORVALE_FIXTURE_COURSE) + u'/' + pageId));
}

void TestQuestionView::showsItsPagesInOneView()
{
    QVERIFY(show(fixturePage(u"15001"_qs)));
    QVERIFY(plainText(m_view->page()).contains(u"Page 15001"_qs));
    QWebEnginePage *const page = m_view->page();

    QVERIFY(show(fixturePage(u"15002"_qs)));
    QVERIFY(plainText(m_view->page()).contains(u"Page 15002"_qs));
    QCOMPARE(m_view->page(), page);
    QCOMPARE(m_view->url(), m_view->pageUrl());
}

// The parts of a web archive come from the archive; whatever else the page
// names is not fetched.
void TestQuestionView::anArchiveReachesNothingOutsideItself()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QString remote = u"http://127.0.0.1:%1/"_qs.arg(server.serverPort());
    const QString path = writePage(
        m_dir, u"temppaper25001.mht"_qs,
        webArchive(u"<p>Remote</p><img src=\"%1a.png\"><link rel=stylesheet href=\"%1b.css\">"
                   "<link rel=preconnect href=\"%1\"><link rel=prefetch href=\"%1c\"><iframe src=\"%1d.html\"></iframe>"
                   "<img src=\"https://quorvale.invalid/pixel.png\"><img src=\"cid:pixel@quorvale\">"
                   "<video src=\"%1e.mp4\"></video>"_qs.arg(remote)));
    QVERIFY(show(path));
    QVERIFY(plainText(m_view->page()).contains(u"Remote"_qs));
    QVERIFY(!server.hasPendingConnections());
}

// The view's settings already keep a local page off the network and off
// other files; the request filter still stands when they are loosened.
void TestQuestionView::theFilterRefusesWhatTheSettingsLetThrough()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QString remote = u"http://127.0.0.1:%1/"_qs.arg(server.serverPort());
    writePage(m_dir, u"pixel.png"_qs, pixelPng);
    writePage(m_dir, u"style.css"_qs, "body { color: red }");
    const QString path = writePage(m_dir, u"page.html"_qs,
                                   u"<img src=\"%1a.png\"><img src=\"pixel.png\"><link rel=stylesheet href=\"style.css\">"_qs
                                       .arg(remote)
                                       .toUtf8());
    m_view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, true);
    m_view->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    QSignalSpy blocked(m_view.get(), &QuestionView::requestBlocked);

    QVERIFY(show(path));
    QVERIFY(QTest::qWaitFor([&] { return blocked.size() == 3; }, 20000));
    QSet<QUrl> urls;
    for (const QList<QVariant> &signal : blocked)
        urls.insert(signal.at(0).toUrl());
    QCOMPARE(urls, (QSet<QUrl>{QUrl(remote + u"a.png"_qs), QUrl::fromLocalFile(m_dir.filePath(u"pixel.png"_qs)),
                               QUrl::fromLocalFile(m_dir.filePath(u"style.css"_qs))}));
    QVERIFY(!server.hasPendingConnections());
}

void TestQuestionView::aLinkNavigatesNowhere()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    const QUrl link(u"http://127.0.0.1:%1/next"_qs.arg(server.serverPort()));
    const QString path = writePage(
        m_dir, u"temppaper15001.mht"_qs,
        webArchive(u"<a href=\"%1\" style=\"display:block;width:100%;height:300px\">Next</a>"_qs.arg(link.toString())));
    QVERIFY(show(path));
    QSignalSpy blocked(m_view.get(), &QuestionView::requestBlocked);

    QTest::mouseClick(pageWidget(), Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(blocked.wait(20000));
    QCOMPARE(blocked.constFirst().at(0).toUrl(), link);
    QCOMPARE(m_view->url(), QUrl::fromLocalFile(path));
    QVERIFY(plainText(m_view->page()).contains(u"Next"_qs));
    QVERIFY(!server.hasPendingConnections());
}

void TestQuestionView::guardsCopyCutAndTheRightButton_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<bool>("guarded");

    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    QTest::newRow("Ctrl+C") << Qt::Key_C << ctrl << Qt::NoButton << true;
    QTest::newRow("Ctrl+X") << Qt::Key_X << ctrl << Qt::NoButton << true;
    QTest::newRow("Ctrl+Insert") << Qt::Key_Insert << ctrl << Qt::NoButton << true;
    QTest::newRow("Ctrl+V") << Qt::Key_V << ctrl << Qt::NoButton << false;
    QTest::newRow("plain C") << Qt::Key_C << Qt::KeyboardModifiers() << Qt::NoButton << false;
    QTest::newRow("right click") << Qt::Key_unknown << Qt::KeyboardModifiers() << Qt::RightButton << true;
    QTest::newRow("left click") << Qt::Key_unknown << Qt::KeyboardModifiers() << Qt::LeftButton << false;
}

void TestQuestionView::guardsCopyCutAndTheRightButton()
{
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(Qt::MouseButton, button);
    QFETCH(bool, guarded);

    // On the second page, to show the guard follows the view from page to page.
    QVERIFY(show(fixturePage(u"15001"_qs)));
    QVERIFY(show(fixturePage(u"15002"_qs)));
    QSignalSpy guard(m_view.get(), &QuestionView::guardTriggered);
    if (button == Qt::NoButton)
        QTest::keyClick(pageWidget(), key, modifiers);
    else
        QTest::mouseClick(pageWidget(), button, {}, QPoint(50, 50));
    QCOMPARE(guard.size(), guarded ? 1 : 0);
}

// The guarded keys never reach the page. The copy made afterwards, of the
// next page, goes the same way to the clipboard; once it has arrived, a copy
// made by the keys would have arrived before it.
void TestQuestionView::nothingIsCopied()
{
    QVERIFY(show(fixturePage(u"15001"_qs)));
    m_view->activateWindow();
    m_view->setFocus();
    QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
    m_view->triggerPageAction(QWebEnginePage::SelectAll);
    QVERIFY(QTest::qWaitFor([&] { return m_view->hasSelection(); }, 20000));
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(u"untouched"_qs);
    QStringList copied;
    connect(clipboard, &QClipboard::dataChanged, this, [&] { copied.append(clipboard->text()); });

    QTest::keyClick(pageWidget(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(pageWidget(), Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(pageWidget(), Qt::Key_Insert, Qt::ControlModifier);
    QVERIFY(show(fixturePage(u"15002"_qs)));
    m_view->triggerPageAction(QWebEnginePage::SelectAll);
    QVERIFY(QTest::qWaitFor([&] { return m_view->hasSelection(); }, 20000));
    m_view->triggerPageAction(QWebEnginePage::Copy);
    QVERIFY(QTest::qWaitFor([&] { return !copied.isEmpty() && copied.constLast().contains(u"Page 15002"_qs); }, 20000));
    QCOMPARE(copied.size(), 1);
    disconnect(clipboard, nullptr, this, nullptr);
}

QTEST_MAIN(TestQuestionView)
#include "tst_questionview.moc"
