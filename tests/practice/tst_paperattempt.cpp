#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "practice/paperattempt.h"
#include "practice/scoring.h"
#include "progress/progressstore.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ResultMark)

char *toString(ResultMark mark)
{
    return qstrdup(mark == ResultMark::Right ? "Right" : mark == ResultMark::Wrong ? "Wrong" : "None");
}

using namespace TestFiles;

namespace {

const QString fixtureFolder = QStringLiteral(QUORVALE_FIXTURE_COURSE);

// A directory standing where a file should be written makes the write fail,
// for any user (a read-only folder does not stop root).
void blockWrites(const QString &path)
{
    QFile::remove(path);
    if (!QDir().mkpath(path))
        qFatal("cannot block %s", qPrintable(path));
}

// The record line of key in a tagged file, decoded byte for byte.
QByteArray recordLine(const QString &path, const QByteArray &key)
{
    for (const QByteArray &line : readFile(path).split('\n')) {
        if (line.startsWith(QByteArray('#' + key + '#')))
            return line.endsWith('\r') ? line.chopped(1) : line;
    }
    return {};
}

} // namespace

// A data folder with fresh progress files over a course (the fixture, or a
// changed copy of it), and a clock the test moves by hand.
class Workspace
{
public:
    explicit Workspace(const QString &courseFolder = fixtureFolder)
        : package(CoursePackage::fromFolder(courseFolder))
        , store(package, dir.path(), CourseModel::load(package, dir.path()))
    {
        if (!store.EnsureProgressFiles().isEmpty())
            qFatal("fresh progress files reported damaged");
    }

    PaperAttempt::Opened open(int subject, int paperIndex, int attempt = 1)
    {
        const PaperRequest request{subject, paperIndex, attempt, (paperIndex - 1) / 5 * 5 + 1, QStringLiteral("Topic")};
        return PaperAttempt::open(package, store, request, [this] { return now; });
    }

    std::unique_ptr<PaperAttempt> openOrFail(int subject, int paperIndex, int attempt = 1)
    {
        PaperAttempt::Opened opened = open(subject, paperIndex, attempt);
        if (!opened.attempt)
            qFatal("paper did not open: %s", qPrintable(opened.problem));
        return std::move(opened.attempt);
    }

    QString path(ProgressFile file, int subject) const { return store.path(file, subject); }

    // Marks a paper's first attempt with the given answers, all on page order.
    void markFirst(int subject, int paperIndex, const QStringList &answers)
    {
        auto attempt = openOrFail(subject, paperIndex);
        for (int slot = 1; slot <= answers.size(); ++slot)
            attempt->setAnswer(slot, answers.at(slot - 1));
        if (!attempt->save() || !attempt->mark())
            qFatal("first attempt not recorded");
    }

    QTemporaryDir dir;
    CoursePackage package;
    ProgressStore store;
    QDateTime now{QDate(2024, 3, 5), QTime(10, 0)};
};

// A copy of the fixture course that a test may change.
class CourseCopy
{
public:
    CourseCopy()
    {
        for (const QString &name : QDir(fixtureFolder).entryList(QDir::Files))
            QFile::copy(fixtureFolder + u'/' + name, path(name));
    }
    QString folder() const { return m_dir.path(); }
    QString path(const QString &name) const { return m_dir.path() + u'/' + name; }

private:
    QTemporaryDir m_dir;
};

class TestPaperAttempt : public QObject
{
    Q_OBJECT

private slots:
    void title_data();
    void title();
    void opensOnItsFirstPageWithNothingAnswered();
    void opensWithSavedAnswers();
    void aPaperThatCannotWorkDoesNotOpen_data();
    void aPaperThatCannotWorkDoesNotOpen();
    void rowsShorterThanThePaperReadAsBlank();
    void pagesMoveWithinThePaper();
    void aPageThatCannotBeWrittenKeepsTheCurrentOne();
    void rowsFollowTheSlotKinds_data();
    void rowsFollowTheSlotKinds();
    void saveWritesThePapersRowOnly();
    void answersComeBackExactlyAsTyped_data();
    void answersComeBackExactlyAsTyped();
    void markingQuestion_data();
    void markingQuestion();
    void clockCountsWithoutLeadingZeros_data();
    void clockCountsWithoutLeadingZeros();
    void markingRecordsTheFirstAttempt();
    void scores_data();
    void scores();
    void aMarkedPaperOpensReadOnly();
    void aFailedSaveKeepsTheAnswers();
    void aFailedMarkingLeavesThePaperUnmarked();
    void secondAttemptCarriesRightAnswersOver();
    void aCarriedOverBlankIsNotLeftToAnswer();
    void secondAttemptTouchesOnlyItsOwnRecords();
    void secondAttemptRevealsExpectedAnswers_data();
    void secondAttemptRevealsExpectedAnswers();
    void openingAMarkedSecondAttemptWritesNothing();
};

