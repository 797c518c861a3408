#include "coursefixture.h"

#include "main_window/trashpage.h"
#include "skin/buttonticker.h"
#include "skin/clickablelabel.h"
#include "skin/imagebutton.h"
#include "skin/picturebox.h"
#include "skin/skinframe.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTest>

using namespace CourseFixture;

// The main window on the fixture course: start-up, tabs and toolbar, the home
// page's scores and buttons, the hand-over to a practice window, erasing past
// results, the web link and a course without subjects.
class TestContents : public QObject
{
    Q_OBJECT

private slots:
    void startUp();
    void tabRow();
    void toolBarRoles_data();
    void toolBarRoles();
    void pageSwitch_data();
    void pageSwitch();
    void tabClickShowsSubjectHome();
    void homePageScores_data();
    void homePageScores();
    void openPaper();
    void approachingAPaperPrepares();
    void refreshKeepsTopic();
    void closeProgram();
    void trashFlow();
    void eraseClosesPracticeWindowFirst();
    void eraseFailureNamesSubject();
    void brokenFileNamedOnce();
    void webLink_data();
    void webLink();
    void firstSubjectAbsent();
    void noSubjects();
    void picturesFollowPointer();

private:
    template<typename T = QWidget>
    static T *control(Window &w, const QString &name)
    {
        T *found = w.contents->findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
};

void TestContents::startUp()
{
    Window w;
    w.start();
    Contents &c = *w.contents;

    QCOMPARE(c.windowTitle(), QStringLiteral("Fixture Course"));
    QCOMPARE(c.frame()->title(), QStringLiteral("Fixture Course"));
    QCOMPARE(control<QLabel>(w, QStringLiteral("ProgramName"))->text(), QStringLiteral("Fixture Course"));
    QCOMPARE(c.lblCOD(), QStringLiteral("FX"));
    QVERIFY(c.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(c.size(), QSize(405, 492));
    QVERIFY(!c.mask().contains(QPoint(0, 0)));
    QVERIFY(c.mask().contains(QPoint(0, 491)));
    QVERIFY(c.ticker()->isActive());

    QCOMPARE(c.txtTabPos(), 1);
    QCOMPARE(c.txtToolBarPos(), 1);
    QCOMPARE(c.txtReportPos(), 1);
    QCOMPARE(c.LChose(), 1);
    QCOMPARE(c.TopicCount(), 1);
    QCOMPARE(c.TtPapersCon(), 10);
    QVERIFY(!c.RefreshLog());
    QCOMPARE(c.currentPage()->objectName(), QStringLiteral("Body_Home"));
    QCOMPARE(c.SubH1(), QStringLiteral("Grammar"));
    QCOMPARE(control<QLabel>(w, QStringLiteral("Topic1"))->text(), QStringLiteral("Grammar"));
    QCOMPARE(control<QLabel>(w, QStringLiteral("Topic2"))->text(), QStringLiteral("Mock Examination"));
    QVERIFY(control(w, QStringLiteral("Topic2"))->isVisible());
    QVERIFY(!control(w, QStringLiteral("Topic3"))->isVisible());
    QVERIFY(!control(w, QStringLiteral("Bullet3"))->isVisible());

    const QDir data(w.dir.path());
    QVERIFY(!data.exists(QStringLiteral("temptext30000.txt")));
    QVERIFY(data.exists(QStringLiteral("Graphics")));
    for (int subject : {1, 2}) {
        for (ProgressFile file : ProgressFiles::all())
            QCOMPARE(fileBytes(path(w.dir.path(), file, subject)), templateBytes(file, subject));
    }
    QVERIFY(w.dialogs->calls.isEmpty());
}

void TestContents::tabRow()
{
    Window w;
    w.start();
    auto *english = control<ImageButton>(w, QStringLiteral("Tab01"));
    auto *maths = control<ImageButton>(w, QStringLiteral("Tab02"));
    auto *third = control<ImageButton>(w, QStringLiteral("Tab03"));
    auto *help = control<ImageButton>(w, QStringLiteral("Tab04"));

    QCOMPARE(english->caption()->text(), QStringLiteral("English"));
    QCOMPARE(english->hint(), QStringLiteral("Load English Module"));
    QCOMPARE(english->caption()->toolTip(), QStringLiteral("Load English Module"));
    QCOMPARE(maths->hint(), QStringLiteral("Load Maths Module"));
    QCOMPARE(help->caption()->text(), QStringLiteral("Help"));
    QCOMPARE(help->hint(), QStringLiteral("Help"));

    // Neighbouring tabs overlap by 4 pixels; Help stands where the third subject would.
    QCOMPARE(english->x(), 2);
    QCOMPARE(maths->x(), 2 + 75);
    QVERIFY(!third->isVisible());
    QVERIFY(third->geometry().right() < 0);
    QCOMPARE(help->x(), 2 + 75 + 75);

    // The selected tab stands higher than the others.
    QVERIFY(english->y() < maths->y());
    QCOMPARE(english->pictures().off, QStringLiteral("tabs_front_off.bmp"));
    QCOMPARE(maths->pictures().off, QStringLiteral("tabs_back_off.bmp"));
}

void TestContents::toolBarRoles_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("picture");

    QTest::newRow("subject_home") << 1 << 1 << "Home" << "Load Home page" << "home";
    QTest::newRow("subject_report") << 1 << 2 << "Report" << "Load Report card" << "report";
    QTest::newRow("subject_print") << 2 << 3 << "Print" << "Print results" << "print";
    QTest::newRow("subject_close") << 2 << 4 << "Close" << "Close program" << "close";
    QTest::newRow("help_about") << 4 << 1 << "About" << "About Quorvale" << "about";
    QTest::newRow("help_trash") << 4 << 2 << "Trash" << "Trash past results" << "trash";
    QTest::newRow("help_slot_three_unused") << 4 << 3 << "" << "" << "";
    QTest::newRow("help_setup") << 4 << 4 << "Setup" << "Printer Setup" << "setup";
}

void TestContents::toolBarRoles()
{
    QFETCH(int, tab);
    QFETCH(int, slot);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, picture);

