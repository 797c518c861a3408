#include "course/coursepackage.h"
#include "main_window/contents.h"
#include "practice/answerbox.h"
#include "practice/answersheet.h"
#include "practice/paperattempt.h"
#include "practice/practicelauncher.h"
#include "practice/practicewindow.h"
#include "practice/questionview.h"
#include "practice/questionviewlibrary.h"
#include "practice/resultmarkview.h"
#include "practice/scoring.h"
#include "progress/progressfiles.h"
#include "progress/progressstore.h"
#include "skin/buttonticker.h"
#include "skin/dialogs.h"
#include "skin/imagebutton.h"
#include "skin/skinframe.h"
#include "testfiles.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace TestFiles;

namespace {

const QString fixtureFolder = QStringLiteral(QUORVALE_FIXTURE_COURSE);
const QString unanswered = u"You have not answered all the questions.  Do you still want to mark your practice?"_qs;

// A directory where a file should be written makes the write fail for any
// user, root included.
void blockWrites(const QString &path)
{
    QFile::remove(path);
    if (!QDir().mkpath(path))
        qFatal("cannot block %s", qPrintable(path));
}

QByteArray recordLine(const QString &path, const QByteArray &key)
{
    for (const QByteArray &line : readFile(path).split('\n')) {
        if (line.startsWith(QByteArray('#' + key + '#')))
            return line.endsWith('\r') ? line.chopped(1) : line;
    }
    return {};
}

// The question view linked into the test, in place of the library the
// program loads.
PageViewSource linkedPageViews()
{
    return {[](QString *) { return true; }, &QuestionView::create};
}

QuestionView *questionView(PracticeWindow *w)
{
    return qobject_cast<QuestionView *>(w->questionView());
}

} // namespace

// The main window on the fixture course, its dialogs answered from a script,
// its clock moved by hand, practice windows opened by a launcher whose
// marking bars run without pause.
class Session
{
public:
    explicit Session(const QString &courseFolder = fixtureFolder,
                     std::chrono::milliseconds pace = std::chrono::milliseconds(0),
                     PageViewSource pageViews = linkedPageViews())
        : package(CoursePackage::fromFolder(courseFolder))
    {
        Services services;
        services.dialogs = dialogs;
        services.clock = [this] { return now; };
        services.pointer = [] { return QPoint(-1000, -1000); };
        services.pageViews = std::move(pageViews);
        contents = std::make_unique<Contents>(package, dir.path(), services);
        contents->start();
        launcher = new PracticeLauncher(contents.get(), package, pace);
        contents->setPracticeWindows(launcher->hooks());
    }

    ~Session()
    {
        launcher->closeAll();
    }

    // Opens paper n (1-based within the subject) from the home page.
    PracticeWindow *open(int subject, int paper, int attempt = 1)
    {
        contents->clickTab(subject);
        contents->selectTopic((paper - 1) / 5 + 1);
        contents->OpenPaper((paper - 1) % 5, attempt);
        return launcher->window();
    }

    QString path(ProgressFile file, int subject) const
    {
        return ProgressFiles::path(dir.path(), file, subject, u"FX"_qs);
    }

    // Marks a paper's first attempt with the given answers, page by page.
    void markFirst(int subject, int paper, const QStringList &answers)
    {
        PracticeWindow *w = open(subject, paper);
        int slot = 0;
        for (int page = 1; page <= w->attempt()->pageCount(); ++page) {
            for (int row = 1; row <= w->sheet()->rowsShown(); ++row)
                w->sheet()->answerBox(row)->setText(answers.value(slot++));
            if (page < w->attempt()->pageCount())
                w->nextPage();
        }
        dialogs->answers = {true};
        QSignalSpy done(w, &PracticeWindow::markingDone);
        w->markPaper();
        if (!done.wait(10000) || !done.constFirst().at(0).toBool())
            qFatal("first attempt not marked");
        launcher->closeAll();
        dialogs->calls.clear();
    }

    ScriptedDialogs::Call lastCall() const
    {
        return dialogs->calls.isEmpty() ? ScriptedDialogs::Call{} : dialogs->calls.constLast();
    }

    QTemporaryDir dir;
    CoursePackage package;
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    QDateTime now{QDate(2024, 3, 5), QTime(10, 0)};
    std::unique_ptr<Contents> contents;
    PracticeLauncher *launcher = nullptr;
};