void TestPaperAttempt::title_data()
{
    QTest::addColumn<int>("paperIndex");
    QTest::addColumn<int>("topicFirstPaper");
    QTest::addColumn<QString>("title");

    QTest::newRow("third paper of topic 1") << 3 << 1 << u"Grammar - Paper 3"_qs;
    QTest::newRow("third paper of topic 2") << 8 << 6 << u"Grammar - Paper 3"_qs;
}

void TestPaperAttempt::title()
{
    QFETCH(int, paperIndex);
    QFETCH(int, topicFirstPaper);
    Workspace ws;
    const PaperRequest request{1, paperIndex, 1, topicFirstPaper, u"Grammar"_qs};
    const auto opened = PaperAttempt::open(ws.package, ws.store, request);
    QVERIFY2(opened.attempt, qPrintable(opened.problem));
    QTEST(opened.attempt->title(), "title");
}

void TestPaperAttempt::opensOnItsFirstPageWithNothingAnswered()
{
    Workspace ws;
    const auto attempt = ws.openOrFail(1, 1);
    QCOMPARE(attempt->pageCount(), 3);
    QCOMPARE(attempt->currentPage(), 1);
    QCOMPARE(attempt->slotCount(), 3);
    QCOMPARE(attempt->answers(), QStringList(3, QString()));
    QCOMPARE(attempt->remainingPages(), (QList<int>{1, 2, 3}));
    QCOMPARE(attempt->answeredCount(), 0);
    QVERIFY(!attempt->isMarked());
    QVERIFY(attempt->scoreText().isEmpty());
    QCOMPARE(attempt->startTime(), ws.now);
    QCOMPARE(attempt->currentPageFile(), ws.dir.filePath(u"temppaper15001.mht"_qs));
    QCOMPARE(readFile(attempt->currentPageFile()), *ws.package.resource(15001));
}

void TestPaperAttempt::opensWithSavedAnswers()
{
    Workspace ws;
    // Page 1 answered, page 2 only spaces (still blank for the list, answered
    // for the counter), page 3 empty.
    QVERIFY(ws.store.saveAnswers(1, 1, 1, {u"3"_qs, u"  "_qs, QString()}));
    const auto attempt = ws.openOrFail(1, 1);
    QCOMPARE(attempt->answers(), (QStringList{u"3"_qs, u"  "_qs, QString()}));
    QCOMPARE(attempt->remainingPages(), (QList<int>{2, 3}));
    QCOMPARE(attempt->answeredCount(), 2);
}

void TestPaperAttempt::aPaperThatCannotWorkDoesNotOpen_data()
{
    QTest::addColumn<QString>("courseFile");
    QTest::addColumn<QString>("dataFile");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("paperIndex");

    const QByteArray none;
    QTest::newRow("answer key table missing") << u"30013"_qs << QString() << none << 2;
    QTest::newRow("no page list record") << u"30012"_qs << QString() << QByteArray("...\r\n#101#>15001\r\n...\r\n") << 2;
    QTest::newRow("marks table without the page")
        << u"30015"_qs << QString() << QByteArray("...\r\n#15001#>1\r\n...\r\n") << 2;
    QTest::newRow("answers file damaged") << QString() << u"first1FX.txt"_qs << QByteArray("garbage\r\n") << 2;
    QTest::newRow("results file damaged") << QString() << u"fresults1FX.txt"_qs << QByteArray("#101#>\r\n") << 2;
    QTest::newRow("marks file damaged") << QString() << u"marks1FX.txt"_qs << QByteArray("#FSE#>\r\n") << 2;
    QTest::newRow("paper beyond the subject") << QString() << QString() << none << 11;
}