    Window w;
    w.start();
    w.contents->clickTab(tab);
    auto *button = control<ImageButton>(w, QStringLiteral("ToolBar0%1").arg(slot));
    ClickableLabel *label = control<ClickableLabel>(w, QStringLiteral("lblTB0%1").arg(slot));
    QCOMPARE(label, button->caption());
    QCOMPARE(button->isVisible(), !caption.isEmpty());
    if (caption.isEmpty())
        return;
    QCOMPARE(label->text(), caption);
    QCOMPARE(button->hint(), hint);
    QCOMPARE(button->accessibleName(), hint);
    QCOMPARE(label->toolTip(), hint);
    const ButtonPictures expected{picture + QStringLiteral("_off.bmp"), picture + QStringLiteral("_on.bmp"),
                                  picture + QStringLiteral("_pressed.bmp"), {}};
    QVERIFY(button->pictures() == expected);
}

void TestContents::pageSwitch_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("slot");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("dialogs");

    QTest::newRow("home") << 1 << 1 << "Body_Home" << QStringList();
    QTest::newRow("report") << 1 << 2 << "Body_Report" << QStringList();
    QTest::newRow("print_keeps_page") << 1 << 3 << "Body_Home" << QStringList{"print", "tell"};
    QTest::newRow("about") << 4 << 1 << "Body_About" << QStringList();
    QTest::newRow("trash") << 4 << 2 << "Body_Trash" << QStringList();
    QTest::newRow("unused_slot_does_nothing") << 4 << 3 << "Body_About" << QStringList();
    QTest::newRow("setup_keeps_page") << 4 << 4 << "Body_About" << QStringList{"setup"};
}

void TestContents::pageSwitch()
{
    QFETCH(int, tab);
    QFETCH(int, slot);
    QFETCH(QString, page);
    QFETCH(QStringList, dialogs);

    Window w;
    w.start();
    w.contents->clickTab(tab);
    control<ImageButton>(w, QStringLiteral("ToolBar0%1").arg(slot))->click();
    QCOMPARE(w.contents->txtToolBarPos(), slot);
    QCOMPARE(w.contents->currentPage()->objectName(), page);
    QVERIFY(w.contents->currentPage()->isVisible());
    // Only the page in front is shown.
    for (const QString other : {"Body_Home", "Body_Report", "Body_About", "Body_Trash"}) {
        if (other != page)
            QVERIFY2(!control(w, other)->isVisible(), qPrintable(other));
    }
    QStringList asked;
    for (const ScriptedDialogs::Call &call : w.dialogs->calls)
        asked.append(call.kind);
    QCOMPARE(asked, dialogs);
}