namespace {

ImageButton *toolButton(PracticeWindow *w, int slot)
{
    return w->findChild<ImageButton *>(u"ToolBar0%1"_qs.arg(slot));
}

QString labelText(PracticeWindow *w, const QString &name)
{
    auto *label = w->findChild<QLabel *>(name);
    return label ? label->text() : u"<missing>"_qs;
}

bool shown(PracticeWindow *w, const QString &name)
{
    auto *widget = w->findChild<QWidget *>(name);
    return widget && widget->isVisibleTo(w);
}

QStringList remaining(PracticeWindow *w)
{
    auto *list = w->findChild<QComboBox *>(u"RemQns"_qs);
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

void type(PracticeWindow *w, int row, const QString &text)
{
    QWidget *editor = w->sheet()->answerBox(row)->editor();
    editor->setFocus();
    QTest::keyClicks(editor, text);
}

bool waitForPage(PracticeWindow *w)
{
    QSignalSpy shownSpy(questionView(w), &QuestionView::pageShown);
    return shownSpy.wait(20000) && shownSpy.constFirst().at(0).toBool();
}

} // namespace

class TestPracticeWindow : public QObject
{
    Q_OBJECT

private slots:
    void theHomePageOpensAndRefreshes();
    void opensOnItsFirstPage();
    void movingBetweenPagesSavesEveryTime();
    void remainingQuestionsListChoosesAPage();
    void saveSaysPaperSaved();
    void markingRecordsAndShowsTheResults();
    void markingAsksTheRightQuestion();
    void decliningKeepsThePaperOpen();
    void theWindowTakesNoInputWhileMarking();
    void aMarkedPaperOpensReadOnly();
    void secondAttempt();
    void closeAsksAndSavesNothing();
    void windowSystemCloseAsksToo();
    void openingAnotherPaperSavesThePageFirst();
    void guardAnswersCopyAndRightClick();
    void aPaperThatCannotOpenShowsWhy();
    void withoutTheQuestionViewNoPaperOpens();
    void aFailedSaveKeepsTheWindowAndAnswers();
    void aFailedMarkingShowsNoMark();
    void aPageThatCannotBeWrittenKeepsTheCurrentOne();
    void printsTheQuestionPage();
    void cancellingThePrintDialogChangesNothing();
    void resizingLaysTheWindowOut();
};

// The main window as the program makes it, with its own practice windows.
void TestPracticeWindow::theHomePageOpensAndRefreshes()
{
    QTemporaryDir dir;
    auto dialogs = std::make_shared<ScriptedDialogs>();
    Services services;
    services.dialogs = dialogs;
    services.pointer = [] { return QPoint(-1000, -1000); };
    services.pageViews = linkedPageViews();
    Contents contents(CoursePackage::fromFolder(fixtureFolder), dir.path(), services);
    contents.start();
    contents.selectTopic(2);
    contents.findChild<ImageButton *>(u"P3a"_qs)->click();

    QPointer<PracticeWindow> w;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == u"Test1" && window->isVisible())
            w = qobject_cast<PracticeWindow *>(window);
    }
    QVERIFY(w);
    QCOMPARE(w->frame()->title(), u"Mock Examination - Paper 3"_qs);
    QCOMPARE(w->attempt()->paperId(), u"108"_qs);

    // Scores written meanwhile show once the window has gone, on the same topic.
    QVERIFY(ProgressStore(CoursePackage::fromFolder(fixtureFolder), dir.path(), contents.course())
                .recordMarking(1, 1, 8, {{u"ü"_qs}, u"100"_qs, u"0:1:0"_qs, u"05/03/2024"_qs}));
    dialogs->answers = {true};
    w->closePaper();
    QCOMPARE(contents.marks().fse.value(7), u"100"_qs);
    QCOMPARE(contents.TopicCount(), 6);
    QCOMPARE(contents.findChild<QLabel *>(u"MSA3"_qs)->text(), u"100%"_qs);
    QTRY_VERIFY(w.isNull());
}