void TestPaperAttempt::aPaperThatCannotWorkDoesNotOpen()
{
    QFETCH(QString, courseFile);
    QFETCH(QString, dataFile);
    QFETCH(QByteArray, bytes);
    QFETCH(int, paperIndex);

    CourseCopy course;
    if (!courseFile.isEmpty()) {
        if (bytes.isEmpty())
            QFile::remove(course.path(courseFile));
        else
            writeFile(course.path(courseFile), bytes);
    }
    Workspace ws(course.folder());
    if (!dataFile.isEmpty())
        writeFile(ws.dir.filePath(dataFile), bytes);
    const auto before = snapshot(ws.dir.path());

    const auto opened = ws.open(1, paperIndex);
    QVERIFY(!opened.attempt);
    QVERIFY(!opened.problem.isEmpty());
    QCOMPARE(snapshot(ws.dir.path()), before);
}

void TestPaperAttempt::rowsShorterThanThePaperReadAsBlank()
{
    // A progress template written for an older edition of paper 102, with two
    // of its five blanks.
    CourseCopy course;
    QByteArray answersTemplate = readFile(course.path(u"30112"_qs));
    answersTemplate.replace("#102#>>>>>", "#102#>>");
    writeFile(course.path(u"30112"_qs), answersTemplate);
    Workspace ws(course.folder());
    QByteArray answers = readFile(ws.path(ProgressFile::FirstAnswers, 1));
    answers.replace("#102#>>", "#102#>took>Eleven");
    writeFile(ws.path(ProgressFile::FirstAnswers, 1), answers);

    const auto attempt = ws.openOrFail(1, 2);
    QCOMPARE(attempt->answers(), (QStringList{u"took"_qs, u"Eleven"_qs, QString(), QString(), QString()}));
}

void TestPaperAttempt::pagesMoveWithinThePaper()
{
    Workspace ws;
    auto attempt = ws.openOrFail(1, 1);
    QSignalSpy moved(attempt.get(), &PaperAttempt::pageChanged);

    QVERIFY(attempt->goToPage(3));
    QCOMPARE(attempt->currentPage(), 3);
    QCOMPARE(moved.takeFirst().at(0).toInt(), 3);
    QVERIFY(QFile::exists(ws.dir.filePath(u"temppaper15003.mht"_qs)));
    QVERIFY(!QFile::exists(ws.dir.filePath(u"temppaper15001.mht"_qs)));

    QVERIFY(!attempt->goToPage(4));
    QVERIFY(!attempt->goToPage(0));
    QCOMPARE(attempt->currentPage(), 3);
    QVERIFY(moved.isEmpty());

    // Closing the paper leaves no page file behind.
    const QString shown = attempt->currentPageFile();
    attempt.reset();
    QVERIFY(!QFile::exists(shown));
}

void TestPaperAttempt::aPageThatCannotBeWrittenKeepsTheCurrentOne()
{
    Workspace ws;
    const auto attempt = ws.openOrFail(1, 1);
    blockWrites(ws.dir.filePath(u"temppaper15002.mht"_qs));
    QVERIFY(!attempt->goToPage(2));
    QCOMPARE(attempt->currentPage(), 1);
    QCOMPARE(readFile(attempt->currentPageFile()), *ws.package.resource(15001));
}

void TestPaperAttempt::rowsFollowTheSlotKinds_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("paperIndex");
    QTest::addColumn<int>("page");
    QTest::addColumn<QList<int>>("maxLengths");
    QTest::addColumn<QList<bool>>("tall");
    QTest::addColumn<bool>("instruction");

    QTest::newRow("multiple choice takes one character") << 1 << 1 << 2 << QList<int>{1} << QList<bool>{false} << false;
    QTest::newRow("words") << 1 << 2 << 1 << QList<int>(5, 0) << QList<bool>(5, false) << false;
    QTest::newRow("sentence in a tall box") << 1 << 3 << 1 << QList<int>{0} << QList<bool>{true} << false;
    QTest::newRow("numbers") << 2 << 1 << 1 << QList<int>{0, 0} << QList<bool>{false, false} << false;
    QTest::newRow("mixed number shows the instruction")
        << 2 << 1 << 2 << QList<int>{0} << QList<bool>{false} << true;
    QTest::newRow("expression and spaced form") << 2 << 4 << 1 << QList<int>{0, 0} << QList<bool>{false, false}
                                                << true;
    QTest::newRow("twenty blanks") << 2 << 5 << 1 << QList<int>(20, 0) << QList<bool>(20, false) << false;
}