void TestContents::tabClickShowsSubjectHome()
{
    Window w;
    w.start();
    w.contents->clickToolBar(2);
    control<ClickableLabel>(w, QStringLiteral("lblRCBar3"))->clicked();
    QCOMPARE(w.contents->txtReportPos(), 3);

    // A click on the tab's caption is a click on the tab.
    QTest::mouseClick(control<ImageButton>(w, QStringLiteral("Tab02"))->caption(), Qt::LeftButton, {},
                      QPoint(5, 5));
    QCOMPARE(w.contents->txtTabPos(), 2);
    QCOMPARE(w.contents->LChose(), 2);
    QCOMPARE(w.contents->txtToolBarPos(), 1);
    QCOMPARE(w.contents->txtReportPos(), 1);
    QCOMPARE(w.contents->currentPage()->objectName(), QStringLiteral("Body_Home"));
    QCOMPARE(w.contents->TtPapersCon(), 5);
    QCOMPARE(control<QLabel>(w, QStringLiteral("Topic1"))->text(), QStringLiteral("Numbers"));
    QVERIFY(!control(w, QStringLiteral("Topic2"))->isVisible());
    QCOMPARE(w.contents->SubH1(), QStringLiteral("Numbers"));
}

void TestContents::homePageScores_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("firstShown");
    QTest::addColumn<QString>("secondShown");
    QTest::addColumn<bool>("tryAgain");

    QTest::newRow("never_marked") << "" << "" << "" << "" << false;
    QTest::newRow("first_score_no_second") << "72.5" << "" << "72.5%" << "" << true;
    QTest::newRow("exactly_99_offers_second_attempt") << "99" << "" << "99%" << "" << true;
    QTest::newRow("99.1_withdraws_it") << "99.1" << "" << "99.1%" << "" << false;
    QTest::newRow("99.5_withdraws_it") << "99.5" << "" << "99.5%" << "" << false;
    QTest::newRow("100_withdraws_it") << "100" << "" << "100%" << "" << false;
    QTest::newRow("zero") << "0" << "" << "0%" << "" << true;
    QTest::newRow("second_marked_keeps_button") << "60" << "80" << "60%" << "80%" << true;
}

void TestContents::homePageScores()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, firstShown);
    QFETCH(QString, secondShown);
    QFETCH(bool, tryAgain);

    // Paper 3 of topic 2 is PaperIndex 8.
    Window w;
    QStringList fse(10), sse(10);
    fse[7] = first;
    sse[7] = second;
    writeMarks(w.dir.path(), 1, fse, sse);
    w.start();
    QTest::mouseClick(control(w, QStringLiteral("Topic2")), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(w.contents->TopicCount(), 6);

    QCOMPARE(control<QLabel>(w, QStringLiteral("MSA3"))->text(), firstShown);
    QCOMPARE(control<QLabel>(w, QStringLiteral("MSB3"))->text(), secondShown);
    QVERIFY(control(w, QStringLiteral("P3a"))->isVisible());
    QCOMPARE(control(w, QStringLiteral("P3b"))->isVisible(), tryAgain);
    QCOMPARE(control<ImageButton>(w, QStringLiteral("P3b"))->hint(), QStringLiteral("Try paper 3 again"));
    // The other papers of the topic are untouched.
    QCOMPARE(control<QLabel>(w, QStringLiteral("MSA2"))->text(), QString());
    QVERIFY(!control(w, QStringLiteral("P2b"))->isVisible());
}