void TestPracticeWindow::opensOnItsFirstPage()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    QVERIFY(w);
    QCOMPARE(w->objectName(), u"Test1"_qs);
    QVERIFY(w->isVisible());
    QCOMPARE(w->frame()->title(), u"Grammar - Paper 1"_qs);
    QCOMPARE(w->QSCount(), 1);
    QCOMPARE(labelText(w, u"QnTitle"_qs), u"Question 1"_qs);
    QVERIFY(waitForPage(w));
    QCOMPARE(questionView(w)->url(), QUrl::fromLocalFile(s.dir.filePath(u"temppaper15001.mht"_qs)));
    QCOMPARE(w->sheet()->rowsShown(), 1);
    QCOMPARE(remaining(w), (QStringList{u"1"_qs, u"2"_qs, u"3"_qs}));
    QCOMPARE(labelText(w, u"lblTotalQ"_qs), u"3"_qs);
    QCOMPARE(labelText(w, u"lblAnsweredQ"_qs), u"0"_qs);
    QCOMPARE(labelText(w, u"lblDate"_qs), formatShortDate(s.now.date()));
    QVERIFY(!toolButton(w, 5)->isEnabled());
    QVERIFY(toolButton(w, 6)->isEnabled());
    QVERIFY(toolButton(w, 1)->isEnabled() && toolButton(w, 2)->isEnabled());
    QVERIFY(!shown(w, u"fmeMark"_qs));
    QVERIFY(!shown(w, u"LTime"_qs) && !shown(w, u"ETime"_qs));
    QVERIFY(shown(w, u"PScoring"_qs));
    QCOMPARE(labelText(w, u"PScoring"_qs), QString());

    // The clock counts from the opening, without leading zeros.
    s.now = s.now.addSecs(7);
    w->ticker()->tick();
    QCOMPARE(labelText(w, u"lblClock"_qs), u"0:0:7"_qs);
}

void TestPracticeWindow::movingBetweenPagesSavesEveryTime()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    QVERIFY(QTest::qWaitForWindowActive(w));
    const QString answers = s.path(ProgressFile::FirstAnswers, 1);

    type(w, 1, u"3"_qs);
    toolButton(w, 6)->click();
    QCOMPARE(recordLine(answers, "101"), QByteArray("#101#>3>>"));
    QCOMPARE(w->QSCount(), 2);
    QCOMPARE(labelText(w, u"QnTitle"_qs), u"Question 2"_qs);
    QCOMPARE(remaining(w), (QStringList{u"2"_qs, u"3"_qs}));
    QCOMPARE(labelText(w, u"lblAnsweredQ"_qs), u"1"_qs);
    QCOMPARE(QApplication::focusWidget(), w->sheet()->answerBox(1)->editor());
    QVERIFY(QFile::exists(s.dir.filePath(u"temppaper15002.mht"_qs)));
    QVERIFY(!QFile::exists(s.dir.filePath(u"temppaper15001.mht"_qs)));

    type(w, 1, u"1"_qs);
    toolButton(w, 5)->click();
    QCOMPARE(recordLine(answers, "101"), QByteArray("#101#>3>1>"));
    QCOMPARE(w->QSCount(), 1);
    QCOMPARE(w->sheet()->pageAnswers(), QStringList{u"3"_qs});
    QVERIFY(!toolButton(w, 5)->isEnabled());

    // Back on the first page a Back does nothing, whatever calls it.
    w->previousPage();
    QCOMPARE(w->QSCount(), 1);
    w->nextPage();
    w->nextPage();
    QCOMPARE(w->QSCount(), 3);
    QVERIFY(!toolButton(w, 6)->isEnabled());
    w->nextPage();
    QCOMPARE(w->QSCount(), 3);
}

void TestPracticeWindow::remainingQuestionsListChoosesAPage()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    QVERIFY(QTest::qWaitForWindowActive(w));
    auto *list = w->findChild<QComboBox *>(u"RemQns"_qs);
    list->setFocus();
    type(w, 1, u"3"_qs);
    list->setFocus();
    emit list->activated(2);
    QCOMPARE(w->QSCount(), 3);
    QCOMPARE(recordLine(s.path(ProgressFile::FirstAnswers, 1), "101"), QByteArray("#101#>3>>"));
    QCOMPARE(remaining(w), (QStringList{u"2"_qs, u"3"_qs}));
    QCOMPARE(QApplication::focusWidget(), list);
}

void TestPracticeWindow::saveSaysPaperSaved()
{
    Session s;
    PracticeWindow *w = s.open(1, 2);
    type(w, 1, u"took"_qs);
    type(w, 2, u"a>b"_qs);
    toolButton(w, 1)->click();
    QCOMPARE(s.lastCall().kind, u"tell"_qs);
    QCOMPARE(s.lastCall().title, u"Quorvale"_qs);
    QCOMPARE(s.lastCall().message, u"Paper saved"_qs);
    QCOMPARE(recordLine(s.path(ProgressFile::FirstAnswers, 1), "102"), QByteArray("#102#>took>a\\gb>>>"));
    QCOMPARE(labelText(w, u"lblAnsweredQ"_qs), u"2"_qs);

    // Closing and reopening brings the answers back as typed.
    s.dialogs->answers = {true};
    w->closePaper();
    w = s.open(1, 2);
    QCOMPARE(w->sheet()->pageAnswers(), (QStringList{u"took"_qs, u"a>b"_qs, QString(), QString(), QString()}));
}