void TestPaperAttempt::rowsFollowTheSlotKinds()
{
    QFETCH(int, subject);
    QFETCH(int, paperIndex);
    QFETCH(int, page);
    QFETCH(QList<int>, maxLengths);
    QFETCH(QList<bool>, tall);

    Workspace ws;
    const auto attempt = ws.openOrFail(subject, paperIndex);
    QVERIFY(attempt->goToPage(page));
    const QList<SheetRow> rows = attempt->pageRows();
    QCOMPARE(rows.size(), maxLengths.size());
    const int offset = attempt->definition().slotOffset(page);
    for (int n = 0; n < rows.size(); ++n) {
        QCOMPARE(rows.at(n).slot, offset + n + 1);
        QCOMPARE(rows.at(n).maxLength, maxLengths.at(n));
        QCOMPARE(rows.at(n).tall, tall.at(n));
        QVERIFY(rows.at(n).editable);
        QVERIFY(!rows.at(n).firstMarkShown && !rows.at(n).secondMarkShown && !rows.at(n).modelAnswerShown);
    }
    QTEST(attempt->pageShowsInstruction(), "instruction");
}

void TestPaperAttempt::saveWritesThePapersRowOnly()
{
    Workspace ws;
    QVERIFY(ws.store.saveAnswers(1, 1, 2, {u"took"_qs, QString(), QString(), QString(), QString()}));
    const auto attempt = ws.openOrFail(1, 1);
    QVERIFY(attempt->goToPage(2));
    attempt->setPageAnswers({u"1"_qs, u"ignored"_qs});
    QVERIFY(attempt->save());

    const QString path = ws.path(ProgressFile::FirstAnswers, 1);
    QCOMPARE(recordLine(path, "101"), QByteArray("#101#>>1>"));
    QCOMPARE(recordLine(path, "102"), QByteArray("#102#>took>>>>"));
    QCOMPARE(readFile(path).count("\r\n"), 10);
}

void TestPaperAttempt::answersComeBackExactlyAsTyped_data()
{
    QTest::addColumn<int>("paperIndex");
    QTest::addColumn<QString>("typed");

    QTest::newRow("separator") << 2 << u"a>b"_qs;
    QTest::newRow("record mark and backslash") << 2 << u"#1 \\n"_qs;
    QTest::newRow("outer spaces and case") << 2 << u"  TooK "_qs;
    QTest::newRow("code page letters") << 2 << u"café €5"_qs;
    QTest::newRow("beyond the code page") << 2 << u"π ≈ 3.14 日本"_qs;
    QTest::newRow("line breaks in a sentence") << 3 << u"The cat\nsat on\r\nthe mat."_qs;
}

void TestPaperAttempt::answersComeBackExactlyAsTyped()
{
    QFETCH(int, paperIndex);
    QFETCH(QString, typed);

    Workspace ws;
    {
        const auto attempt = ws.openOrFail(1, paperIndex);
        attempt->setPageAnswers({typed});
        QVERIFY(attempt->save());
    }
    // Every other row of the file still reads as its template's shape.
    QVERIFY(ws.store.readPaperRow(ProgressFile::FirstAnswers, 1, 1, 3));
    const auto attempt = ws.openOrFail(1, paperIndex);
    QCOMPARE(attempt->answer(1), typed);
    QCOMPARE(attempt->answers().size(), attempt->slotCount());
}

void TestPaperAttempt::markingQuestion_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("question");

    const QString now = u"Do you want to mark your practice now?"_qs;
    const QString unanswered = u"You have not answered all the questions.  Do you still want to mark your practice?"_qs;
    QTest::newRow("all answered") << QStringList{u"3"_qs, u"1"_qs, u"4"_qs} << now;
    QTest::newRow("spaces count as an answer") << QStringList{u"3"_qs, u" "_qs, u"4"_qs} << now;
    QTest::newRow("one blank") << QStringList{u"3"_qs, QString(), u"4"_qs} << unanswered;
    QTest::newRow("nothing answered") << QStringList(3, QString()) << unanswered;
}

