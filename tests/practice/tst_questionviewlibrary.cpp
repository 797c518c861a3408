#include "practice/questionviewlibrary.h"
#include "testfiles.h"

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <dlfcn.h>

namespace {

// Whether the web engine is in the process, without loading it.
bool webEngineLoaded()
{
    void *handle = dlopen("libQt6WebEngineCore.so.6", RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

} // namespace

// The program as the pupil gets it: the question view comes from the library
// loaded at run time, which this test does not link.
class TestQuestionViewLibrary : public QObject
{
    Q_OBJECT

private slots:
    void theWebEngineWaitsForTheLibrary();
    void aMissingLibraryIsExplained();
    void viewsComeFromTheLibrary();
};

void TestQuestionViewLibrary::theWebEngineWaitsForTheLibrary()
{
    QVERIFY(!webEngineLoaded());
}

void TestQuestionViewLibrary::aMissingLibraryIsExplained()
{
    QTemporaryDir empty;
    PageViewSource views = QuestionViewLibrary::source({empty.path()});
    QString problem;
    QVERIFY(!views.prepare(&problem));
    QVERIFY2(problem.contains(u"libquorvale_questionview.so"_qs), qPrintable(problem));
    QVERIFY2(problem.contains(empty.path()), qPrintable(problem));
    QCOMPARE(views.create(nullptr, {}), nullptr);
    QVERIFY(!webEngineLoaded());
}

void TestQuestionViewLibrary::viewsComeFromTheLibrary()
{
    QTemporaryDir dir;
    const QString page = dir.filePath(u"page.mht"_qs);
    TestFiles::writeFile(page, "MIME-Version: 1.0\r\n"
                               "Content-Type: multipart/related; boundary=\"b\"; type=\"text/html\"\r\n\r\n"
                               "--b\r\nContent-Type: text/html\r\n"
                               "Content-Location: https://quorvale.invalid/page.html\r\n\r\n"
                               "<html><body><p>Question one</p></body></html>\r\n--b--\r\n");

    PageViewSource views = QuestionViewLibrary::source({dir.path(), QStringLiteral(QUORVALE_QUESTIONVIEW_DIR)});
    QString problem;
    QVERIFY2(views.prepare(&problem), qPrintable(problem));
    QVERIFY(problem.isEmpty());
    QVERIFY(webEngineLoaded());
    QVERIFY(views.prepare(nullptr)); // once loaded, at once

    QWidget window;
    window.resize(400, 300);
    QList<bool> shown;
    PageView *view = views.create(&window, {[&](bool ok) { shown.append(ok); }, {}, {}});
    QVERIFY(view);
    QCOMPARE(view->widget()->parent(), &window);
    QCOMPARE(view->widget()->metaObject()->className(), "QuestionView");
    window.show();
    view->showPage(page);
    QTRY_COMPARE_WITH_TIMEOUT(shown, QList<bool>{true}, 20000);
}

QTEST_MAIN(TestQuestionViewLibrary)
#include "tst_questionviewlibrary.moc"