void TestPracticeWindow::markingRecordsAndShowsTheResults()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    for (const QString &answer : {u"3"_qs, u"2"_qs}) {
        type(w, 1, answer);
        w->nextPage();
    }
    type(w, 1, u"4"_qs);
    s.now = s.now.addSecs(65);
    s.dialogs->answers = {true};
    QSignalSpy done(w, &PracticeWindow::markingDone);
    toolButton(w, 2)->click();

    QCOMPARE(s.lastCall().kind, u"ask"_qs);
    QCOMPARE(s.lastCall().title, u"Marking"_qs);
    QCOMPARE(s.lastCall().message, u"Do you want to mark your practice now?"_qs);
    QVERIFY(w->isMarking());
    QVERIFY(shown(w, u"fmeMark"_qs));
    QVERIFY(done.wait(10000));
    QVERIFY(done.constFirst().at(0).toBool());
    QCOMPARE(w->barsShown(), 15);
    QVERIFY(!shown(w, u"fmeMark"_qs));

    QCOMPARE(recordLine(s.path(ProgressFile::FirstAnswers, 1), "101"), QByteArray("#101#>3>2>4"));
    QCOMPARE(recordLine(s.path(ProgressFile::FirstResults, 1), "101"), QByteArray("#101#>\xFC>\xFB>\xFC"));
    const QString marks = s.path(ProgressFile::Marks, 1);
    QCOMPARE(recordLine(marks, "FSE"), QByteArray("#FSE#>66.7>>>>>>>>>"));
    QCOMPARE(recordLine(marks, "LTM"), QByteArray("#LTM#>0:1:5>>>>>>>>>"));
    QCOMPARE(recordLine(marks, "FST"), QByteArray("#FST#>1>0>0>0>0>0>0>0>0>0"));
    QCOMPARE(recordLine(s.path(ProgressFile::Trend, 1), "TRD"), QByteArray("#TRD#>66.7"));

    QVERIFY(w->Status());
    QCOMPARE(labelText(w, u"PScoring"_qs), u"66.7"_qs);
    QVERIFY(!shown(w, u"lblClock"_qs) && shown(w, u"LTime"_qs));
    QCOMPARE(labelText(w, u"LTime"_qs), u"0:1:5"_qs);
    QVERIFY(!shown(w, u"lblDate"_qs) && shown(w, u"ETime"_qs));
    QCOMPARE(labelText(w, u"ETime"_qs), formatShortDate(s.now.date()));
    QVERIFY(!shown(w, u"TxtRem"_qs));
    QVERIFY(!toolButton(w, 1)->isEnabled() && !toolButton(w, 2)->isEnabled());
    QCOMPARE(toolButton(w, 1)->pictureName(), u"save_disabled.bmp"_qs);
    QCOMPARE(toolButton(w, 2)->pictureName(), u"mark_disabled.bmp"_qs);
    QCOMPARE(toolButton(w, 6)->pictureName(), u"forward_disabled.bmp"_qs);
    QCOMPARE(toolButton(w, 5)->pictureName(), u"back_off.bmp"_qs);
    QVERIFY(w->sheet()->resultMark(1)->isVisibleTo(w));
    QCOMPARE(w->sheet()->resultMark(1)->mark(), ResultMark::Right);
    QVERIFY(w->sheet()->answerBox(1)->isReadOnly());

    // Back still works and shows the cross of page 2.
    toolButton(w, 5)->click();
    QCOMPARE(w->sheet()->resultMark(1)->mark(), ResultMark::Wrong);
    QVERIFY(w->sheet()->resultMark(1)->isVisibleTo(w));

    // Mark and Save do nothing any more, whoever calls them.
    const auto before = snapshot(s.dir.path());
    w->markPaper();
    w->savePaper();
    QCOMPARE(snapshot(s.dir.path()), before);
}

void TestPracticeWindow::markingAsksTheRightQuestion()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    type(w, 1, u"3"_qs);
    w->markPaper();
    QCOMPARE(s.lastCall().message, unanswered);
}