void TestPaperAttempt::markingQuestion()
{
    QFETCH(QStringList, answers);
    Workspace ws;
    const auto attempt = ws.openOrFail(1, 1);
    for (int slot = 1; slot <= 3; ++slot)
        attempt->setAnswer(slot, answers.at(slot - 1));
    QTEST(attempt->markingQuestion(), "question");
}

void TestPaperAttempt::clockCountsWithoutLeadingZeros_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("clock");

    QTest::newRow("seven seconds") << 7 << u"0:0:7"_qs;
    QTest::newRow("an hour, two minutes, three seconds") << 3723 << u"1:2:3"_qs;
}

void TestPaperAttempt::clockCountsWithoutLeadingZeros()
{
    QFETCH(int, seconds);
    Workspace ws;
    const auto attempt = ws.openOrFail(1, 1);
    ws.now = ws.now.addSecs(seconds);
    QTEST(attempt->clockText(), "clock");
}

void TestPaperAttempt::markingRecordsTheFirstAttempt()
{
    Workspace ws;
    QVERIFY(ws.store.recordMarking(1, 1, 5, {{u"ü"_qs}, u"100"_qs, u"0:2:0"_qs, u"01/03/2024"_qs}));
    const QByteArray trendBefore = recordLine(ws.path(ProgressFile::Trend, 1), "TRD");

    const auto attempt = ws.openOrFail(1, 1);
    QSignalSpy marked(attempt.get(), &PaperAttempt::markedChanged);
    attempt->setPageAnswers({u"3"_qs});
    QVERIFY(attempt->goToPage(2));
    attempt->setPageAnswers({u"2"_qs});
    QVERIFY(attempt->goToPage(3));
    attempt->setPageAnswers({u" 4 "_qs});
    ws.now = ws.now.addSecs(65);
    QVERIFY(attempt->mark());

    QCOMPARE(marked.size(), 1);
    QVERIFY(attempt->isMarked());
    QCOMPARE(attempt->result(1), ResultMark::Right);
    QCOMPARE(attempt->result(2), ResultMark::Wrong);
    QCOMPARE(attempt->result(3), ResultMark::Right);
    QCOMPARE(attempt->rawScore(), 2);
    QCOMPARE(attempt->scoreText(), u"66.7"_qs);
    QCOMPARE(attempt->timeTaken(), u"0:1:5"_qs);
    QCOMPARE(attempt->dateCompleted(), formatShortDate(ws.now.date()));

    QCOMPARE(recordLine(ws.path(ProgressFile::FirstResults, 1), "101"), QByteArray("#101#>\xFC>\xFB>\xFC"));
    const QString marks = ws.path(ProgressFile::Marks, 1);
    QCOMPARE(recordLine(marks, "FSE"), QByteArray("#FSE#>66.7>>>>100>>>>>"));
    QCOMPARE(recordLine(marks, "LTM"), QByteArray("#LTM#>0:1:5>>>>0:2:0>>>>>"));
    QCOMPARE(recordLine(marks, "CDD"), "#CDD#>" + formatShortDate(ws.now.date()).toLatin1() + ">>>>01/03/2024>>>>>");
    QCOMPARE(recordLine(marks, "FST"), QByteArray("#FST#>1>0>0>0>1>0>0>0>0>0"));
    QCOMPARE(recordLine(marks, "SST"), QByteArray("#SST#>0>0>0>0>0>0>0>0>0>0"));
    QCOMPARE(recordLine(ws.path(ProgressFile::Trend, 1), "TRD"), trendBefore + ">66.7");

    // Once marked the answers are locked and marking again records nothing.
    QVERIFY(!attempt->setAnswer(2, u"1"_qs));
    const auto before = snapshot(ws.dir.path());
    QVERIFY(attempt->mark());
    QCOMPARE(snapshot(ws.dir.path()), before);
    QCOMPARE(marked.size(), 1);
}