void TestContents::openPaper()
{
    Window w;
    w.start();
    QStringList events;
    QList<PaperHandOver> opened;
    w.contents->setPracticeWindows({[&](const PaperHandOver &paper) {
                                        events.append(QStringLiteral("open"));
                                        opened.append(paper);
                                    },
                                    [&] { events.append(QStringLiteral("closeAll")); },
                                    {}});

    w.contents->selectTopic(2);
    control<ImageButton>(w, QStringLiteral("P3a"))->click();
    QCOMPARE(events, (QStringList{"closeAll", "open"}));
    QCOMPARE(w.contents->TopicCount(), 6);
    QCOMPARE(w.contents->PaperNum(), 108);
    QCOMPARE(w.contents->TakeNum(), 1);
    const PaperHandOver paper = opened.value(0);
    QCOMPARE(paper.subject, 1);
    QCOMPARE(paper.courseCode, QStringLiteral("FX"));
    QCOMPARE(paper.paperNum, 108);
    QCOMPARE(paper.takeNum, 1);
    QCOMPARE(paper.topicCount, 6);
    QCOMPARE(paper.topicName, QStringLiteral("Mock Examination"));
    QCOMPARE(paper.paperCount, 10);

    w.contents->OpenPaper(1, 2);
    QCOMPARE(opened.value(1).paperNum, 107);
    QCOMPARE(opened.value(1).takeNum, 2);
}