void TestPracticeWindow::decliningKeepsThePaperOpen()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    type(w, 1, u"3"_qs);
    s.dialogs->answers = {false};
    w->markPaper();
    QVERIFY(!w->isMarking());
    QVERIFY(!w->Status());
    QCOMPARE(recordLine(s.path(ProgressFile::FirstAnswers, 1), "101"), QByteArray("#101#>3>>"));
    QCOMPARE(recordLine(s.path(ProgressFile::FirstResults, 1), "101"), QByteArray("#101#>>>"));
    QCOMPARE(recordLine(s.path(ProgressFile::Marks, 1), "FST"), QByteArray("#FST#>0>0>0>0>0>0>0>0>0>0"));
}

void TestPracticeWindow::theWindowTakesNoInputWhileMarking()
{
    // Bars that would take an hour: the marking is still running when the
    // test looks, and ends when the main window closes the paper.
    Session s(fixtureFolder, std::chrono::hours(1));
    PracticeWindow *w = s.open(1, 1);
    type(w, 1, u"3"_qs);
    s.dialogs->answers = {true};
    w->markPaper();
    QVERIFY(w->isMarking());
    const int calls = int(s.dialogs->calls.size());

    type(w, 1, u"9"_qs);
    QCOMPARE(w->sheet()->pageAnswers(), QStringList{u"3"_qs});
    QTest::mouseClick(toolButton(w, 6), Qt::LeftButton);
    QCOMPARE(w->QSCount(), 1);
    QTest::mouseClick(toolButton(w, 4), Qt::LeftButton);
    QCOMPARE(int(s.dialogs->calls.size()), calls);

    // Opening another paper finishes the marking that was confirmed.
    s.open(1, 2);
    QCOMPARE(recordLine(s.path(ProgressFile::Marks, 1), "FST"), QByteArray("#FST#>1>0>0>0>0>0>0>0>0>0"));
    QCOMPARE(recordLine(s.path(ProgressFile::FirstResults, 1), "101"), QByteArray("#101#>\xFC>\xFB>\xFB"));
}

void TestPracticeWindow::aMarkedPaperOpensReadOnly()
{
    Session s;
    s.markFirst(1, 1, {u"3"_qs, u"2"_qs, u"4"_qs});
    QVERIFY(!QFile::exists(s.dir.filePath(u"temppaper15003.mht"_qs)));
    // The home page shows the new score as soon as the window has closed.
    QCOMPARE(s.contents->marks().fse.value(0), u"66.7"_qs);

    const auto before = snapshot(s.dir.path());
    PracticeWindow *w = s.open(1, 1);
    QVERIFY(w->Status());
    QCOMPARE(labelText(w, u"PScoring"_qs), u"66.7"_qs);
    QCOMPARE(labelText(w, u"LTime"_qs), u"0:0:0"_qs);
    QCOMPARE(labelText(w, u"ETime"_qs), formatShortDate(s.now.date()));
    QVERIFY(!shown(w, u"TxtRem"_qs));
    QVERIFY(w->sheet()->answerBox(1)->isReadOnly());
    QCOMPARE(w->sheet()->pageAnswers(), QStringList{u"3"_qs});
    QCOMPARE(w->sheet()->resultMark(1)->mark(), ResultMark::Right);
    QVERIFY(!toolButton(w, 1)->isEnabled() && !toolButton(w, 2)->isEnabled());
    type(w, 1, u"x"_qs);
    QCOMPARE(w->sheet()->pageAnswers(), QStringList{u"3"_qs});
    w->nextPage();
    s.launcher->closeAll();
    auto after = snapshot(s.dir.path());
    QCOMPARE(after, before);
}