void TestPaperAttempt::scores_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<int>("paperIndex");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("score");

    QTest::newRow("full marks") << 1 << 1 << QStringList{u"3"_qs, u"1"_qs, u"4"_qs} << u"100"_qs;
    QTest::newRow("nothing right") << 1 << 1 << QStringList(3, QString()) << u"0"_qs;
    QTest::newRow("five of six") << 2 << 1 << QStringList{u"3.850"_qs, u"14"_qs, u"1  2/3"_qs} << u"83.3"_qs;
    QTest::newRow("sentence worth two") << 1 << 3 << QStringList{u" the cat sat on the mat. "_qs} << u"100"_qs;
    QTest::newRow("group in any order") << 2 << 3 << QStringList{u"Blue"_qs, u"red"_qs, u"blue"_qs} << u"66.7"_qs;
    QTest::newRow("seven of twenty")
        << 2 << 5 << QStringList{u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs, u"6"_qs, u"7"_qs} << u"35"_qs;
}

void TestPaperAttempt::scores()
{
    QFETCH(int, subject);
    QFETCH(int, paperIndex);
    QFETCH(QStringList, answers);

    Workspace ws;
    const auto attempt = ws.openOrFail(subject, paperIndex);
    for (int slot = 1; slot <= answers.size(); ++slot)
        QVERIFY(attempt->setAnswer(slot, answers.at(slot - 1)));
    QVERIFY(attempt->mark());
    QTEST(attempt->scoreText(), "score");
}

void TestPaperAttempt::aMarkedPaperOpensReadOnly()
{
    Workspace ws;
    ws.markFirst(1, 1, {u"3"_qs, u"2"_qs, u"4"_qs});
    const auto attempt = ws.openOrFail(1, 1);

    QVERIFY(attempt->isMarked());
    QCOMPARE(attempt->rawScore(), -1);
    QCOMPARE(attempt->scoreText(), u"66.7"_qs);
    QCOMPARE(attempt->timeTaken(), u"0:0:0"_qs);
    QCOMPARE(attempt->dateCompleted(), formatShortDate(ws.now.date()));
    QCOMPARE(attempt->answers(), (QStringList{u"3"_qs, u"2"_qs, u"4"_qs}));
    QVERIFY(attempt->goToPage(2));
    const SheetRow row = attempt->pageRows().constFirst();
    QCOMPARE(row.firstMark, ResultMark::Wrong);
    QVERIFY(row.firstMarkShown);
    QVERIFY(!row.editable);
    QVERIFY(!row.modelAnswerShown);
    QVERIFY(!attempt->setAnswer(2, u"1"_qs));
}

void TestPaperAttempt::aFailedSaveKeepsTheAnswers()
{
    Workspace ws;
    const auto attempt = ws.openOrFail(1, 2);
    const QString path = ws.path(ProgressFile::FirstAnswers, 1);
    blockWrites(path);
    attempt->setPageAnswers({u"took"_qs});

    const StoreResult saved = attempt->save();
    QVERIFY(!saved);
    QVERIFY(!saved.error.isEmpty());
    QCOMPARE(attempt->answer(1), u"took"_qs);
    QVERIFY(QFileInfo(path).isDir());
}

void TestPaperAttempt::aFailedMarkingLeavesThePaperUnmarked()
{
    Workspace ws;
    const auto attempt = ws.openOrFail(1, 1);
    attempt->setPageAnswers({u"3"_qs});
    QVERIFY(attempt->save());
    blockWrites(ws.path(ProgressFile::FirstResults, 1));
    const auto before = snapshot(ws.dir.path());
    QSignalSpy marked(attempt.get(), &PaperAttempt::markedChanged);

    QVERIFY(!attempt->mark());
    QVERIFY(!attempt->isMarked());
    QVERIFY(marked.isEmpty());
    QVERIFY(attempt->scoreText().isEmpty());
    QCOMPARE(attempt->result(1), ResultMark::None);
    QVERIFY(attempt->isEditable(1));
    QCOMPARE(snapshot(ws.dir.path()), before);
}