// The pupil coming to a load button (pointer or Tab) is the practice
// windows' cue to get ready; the pointer elsewhere or the window taking the
// focus back is not.
void TestContents::approachingAPaperPrepares()
{
    Window w;
    w.start();
    int prepared = 0;
    w.contents->setPracticeWindows({{}, {}, [&] { ++prepared; }});
    w.contents->selectTopic(1);
    auto *load = control<ImageButton>(w, QStringLiteral("P2a"));
    auto *topic = control(w, QStringLiteral("Topic1"));

    w.pointer = topic->mapToGlobal(QPoint(2, 2));
    w.contents->ticker()->tick();
    QCOMPARE(prepared, 0);
    w.pointer = load->mapToGlobal(QPoint(3, 3));
    w.contents->ticker()->tick();
    w.contents->ticker()->tick();
    QCOMPARE(prepared, 1);

    QFocusEvent byWindow(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(control(w, QStringLiteral("P1a")), &byWindow);
    QCOMPARE(prepared, 1);
    QFocusEvent byTab(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(control(w, QStringLiteral("P1a")), &byTab);
    QCOMPARE(prepared, 2);
}

void TestContents::refreshKeepsTopic()
{
    Window w;
    w.start();
    w.contents->selectTopic(2);

    // A practice window marked paper 2 of topic 2 and closes.
    QStringList fse(10);
    fse[6] = QStringLiteral("85");
    writeMarks(w.dir.path(), 1, fse);
    w.contents->RefreshContents();
    QVERIFY(!w.contents->RefreshLog());
    QCOMPARE(w.contents->TopicCount(), 6);
    QCOMPARE(w.contents->SubH1(), QStringLiteral("Mock Examination"));
    QCOMPARE(control<QLabel>(w, QStringLiteral("MSA2"))->text(), QStringLiteral("85%"));
    QVERIFY(control(w, QStringLiteral("P2b"))->isVisible());

    // "Home" reloads the subject and shows topic 1 again.
    w.contents->clickToolBar(1);
    QCOMPARE(w.contents->TopicCount(), 1);
    QCOMPARE(w.contents->SubH1(), QStringLiteral("Grammar"));
}

void TestContents::closeProgram()
{
    Window w;
    w.start();
    int closed = 0;
    w.contents->setPracticeWindows({{}, [&] { ++closed; }, {}});
    QVERIFY(w.contents->isVisible());
    w.contents->frame()->closeButton()->click();
    QVERIFY(closed >= 1);
    QVERIFY(!w.contents->isVisible());
    QVERIFY(w.dialogs->calls.isEmpty());
}

void TestContents::trashFlow()
{
    Window w;
    QStringList fse(10);
    fse[0] = QStringLiteral("90");
    writeMarks(w.dir.path(), 1, fse);
    writeTrend(w.dir.path(), 1, QStringLiteral("#TRD#>90"));
    w.start();
    const QByteArray marked = fileBytes(path(w.dir.path(), ProgressFile::Marks, 1));

    w.contents->clickTab(4);
    w.contents->clickToolBar(2);
    auto *page = control<TrashPage>(w, QStringLiteral("Body_Trash"));
    const auto shown = [&](const QString &name) { return control(w, name)->isVisible(); };
    QCOMPARE(page->state(), TrashPage::State::Ask);
    QVERIFY(shown("Trashlbl1") && shown("ButTrash"));
    QVERIFY(!shown("Trashlbl2") && !shown("ButTrash_Yes") && !shown("ButTrash_No") && !shown("Trashlbl3"));

    QTest::mouseClick(control(w, QStringLiteral("ButTrashlbl")), Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(page->state(), TrashPage::State::Confirm);
    QVERIFY(shown("Trashlbl2") && shown("ButTrash_Yes") && shown("ButTrash_No"));
    QVERIFY(!shown("Trashlbl1") && !shown("ButTrash") && !shown("Trashlbl3"));

    control<ImageButton>(w, QStringLiteral("ButTrash_No"))->click();
    QCOMPARE(page->state(), TrashPage::State::Ask);
    QCOMPARE(fileBytes(path(w.dir.path(), ProgressFile::Marks, 1)), marked);

    control<ImageButton>(w, QStringLiteral("ButTrash"))->click();
    control<ImageButton>(w, QStringLiteral("ButTrash_Yes"))->click();
    QCOMPARE(page->state(), TrashPage::State::Done);
    QVERIFY(shown("Trashlbl3"));
    QVERIFY(!shown("Trashlbl1") && !shown("ButTrash") && !shown("Trashlbl2") && !shown("ButTrash_Yes")
            && !shown("ButTrash_No"));
    QCOMPARE(control<QLabel>(w, QStringLiteral("Trashlbl3"))->text(),
             QStringLiteral("All your past results have been erased."));
    for (int subject : {1, 2}) {
        for (ProgressFile file : ProgressFiles::all())
            QCOMPARE(fileBytes(path(w.dir.path(), file, subject)), templateBytes(file, subject));
    }
    QVERIFY(!QFileInfo::exists(w.dir.filePath(QStringLiteral("marks3FX.txt"))));

    // Back on the home page every paper shows as never attempted.
    w.contents->clickTab(1);
    QCOMPARE(control<QLabel>(w, QStringLiteral("MSA1"))->text(), QString());
    QVERIFY(!control(w, QStringLiteral("P1b"))->isVisible());

    // Opening the page again asks afresh.
    w.contents->clickTab(4);
    w.contents->clickToolBar(2);
    QCOMPARE(page->state(), TrashPage::State::Ask);
    QVERIFY(!shown("Trashlbl3"));
}

void TestContents::eraseClosesPracticeWindowFirst()
{
    Window w;
    QStringList fse(10);
    fse[0] = QStringLiteral("90");
    writeMarks(w.dir.path(), 1, fse);
    w.start();
    const QString marks = path(w.dir.path(), ProgressFile::Marks, 1);
    QByteArray seenWhenClosing;
    w.contents->setPracticeWindows({{}, [&] { seenWhenClosing = fileBytes(marks); }, {}});

    w.contents->clickTab(4);
    w.contents->clickToolBar(2);
    control<ImageButton>(w, QStringLiteral("ButTrash"))->click();
    control<ImageButton>(w, QStringLiteral("ButTrash_Yes"))->click();
    QVERIFY(seenWhenClosing.contains("90"));
    QCOMPARE(fileBytes(marks), templateBytes(ProgressFile::Marks, 1));
}

void TestContents::eraseFailureNamesSubject()
{
    Window w;
    w.start();
    // A trend file that cannot be replaced.
    const QString trend = path(w.dir.path(), ProgressFile::Trend, 2);
    QVERIFY(QFile::remove(trend));
    QVERIFY(QDir().mkpath(trend + QStringLiteral("/blocked")));

    w.contents->clickTab(4);
    w.contents->clickToolBar(2);
    control<ImageButton>(w, QStringLiteral("ButTrash"))->click();
    control<ImageButton>(w, QStringLiteral("ButTrash_Yes"))->click();
    const QString outcome = control<QLabel>(w, QStringLiteral("Trashlbl3"))->text();
    QVERIFY2(outcome.contains(QStringLiteral("Maths")), qPrintable(outcome));
    QVERIFY2(!outcome.contains(QStringLiteral("English")), qPrintable(outcome));
    QVERIFY(outcome != QStringLiteral("All your past results have been erased."));
}

void TestContents::brokenFileNamedOnce()
{
    Window w;
    {
        QFile broken(path(w.dir.path(), ProgressFile::Marks, 1));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("this is not a marks file\r\n");
    }
    w.start();
    QCOMPARE(w.dialogs->calls.size(), 1);
    const ScriptedDialogs::Call call = w.dialogs->calls.first();
    QCOMPARE(call.kind, QStringLiteral("tell"));
    QVERIFY2(call.message.contains(QStringLiteral("marks1FX.txt")), qPrintable(call.message));

    const QStringList kept = QDir(w.dir.path()).entryList({QStringLiteral("marks1FX-damaged-*")});
    QCOMPARE(kept.size(), 1);
    QVERIFY2(call.message.contains(kept.first()), qPrintable(call.message));
    QCOMPARE(fileBytes(path(w.dir.path(), ProgressFile::Marks, 1)), templateBytes(ProgressFile::Marks, 1));

    w.contents->clickTab(2);
    w.contents->clickTab(1);
    QCOMPARE(w.dialogs->calls.size(), 1);
}

void TestContents::webLink_data()
{
    QTest::addColumn<WebLinkResult>("result");
    QTest::addColumn<QStringList>("warning");

    QTest::newRow("opened") << WebLinkResult::Opened << QStringList();
    QTest::newRow("no_browser") << WebLinkResult::NoBrowser
                                << QStringList{"Browser Not Found", "Could not find associated Browser"};
    QTest::newRow("browser_failed") << WebLinkResult::Failed << QStringList{"URL Failed", "Web Page not Opened"};
}

void TestContents::webLink()
{
    QFETCH(WebLinkResult, result);
    QFETCH(QStringList, warning);

    Window w;
    QList<QUrl> asked;
    Services services = w.services();
    services.openWebPage = [&](const QUrl &url) {
        asked.append(url);
        return result;
    };
    w.contents = std::make_unique<Contents>(package(), w.dir.path(), services);
    w.contents->start();
    w.contents->clickTab(4);
    auto *link = control<ClickableLabel>(w, QStringLiteral("lbl_QVURL"));
    QCOMPARE(link->toolTip(), QStringLiteral("Go to Quorvale home page"));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(3, 3));

    QCOMPARE(asked.size(), 1);
    QVERIFY(asked.first().isValid());
    QStringList shown;
    for (const ScriptedDialogs::Call &call : w.dialogs->calls)
        shown << call.title << call.message;
    QCOMPARE(shown, warning);
    if (!warning.isEmpty())
        QCOMPARE(w.dialogs->calls.first().kind, QStringLiteral("warn"));
}

// The fixture course with its descriptor's subject names changed.
static void copyCourse(const QTemporaryDir &course, const QString &english, const QString &maths)
{
    for (const QFileInfo &file : QDir(QStringLiteral(QUORVALE_FIXTURE_COURSE)).entryInfoList(QDir::Files))
        QVERIFY(QFile::copy(file.filePath(), course.filePath(file.fileName())));
    const QString descriptor = course.filePath(QStringLiteral("30000"));
    QByteArray text = fileBytes(descriptor);
    text.replace("#LAH#>English", QByteArray("#LAH#>").append(english.toLatin1()));
    text.replace("#LBH#>Maths", QByteArray("#LBH#>").append(maths.toLatin1()));
    QFile file(descriptor);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text);
}

void TestContents::firstSubjectAbsent()
{
    QTemporaryDir course;
    copyCourse(course, QString(), QStringLiteral("Maths"));
    Window w;
    w.start(CoursePackage::fromFolder(course.path()));

    QCOMPARE(w.contents->LChose(), 2);
    QCOMPARE(w.contents->txtTabPos(), 2);
    QVERIFY(!control(w, QStringLiteral("Tab01"))->isVisible());
    QCOMPARE(control(w, QStringLiteral("Tab02"))->x(), 2);
    QCOMPARE(control(w, QStringLiteral("Tab04"))->x(), 2 + 75);
    QCOMPARE(w.contents->SubH1(), QStringLiteral("Numbers"));
    QVERIFY(!QFileInfo::exists(path(w.dir.path(), ProgressFile::Marks, 1)));
    QVERIFY(QFileInfo::exists(path(w.dir.path(), ProgressFile::Marks, 2)));
}

void TestContents::noSubjects()
{
    QTemporaryDir course;
    copyCourse(course, QString(), QString());
    Window w;
    w.start(CoursePackage::fromFolder(course.path()));

    QCOMPARE(w.contents->currentPage()->objectName(), QStringLiteral("lblNoSubjects"));
    QVERIFY(w.contents->currentPage()->isVisible());
    QVERIFY(control<QLabel>(w, QStringLiteral("lblNoSubjects"))->text().contains(QStringLiteral("no subjects")));
    for (const QString tab : {"Tab01", "Tab02", "Tab03"})
        QVERIFY(!control(w, tab)->isVisible());
    QCOMPARE(control(w, QStringLiteral("Tab04"))->x(), 2);
    QCOMPARE(w.contents->txtTabPos(), 4);
    QVERIFY(QDir(w.dir.path()).entryList({QStringLiteral("*.txt")}).isEmpty());

    // The Help tab still works.
    w.contents->clickToolBar(1);
    QCOMPARE(w.contents->currentPage()->objectName(), QStringLiteral("Body_About"));
}

void TestContents::picturesFollowPointer()
{
    Window w;
    w.start();
    auto *report = control<ImageButton>(w, QStringLiteral("ToolBar02"));
    auto *print = control<ImageButton>(w, QStringLiteral("ToolBar03"));
    auto *maths = control<ImageButton>(w, QStringLiteral("Tab02"));
    auto *english = control<ImageButton>(w, QStringLiteral("Tab01"));
    const auto tick = [&](QWidget *over) {
        w.pointer = over ? over->mapToGlobal(QPoint(3, 3)) : QPoint(-1000, -1000);
        w.contents->ticker()->tick();
    };

    tick(report);
    QCOMPARE(report->pictureName(), QStringLiteral("report_on.bmp"));
    QCOMPARE(print->pictureName(), QStringLiteral("print_off.bmp"));

    // Held on Report and dragged onto Print: Print shows pressed, Report off.
    QTest::mousePress(report, Qt::LeftButton, {}, QPoint(3, 3));
    QVERIFY(w.contents->txtPressTrack());
    QTest::mouseMove(report, report->mapFromGlobal(print->mapToGlobal(QPoint(3, 3))));
    tick(print);
    QCOMPARE(print->pictureName(), QStringLiteral("print_pressed.bmp"));
    QCOMPARE(report->pictureName(), QStringLiteral("report_off.bmp"));
    QTest::mouseRelease(report, Qt::LeftButton, {}, report->mapFromGlobal(print->mapToGlobal(QPoint(3, 3))));
    QVERIFY(!w.contents->txtPressTrack());
    QCOMPARE(print->pictureName(), QStringLiteral("print_on.bmp"));
    QVERIFY(w.dialogs->calls.isEmpty());

    tick(maths);
    QCOMPARE(maths->pictureName(), QStringLiteral("tabs_back_on.bmp"));
    tick(english);
    QCOMPARE(english->pictureName(), QStringLiteral("tabs_front_on.bmp"));
    QCOMPARE(maths->pictureName(), QStringLiteral("tabs_back_off.bmp"));

    // Title-bar buttons light up only while the window is active.
    ImageButton *close = w.contents->frame()->closeButton();
    w.contents->frame()->setActiveLook(false);
    QVERIFY(!w.contents->ContentsFocus());
    tick(close);
    QCOMPARE(close->pictureName(), QStringLiteral("prog_white_close.bmp"));
    w.contents->frame()->setActiveLook(true);
    QVERIFY(w.contents->ContentsFocus());
    tick(close);
    QCOMPARE(close->pictureName(), QStringLiteral("prog_blue_close.bmp"));
}

QTEST_MAIN(TestContents)
#include "tst_contents.moc"