void TestPracticeWindow::secondAttempt()
{
    Session s;
    s.markFirst(2, 1, {u"3.85"_qs, u"140"_qs, u"1 2/3"_qs});
    const QString marks = s.path(ProgressFile::Marks, 2);
    const QByteArray fse = recordLine(marks, "FSE"), ltm = recordLine(marks, "LTM"), cdd = recordLine(marks, "CDD");
    const QByteArray first = readFile(s.path(ProgressFile::FirstAnswers, 2));
    const QByteArray trend = readFile(s.path(ProgressFile::Trend, 2));

    PracticeWindow *w = s.open(2, 1, 2);
    QCOMPARE(w->objectName(), u"Test2"_qs);
    QCOMPARE(labelText(w, u"lblSecondAttempt"_qs), u"Second Attempt"_qs);
    QVERIFY(!w->findChild<QLabel *>(u"lblClock"_qs) && !w->findChild<QLabel *>(u"lblDate"_qs));
    AnswerSheet *sheet = w->sheet();
    QVERIFY(sheet->answerBox(1)->isTinted() && sheet->answerBox(1)->isReadOnly());
    QCOMPARE(sheet->pageAnswers(), (QStringList{u"3.85"_qs, QString()}));
    QVERIFY(sheet->firstMark(1)->isVisibleTo(w));
    QVERIFY(!sheet->answerBox(2)->isReadOnly());
    QCOMPARE(remaining(w), QStringList{u"1"_qs});
    QCOMPARE(labelText(w, u"lblAnsweredQ"_qs), u"2"_qs);
    QCOMPARE(labelText(w, u"PScoring"_qs), QString());

    type(w, 1, u"9"_qs);
    type(w, 2, u"150"_qs);
    s.dialogs->answers = {true};
    QSignalSpy done(w, &PracticeWindow::markingDone);
    w->markPaper();
    QCOMPARE(s.lastCall().message, u"Do you want to mark your practice now?"_qs);
    QVERIFY(done.wait(10000));

    QCOMPARE(labelText(w, u"PScoring"_qs), u"83.3"_qs);
    QVERIFY(sheet->resultMark(1)->isVisibleTo(w) && sheet->resultMark(2)->isVisibleTo(w));
    QCOMPARE(sheet->resultMark(1)->objectName(), u"SR1"_qs);
    QCOMPARE(sheet->resultMark(2)->mark(), ResultMark::Wrong);
    QVERIFY(!sheet->firstMark(1)->isVisibleTo(w));
    QVERIFY(!sheet->modelAnswer(1)->isVisibleTo(w));
    QVERIFY(sheet->modelAnswer(2)->isVisibleTo(w));
    QCOMPARE(sheet->modelAnswer(2)->text(), u"145"_qs);

    QCOMPARE(recordLine(s.path(ProgressFile::SecondAnswers, 2), "101"), QByteArray("#101#>3.85>150>1 2/3"));
    QCOMPARE(recordLine(s.path(ProgressFile::SecondResults, 2), "101"), QByteArray("#101#>\xFC>\xFB>\xFC"));
    QCOMPARE(recordLine(marks, "SSE"), QByteArray("#SSE#>83.3>>>>"));
    QCOMPARE(recordLine(marks, "FSE"), fse);
    QCOMPARE(recordLine(marks, "LTM"), ltm);
    QCOMPARE(recordLine(marks, "CDD"), cdd);
    QCOMPARE(readFile(s.path(ProgressFile::FirstAnswers, 2)), first);
    QCOMPARE(readFile(s.path(ProgressFile::Trend, 2)), trend);
}

void TestPracticeWindow::closeAsksAndSavesNothing()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    type(w, 1, u"3"_qs);
    QSignalSpy unloaded(w, &PracticeWindow::unloaded);

    s.dialogs->answers = {false};
    toolButton(w, 4)->click();
    QCOMPARE(s.lastCall().kind, u"ask"_qs);
    QCOMPARE(s.lastCall().title, u"Close Practice"_qs);
    QCOMPARE(s.lastCall().message, u"Confirm?"_qs);
    QVERIFY(unloaded.isEmpty());
    QVERIFY(w->isVisible());

    s.dialogs->answers = {true};
    w->frame()->closeButton()->click();
    QCOMPARE(unloaded.size(), 1);
    QVERIFY(!s.launcher->window() || !s.launcher->window()->isVisible());
    QCOMPARE(recordLine(s.path(ProgressFile::FirstAnswers, 1), "101"), QByteArray("#101#>>>"));
    QVERIFY(QDir(s.dir.path()).entryList({u"temppaper*"_qs}).isEmpty());
}

void TestPracticeWindow::windowSystemCloseAsksToo()
{
    Session s;
    QPointer<PracticeWindow> w = s.open(1, 1);
    QSignalSpy unloaded(w.data(), &PracticeWindow::unloaded);
    s.dialogs->answers = {true};
    QVERIFY(!w->close());
    QVERIFY(unloaded.wait(10000));
    QCOMPARE(s.lastCall().message, u"Confirm?"_qs);
    QTRY_VERIFY(w.isNull());
}