void TestPaperAttempt::secondAttemptCarriesRightAnswersOver()
{
    Workspace ws;
    ws.markFirst(2, 1, {u"3.85"_qs, u"140"_qs, u"1 2/3"_qs});
    QVERIFY(ws.store.saveAnswers(2, 2, 1, {u"9"_qs, u"150"_qs, u"9"_qs}));
    const auto attempt = ws.openOrFail(2, 1, 2);

    QVERIFY(!attempt->isMarked());
    QVERIFY(attempt->scoreText().isEmpty());
    QCOMPARE(attempt->answers(), (QStringList{u"3.85"_qs, u"150"_qs, u"1 2/3"_qs}));
    QVERIFY(attempt->isCarriedOver(1) && !attempt->isCarriedOver(2) && attempt->isCarriedOver(3));
    QVERIFY(!attempt->setAnswer(1, u"4"_qs));
    attempt->setPageAnswers({u"4"_qs, u"145"_qs});
    QCOMPARE(attempt->answers(), (QStringList{u"3.85"_qs, u"145"_qs, u"1 2/3"_qs}));

    const QList<SheetRow> rows = attempt->pageRows();
    QVERIFY(rows.at(0).tinted && !rows.at(0).editable);
    QCOMPARE(rows.at(0).firstMark, ResultMark::Right);
    QVERIFY(rows.at(0).firstMarkShown);
    QVERIFY(!rows.at(1).tinted && rows.at(1).editable && !rows.at(1).firstMarkShown);
    QVERIFY(!rows.at(0).secondMarkShown && !rows.at(1).secondMarkShown);

    attempt->setAnswer(2, QString());
    QCOMPARE(attempt->remainingPages(), QList<int>{1});
    QCOMPARE(attempt->markingQuestion(),
             u"You have not answered all the questions.  Do you still want to mark your practice?"_qs);
    attempt->setAnswer(2, u"145"_qs);
    QCOMPARE(attempt->remainingPages(), QList<int>());
    QCOMPARE(attempt->markingQuestion(), u"Do you want to mark your practice now?"_qs);
}

void TestPaperAttempt::aCarriedOverBlankIsNotLeftToAnswer()
{
    // A blank key makes a blank answer right.
    CourseCopy course;
    QByteArray keys = readFile(course.path(u"30013"_qs));
    keys.replace("#15007#>blue", "#15007#>");
    writeFile(course.path(u"30013"_qs), keys);
    Workspace ws(course.folder());
    ws.markFirst(1, 4, {u"2"_qs, QString()});

    const auto attempt = ws.openOrFail(1, 4, 2);
    QVERIFY(attempt->isCarriedOver(2));
    QCOMPARE(attempt->answer(2), QString());
    QCOMPARE(attempt->remainingPages(), QList<int>());
    QCOMPARE(attempt->markingQuestion(), u"Do you want to mark your practice now?"_qs);
    QCOMPARE(attempt->answeredCount(), 1);
}

void TestPaperAttempt::secondAttemptTouchesOnlyItsOwnRecords()
{
    Workspace ws;
    ws.markFirst(2, 1, {u"3.85"_qs, u"140"_qs, u"1 2/3"_qs});
    const QStringList untouched = {u"first2FX.txt"_qs, u"fresults2FX.txt"_qs, u"trend2FX.txt"_qs};
    QMap<QString, QByteArray> before;
    for (const QString &name : untouched)
        before.insert(name, readFile(ws.dir.filePath(name)));
    const QString marks = ws.path(ProgressFile::Marks, 2);
    const QByteArray fse = recordLine(marks, "FSE"), ltm = recordLine(marks, "LTM"), cdd = recordLine(marks, "CDD"),
                     fst = recordLine(marks, "FST");

    const auto attempt = ws.openOrFail(2, 1, 2);
    attempt->setPageAnswers({u"3.85"_qs, u"150"_qs});
    QVERIFY(attempt->save());
    ws.now = ws.now.addDays(3);
    QVERIFY(attempt->mark());

    QCOMPARE(attempt->scoreText(), u"83.3"_qs);
    QVERIFY(attempt->timeTaken().isEmpty());
    QVERIFY(attempt->dateCompleted().isEmpty());
    QCOMPARE(recordLine(ws.path(ProgressFile::SecondAnswers, 2), "101"), QByteArray("#101#>3.85>150>1 2/3"));
    QCOMPARE(recordLine(ws.path(ProgressFile::SecondResults, 2), "101"), QByteArray("#101#>\xFC>\xFB>\xFC"));
    QCOMPARE(recordLine(marks, "SSE"), QByteArray("#SSE#>83.3>>>>"));
    QCOMPARE(recordLine(marks, "SST"), QByteArray("#SST#>1>0>0>0>0"));
    QCOMPARE(recordLine(marks, "FSE"), fse);
    QCOMPARE(recordLine(marks, "LTM"), ltm);
    QCOMPARE(recordLine(marks, "CDD"), cdd);
    QCOMPARE(recordLine(marks, "FST"), fst);
    for (const QString &name : untouched)
        QCOMPARE(readFile(ws.dir.filePath(name)), before.value(name));
}