void TestPracticeWindow::openingAnotherPaperSavesThePageFirst()
{
    Session s;
    QPointer<PracticeWindow> w = s.open(1, 1);
    type(w, 1, u"3"_qs);
    PracticeWindow *next = s.open(1, 2);
    QVERIFY(next != w.data());
    QCOMPARE(recordLine(s.path(ProgressFile::FirstAnswers, 1), "101"), QByteArray("#101#>3>>"));
    QVERIFY(s.dialogs->calls.isEmpty());
    QVERIFY(!QFile::exists(s.dir.filePath(u"temppaper15001.mht"_qs)));
    QCOMPARE(next->frame()->title(), u"Grammar - Paper 2"_qs);
}

void TestPracticeWindow::guardAnswersCopyAndRightClick()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    QVERIFY(waitForPage(w));
    QWidget *page = w->questionView()->focusProxy();
    QVERIFY(page);
    QTest::keyClick(page, Qt::Key_C, Qt::ControlModifier);
    QTRY_COMPARE(s.dialogs->calls.size(), 1);
    QCOMPARE(s.lastCall().kind, u"warn"_qs);
    QCOMPARE(s.lastCall().title, u"Error"_qs);
    QCOMPARE(s.lastCall().message, u"Invalid operation"_qs);
    QTest::mouseClick(page, Qt::RightButton, {}, QPoint(20, 20));
    QTRY_COMPARE(s.dialogs->calls.size(), 2);
    QTest::keyClick(page, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(20, 20));
    QCoreApplication::processEvents();
    QCOMPARE(s.dialogs->calls.size(), 2);
}

void TestPracticeWindow::aPaperThatCannotOpenShowsWhy()
{
    QTemporaryDir course;
    for (const QString &name : QDir(fixtureFolder).entryList(QDir::Files))
        QFile::copy(fixtureFolder + u'/' + name, course.filePath(name));
    QFile::remove(course.filePath(u"30013"_qs));
    Session s(course.path());
    const auto before = snapshot(s.dir.path());

    QVERIFY(!s.open(1, 1));
    QCOMPARE(s.lastCall().kind, u"tell"_qs);
    QVERIFY(s.lastCall().message.contains(u"cannot be opened"_qs));
    QCOMPARE(snapshot(s.dir.path()), before);
}

// The question view library missing from an installation: the pupil is
// told, and nothing is written.
void TestPracticeWindow::withoutTheQuestionViewNoPaperOpens()
{
    QTemporaryDir empty;
    Session s(fixtureFolder, std::chrono::milliseconds(0), QuestionViewLibrary::source({empty.path()}));
    const auto before = snapshot(s.dir.path());

    QVERIFY(!s.open(1, 1));
    QCOMPARE(s.lastCall().kind, u"tell"_qs);
    QVERIFY2(s.lastCall().message.startsWith(u"The question pages cannot be shown"_qs),
             qPrintable(s.lastCall().message));
    QCOMPARE(snapshot(s.dir.path()), before);
}

void TestPracticeWindow::aFailedSaveKeepsTheWindowAndAnswers()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    blockWrites(s.path(ProgressFile::FirstAnswers, 1));
    type(w, 1, u"3"_qs);

    toolButton(w, 1)->click();
    QCOMPARE(s.lastCall().kind, u"tell"_qs);
    QVERIFY(s.lastCall().message.startsWith(u"Your answers were not saved"_qs));
    QVERIFY(w->isVisible());
    QCOMPARE(w->sheet()->pageAnswers(), QStringList{u"3"_qs});

    // Marking starts with a save: without it there is nothing to mark.
    s.dialogs->calls.clear();
    s.dialogs->answers = {true};
    w->markPaper();
    QVERIFY(!w->isMarking());
    QCOMPARE(s.dialogs->calls.size(), 1);
    QCOMPARE(s.lastCall().kind, u"tell"_qs);
    QCOMPARE(s.dialogs->answers, QList<bool>{true});
}

void TestPracticeWindow::aFailedMarkingShowsNoMark()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    blockWrites(s.path(ProgressFile::FirstResults, 1));
    type(w, 1, u"3"_qs);
    s.dialogs->answers = {true};
    QSignalSpy done(w, &PracticeWindow::markingDone);
    w->markPaper();
    QVERIFY(done.wait(10000));
    QVERIFY(!done.constFirst().at(0).toBool());
    QCOMPARE(s.lastCall().kind, u"tell"_qs);
    QVERIFY(s.lastCall().message.startsWith(u"Your paper could not be marked"_qs));
    QVERIFY(!w->Status());
    QVERIFY(!w->sheet()->resultMark(1)->isVisibleTo(w));
    QVERIFY(!w->sheet()->answerBox(1)->isReadOnly());
    QVERIFY(shown(w, u"TxtRem"_qs));
    QVERIFY(toolButton(w, 2)->isEnabled());
    QCOMPARE(labelText(w, u"PScoring"_qs), QString());
    QCOMPARE(recordLine(s.path(ProgressFile::Marks, 1), "FST"), QByteArray("#FST#>0>0>0>0>0>0>0>0>0>0"));
}

void TestPracticeWindow::aPageThatCannotBeWrittenKeepsTheCurrentOne()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    blockWrites(s.dir.filePath(u"temppaper15002.mht"_qs));
    type(w, 1, u"3"_qs);
    w->nextPage();
    QCOMPARE(w->QSCount(), 1);
    QCOMPARE(labelText(w, u"QnTitle"_qs), u"Question 1"_qs);
    QCOMPARE(w->sheet()->pageAnswers(), QStringList{u"3"_qs});
    QCOMPARE(s.lastCall().kind, u"tell"_qs);
    QVERIFY(s.lastCall().message.contains(u"still on question 1"_qs));
    // The answers were saved all the same.
    QCOMPARE(recordLine(s.path(ProgressFile::FirstAnswers, 1), "101"), QByteArray("#101#>3>>"));
}

void TestPracticeWindow::printsTheQuestionPage()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    QVERIFY(waitForPage(w));
    s.dialogs->printToFile = s.dir.filePath(u"question.pdf"_qs);
    s.dialogs->answers = {true};
    QSignalSpy printed(w, &PracticeWindow::printDone);
    toolButton(w, 3)->click();
    QCOMPARE(s.lastCall().kind, u"print"_qs);
    QVERIFY(printed.wait(20000));
    QVERIFY(printed.constFirst().at(0).toBool());
    QVERIFY(readFile(s.dialogs->printToFile).startsWith("%PDF"));
}

void TestPracticeWindow::cancellingThePrintDialogChangesNothing()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    QVERIFY(waitForPage(w));
    s.dialogs->printToFile = s.dir.filePath(u"question.pdf"_qs);
    s.dialogs->answers = {false};
    QSignalSpy printed(w, &PracticeWindow::printDone);
    const auto before = snapshot(s.dir.path());
    toolButton(w, 3)->click();
    QCOMPARE(s.dialogs->calls.size(), 1);
    QCOMPARE(snapshot(s.dir.path()), before);
    QVERIFY(printed.isEmpty());
}

void TestPracticeWindow::resizingLaysTheWindowOut()
{
    Session s;
    PracticeWindow *w = s.open(1, 1);
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto *sheetPanel = w->sheet();
    auto *view = w->questionView();

    w->resize(1000, 700);
    QCOMPARE(sheetPanel->geometry(), QRect(1000 - 4 - 273, 79, 273, 700 - 83));
    QCOMPARE(view->width(), 1000 - 8 - 273 - 7);
    QCOMPARE(w->mask().boundingRect(), QRect(0, 0, 1000, 700));

    // Hidden, the sheet stays hidden through a resize; the question takes its room.
    w->toggleSheet();
    w->resize(900, 650);
    QVERIFY(!w->isSheetShown());
    QVERIFY(!sheetPanel->isVisible());
    QCOMPARE(view->width(), 900 - 8 - 7);
    QCOMPARE(w->findChild<QWidget *>(u"ImgHandle"_qs)->toolTip(), u"Show answer sheet"_qs);
    w->toggleSheet();
    QVERIFY(sheetPanel->isVisible());
    QCOMPARE(view->width(), 900 - 8 - 273 - 7);

    // The grip follows the mouse, never below the smallest size.
    QWidget *grip = w->findChild<QWidget *>(u"Sizer"_qs);
    QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(grip, QPoint(104, 54));
    QCOMPARE(w->size(), QSize(1000, 700));
    QTest::mouseMove(grip, QPoint(-2000, -2000));
    QCOMPARE(w->size(), QSize(488, 334));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(-2000, -2000));
    QCOMPARE(w->sheet()->x(), 488 - 4 - 273);

    // The grip does nothing while the window is maximised.
    w->showMaximized();
    QTRY_VERIFY(w->isMaximized());
    const QSize maximised = w->size();
    QCOMPARE(sheetPanel->x(), maximised.width() - 4 - 273);
    QTest::mousePress(grip, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(grip, QPoint(-200, -200));
    QTest::mouseRelease(grip, Qt::LeftButton, {}, QPoint(-200, -200));
    QCOMPARE(w->size(), maximised);
}

QTEST_MAIN(TestPracticeWindow)
#include "tst_practicewindow.moc"