void TestPaperAttempt::secondAttemptRevealsExpectedAnswers_data()
{
    QTest::addColumn<int>("paperIndex");
    QTest::addColumn<QStringList>("firstAnswers");
    QTest::addColumn<QStringList>("secondAnswers");
    QTest::addColumn<QList<ResultMark>>("results");
    QTest::addColumn<QStringList>("expected");

    const auto R = ResultMark::Right;
    const auto W = ResultMark::Wrong;
    QTest::newRow("plain keys") << 1 << QStringList{u"3.85"_qs, u"140"_qs, u"2"_qs}
                                << QStringList{QString(), u"150"_qs, u"1 2/3"_qs} << QList<ResultMark>{R, W, R}
                                << QStringList{QString(), u"145"_qs, QString()};
    QTest::newRow("group hands out what is left") << 2 << QStringList{u"2"_qs, u"2"_qs}
                                                  << QStringList{QString(), u"5"_qs} << QList<ResultMark>{R, W}
                                                  << QStringList{QString(), u"3"_qs};
    QTest::newRow("each slot of an M group shows the lead's first alternative")
        << 3 << QStringList{u"blue"_qs, u"pink"_qs, QString()} << QStringList{QString(), u"blue"_qs, QString()}
        << QList<ResultMark>{R, W, W} << QStringList{QString(), u"red"_qs, u"red"_qs};
}

void TestPaperAttempt::secondAttemptRevealsExpectedAnswers()
{
    QFETCH(int, paperIndex);
    QFETCH(QStringList, firstAnswers);
    QFETCH(QStringList, secondAnswers);
    QFETCH(QList<ResultMark>, results);
    QFETCH(QStringList, expected);

    Workspace ws;
    ws.markFirst(2, paperIndex, firstAnswers);
    const auto attempt = ws.openOrFail(2, paperIndex, 2);
    for (int slot = 1; slot <= secondAnswers.size(); ++slot) {
        if (!attempt->isCarriedOver(slot))
            QVERIFY(attempt->setAnswer(slot, secondAnswers.at(slot - 1)));
    }
    QVERIFY(attempt->mark());

    QStringList shown;
    for (int page = 1; page <= attempt->pageCount(); ++page) {
        QVERIFY(attempt->goToPage(page));
        for (const SheetRow &row : attempt->pageRows()) {
            QCOMPARE(row.secondMark, results.at(row.slot - 1));
            QVERIFY(row.secondMarkShown);
            QVERIFY(!row.firstMarkShown);
            QVERIFY(!row.editable);
            QCOMPARE(row.modelAnswerShown, row.secondMark == ResultMark::Wrong);
            QCOMPARE(row.tinted, attempt->isCarriedOver(row.slot));
            shown.append(row.modelAnswer);
        }
    }
    QCOMPARE(shown, expected);
}

void TestPaperAttempt::openingAMarkedSecondAttemptWritesNothing()
{
    Workspace ws;
    ws.markFirst(2, 1, {u"3.85"_qs, u"140"_qs, u"2"_qs});
    {
        const auto attempt = ws.openOrFail(2, 1, 2);
        attempt->setPageAnswers({u"3.85"_qs, u"145"_qs});
        QVERIFY(attempt->save());
        QVERIFY(attempt->mark());
    }
    const auto before = snapshot(ws.dir.path());
    const auto attempt = ws.openOrFail(2, 1, 2);
    QVERIFY(attempt->isMarked());
    QCOMPARE(attempt->scoreText(), u"50"_qs);
    QCOMPARE(attempt->answers(), (QStringList{u"3.85"_qs, u"145"_qs, QString()}));
    auto after = snapshot(ws.dir.path());
    after.remove(u"temppaper25001.mht"_qs);
    QCOMPARE(after, before);
}

QTEST_APPLESS_MAIN(TestPaperAttempt)
#include "tst_paperattempt.moc"
