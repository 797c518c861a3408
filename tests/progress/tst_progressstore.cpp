#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "filesizelimit.h"
#include "progress/fieldcodec.h"
#include "progress/progressstore.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace TestFiles;

class TestProgressStore : public QObject
{
    Q_OBJECT

private:
    const CoursePackage m_fixture = CoursePackage::fromFolder(QStringLiteral(QUORVALE_FIXTURE_COURSE));

    QByteArray templateOf(ProgressFile file, int subject) const
    {
        return *m_fixture.resource(ProgressFiles::templateNumber(file, subject));
    }

    ProgressStore freshStore(const QTemporaryDir &dir) const
    {
        ProgressStore store(m_fixture, dir.path(), CourseModel::load(m_fixture, dir.path()));
        if (!store.EnsureProgressFiles().isEmpty())
            qFatal("fresh files reported damaged");
        return store;
    }

private slots:
    void fileNames()
    {
        QCOMPARE(ProgressFiles::path(QStringLiteral("/d"), ProgressFile::Marks, 1, QStringLiteral("XY")),
                 QStringLiteral("/d/marks1XY.txt"));
        QCOMPARE(ProgressFiles::path(QStringLiteral("/d"), ProgressFile::SecondResults, 2, QStringLiteral("XY")),
                 QStringLiteral("/d/sresults2XY.txt"));
        QCOMPARE(ProgressFiles::templateNumber(ProgressFile::Trend, 2), 30126);
    }

    void firstStartCreatesEveryFileFromItsTemplate()
    {
        QTemporaryDir dir;
        const ProgressStore store = freshStore(dir);
        for (int subject : {1, 2}) {
            for (ProgressFile file : ProgressFiles::all())
                QCOMPARE(readFile(store.path(file, subject)), templateOf(file, subject));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).filter(QStringLiteral("3FX")).size(), 0);
    }

    void ensureLeavesSoundFilesAlone()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        QVERIFY(store.saveAnswers(1, 1, 1, {"3", "1", "4"}));
        const QByteArray saved = readFile(store.path(ProgressFile::FirstAnswers, 1));
        QFile::remove(store.path(ProgressFile::Trend, 2));
        QVERIFY(store.EnsureProgressFiles().isEmpty());
        QCOMPARE(readFile(store.path(ProgressFile::FirstAnswers, 1)), saved);
        QCOMPARE(readFile(store.path(ProgressFile::Trend, 2)), templateOf(ProgressFile::Trend, 2));
    }

    void damagedFilesAreKeptAsideAndRestarted_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << QByteArray("...\r\n#101#>a>b>c\r\n#102#>");
        QTest::newRow("rows out of order") << QByteArray("#102#>>>>>\r\n#101#>>>\r\n#103#>\r\n#104#>>\r\n#105#>\r\n"
                                                         "#106#>\r\n#107#>\r\n#108#>\r\n#109#>\r\n#110#>\r\n");
        QTest::newRow("garbage") << QByteArray("\x01\x02garbage\xff\r\nmore");
        QTest::newRow("a field too many") << QByteArray("#101#>a>b>c>d\r\n#102#>>>>>\r\n#103#>\r\n#104#>>\r\n"
                                                        "#105#>\r\n#106#>\r\n#107#>\r\n#108#>\r\n#109#>\r\n#110#>\r\n");
    }

    void damagedFilesAreKeptAsideAndRestarted()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        const QString path = store.path(ProgressFile::FirstAnswers, 1);
        writeFile(path, content);

        QVERIFY(!store.readPaperRow(ProgressFile::FirstAnswers, 1, 1, 3));
        QCOMPARE(readFile(path), content); // reading writes nothing

        const QList<ProgressProblem> problems = store.EnsureProgressFiles();
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().path, path);
        QVERIFY(problems.first().keptAs.contains(QStringLiteral("first1FX-damaged-")));
        QCOMPARE(readFile(problems.first().keptAs), content);
        QCOMPARE(readFile(path), templateOf(ProgressFile::FirstAnswers, 1));
    }

    void filesThatCannotBeCreatedAreNamed()
    {
        QTemporaryDir dir;
        ProgressStore store(m_fixture, dir.path(), CourseModel::load(m_fixture, dir.path()));
        QDir().mkpath(store.path(ProgressFile::Marks, 2)); // a folder where the file should go
        const QList<ProgressProblem> problems = store.EnsureProgressFiles();
        QCOMPARE(problems.size(), 1);
        QCOMPARE(problems.first().path, store.path(ProgressFile::Marks, 2));
        QCOMPARE(problems.first().kind, ProgressProblem::NotCreated);
        QCOMPARE(readFile(store.path(ProgressFile::Marks, 1)), templateOf(ProgressFile::Marks, 1));
    }

    void lineFeedOnlyFilesStillRead()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        QVERIFY(store.saveAnswers(1, 1, 2, {"a", "b", "c", "d", "e"}));
        const QString path = store.path(ProgressFile::FirstAnswers, 1);
        writeFile(path, readFile(path).replace("\r\n", "\n"));
        QCOMPARE(*store.readPaperRow(ProgressFile::FirstAnswers, 1, 2, 5), (QStringList{"a", "b", "c", "d", "e"}));
    }

    void savingWritesOnlyTheRecords()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        QVERIFY(store.saveAnswers(1, 1, 1, {"3", "", "2"}));
        const QByteArray bytes = readFile(store.path(ProgressFile::FirstAnswers, 1));
        QVERIFY(bytes.startsWith("#101#>3>>2\r\n#102#>>>>>\r\n"));
        QCOMPARE(bytes.count("\r\n"), 10);
        QVERIFY(!bytes.contains("..."));
        QCOMPARE(*store.readPaperRow(ProgressFile::FirstAnswers, 1, 1, 3), (QStringList{"3", "", "2"}));
    }

    void answersComeBackExactlyAsTyped_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::newRow("plain") << "took";
        QTest::newRow("greater-than") << "a > b";
        QTest::newRow("hash and key") << "#102#";
        QTest::newRow("line breaks") << "line one\r\nline two\nthree";
        QTest::newRow("backslashes") << "C:\\temp\\n \\g \\";
        QTest::newRow("tab and NUL") << QStringLiteral("a\tb") + QChar(0) + u'c';
        QTest::newRow("outside the code page") << QStringLiteral("\u0394\u4e2d \U0001F600");
        QTest::newRow("code page letters") << QStringLiteral("caf\u00e9 \u20ac5 \u00fc");
        QTest::newRow("long") << QString(10000, u'x');
    }

    void answersComeBackExactlyAsTyped()
    {
        QFETCH(QString, answer);
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        QVERIFY(store.saveAnswers(1, 1, 2, {answer, "b", "", "", "e"}));
        QVERIFY(store.saveAnswers(1, 1, 3, {"next row"}));
        QCOMPARE(*store.readPaperRow(ProgressFile::FirstAnswers, 1, 2, 5), (QStringList{answer, "b", "", "", "e"}));
        QCOMPARE(*store.readPaperRow(ProgressFile::FirstAnswers, 1, 3, 1), QStringList{"next row"});
        QCOMPARE(FieldCodec::unescape(FieldCodec::escape(answer)), answer);
    }

    void plainTextIsStoredUnchanged()
    {
        const QString text = QStringLiteral("The cat sat on the mat. caf\u00e9!");
        QCOMPARE(FieldCodec::escape(text), text);
        QCOMPARE(FieldCodec::unescape(QStringLiteral("\\x and \\u12")), QStringLiteral("\\x and \\u12"));
    }

    void firstMarkingChangesOnlyItsPaper()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        const QString tick(QChar(0xFC)), cross(QChar(0xFB));
        QVERIFY(store.recordMarking(1, 1, 6, {{tick}, QStringLiteral("87.5"), QStringLiteral("0:7:35"),
                                              QStringLiteral("11/12/2026")}));
        const MarksRecords marks = *store.readMarks(1);
        QCOMPARE(marks.fse.at(5), QStringLiteral("87.5"));
        QCOMPARE(marks.ltm.at(5), QStringLiteral("0:7:35"));
        QCOMPARE(marks.cdd.at(5), QStringLiteral("11/12/2026"));
        QVERIFY(marks.isFirstMarked(6));
        QVERIFY(!marks.isFirstMarked(5));
        QCOMPARE(marks.fse.count(QString()), 9);
        QCOMPARE(marks.sst, QStringList(10, QStringLiteral("0")));
        QCOMPARE(readFile(store.path(ProgressFile::Trend, 1)), QByteArray("#TRD#>87.5\r\n"));
        QCOMPARE(readFile(store.path(ProgressFile::FirstResults, 1)).split('\n').at(5),
                 QByteArray("#106#>\xFC\r"));

        QVERIFY(store.recordMarking(1, 1, 1, {{cross, tick, tick}, QStringLiteral("66.7"), {}, {}}));
        QCOMPARE(readFile(store.path(ProgressFile::Trend, 1)), QByteArray("#TRD#>87.5>66.7\r\n"));
        QCOMPARE(readFile(store.path(ProgressFile::FirstResults, 1)).left(13), QByteArray("#101#>\xFB>\xFC>\xFC\r\n"));
        QCOMPARE(*store.readPaperRow(ProgressFile::FirstResults, 1, 1, 3), (QStringList{cross, tick, tick}));
    }

    void secondMarkingLeavesTheFirstAlone()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        QVERIFY(store.recordMarking(2, 1, 1, {{"x", "y", "z"}, QStringLiteral("50"), QStringLiteral("0:1:5"),
                                              QStringLiteral("1/1/2027")}));
        const QByteArray trend = readFile(store.path(ProgressFile::Trend, 2));
        const QByteArray firstResults = readFile(store.path(ProgressFile::FirstResults, 2));
        QVERIFY(store.recordMarking(2, 2, 1, {{"p", "q", "r"}, QStringLiteral("100"), QStringLiteral("9:9:9"),
                                              QStringLiteral("never")}));
        const MarksRecords marks = *store.readMarks(2);
        QCOMPARE(marks.fse.first(), QStringLiteral("50"));
        QCOMPARE(marks.sse.first(), QStringLiteral("100"));
        QCOMPARE(marks.ltm.first(), QStringLiteral("0:1:5"));
        QCOMPARE(marks.cdd.first(), QStringLiteral("1/1/2027"));
        QVERIFY(marks.isSecondMarked(1));
        QCOMPARE(readFile(store.path(ProgressFile::Trend, 2)), trend);
        QCOMPARE(readFile(store.path(ProgressFile::FirstResults, 2)), firstResults);
        QCOMPARE(*store.readPaperRow(ProgressFile::SecondResults, 2, 1, 3), (QStringList{"p", "q", "r"}));
    }

    void lostTrendRecordIsStartedAgain()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        writeFile(store.path(ProgressFile::Trend, 1), QByteArray());
        QVERIFY(store.recordMarking(1, 1, 2, {{"a", "b", "c", "d", "e"}, QStringLiteral("40"), {}, {}}));
        QCOMPARE(readFile(store.path(ProgressFile::Trend, 1)), QByteArray("#TRD#>40\r\n"));
        QCOMPARE(store.readTrendLine(1), QStringLiteral("#TRD#>40"));
    }

    void writesReReadTheFileFirst()
    {
        // A window that opened before an erase must not bring erased rows back.
        QTemporaryDir dir;
        ProgressStore window = freshStore(dir);
        QVERIFY(window.saveAnswers(1, 1, 1, {"1", "2", "3"}));
        QVERIFY(window.recordMarking(1, 1, 1, {{"a", "b", "c"}, QStringLiteral("10"), {}, {}}));
        ProgressStore other(m_fixture, dir.path(), CourseModel::load(m_fixture, dir.path()));
        QVERIFY(other.ResetProgressFiles().isEmpty());
        QVERIFY(window.saveAnswers(1, 1, 2, {"v", "w", "x", "y", "z"}));
        QVERIFY(window.recordMarking(1, 1, 2, {{"a", "b", "c", "d", "e"}, QStringLiteral("20"), {}, {}}));
        QCOMPARE(*window.readPaperRow(ProgressFile::FirstAnswers, 1, 1, 3), (QStringList{"", "", ""}));
        const MarksRecords marks = *window.readMarks(1);
        QVERIFY(marks.fse.first().isEmpty());
        QCOMPARE(marks.fse.at(1), QStringLiteral("20"));
        QCOMPARE(window.readTrendLine(1), QStringLiteral("#TRD#>20"));
    }

    void resetWritesEveryTemplate()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        QVERIFY(store.recordMarking(1, 1, 1, {{"a", "b", "c"}, QStringLiteral("10"), {}, {}}));
        QFile::remove(store.path(ProgressFile::SecondAnswers, 2));
        QVERIFY(store.ResetProgressFiles().isEmpty());
        for (int subject : {1, 2}) {
            for (ProgressFile file : ProgressFiles::all())
                QCOMPARE(readFile(store.path(file, subject)), templateOf(file, subject));
        }
    }

    void failedWritesChangeNothing()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        QVERIFY(store.saveAnswers(1, 1, 1, {"1", "2", "3"}));
        const QMap<QString, QByteArray> before = snapshot(dir.path());
        StoreResult saved, marked;
        QStringList notReset;
        {
            const FileSizeLimit diskFull(4);
            saved = store.saveAnswers(1, 1, 1, {"4", "4", "4"});
            marked = store.recordMarking(1, 1, 1, {{"a", "b", "c"}, QStringLiteral("10"), {}, {}});
            notReset = store.ResetProgressFiles();
        }
        QVERIFY(!saved.ok);
        QVERIFY(!saved.error.isEmpty());
        QVERIFY(!marked.ok);
        QCOMPARE(notReset.size(), 12);
        QCOMPARE(snapshot(dir.path()), before);
    }

    void papersOutsideTheSubjectAreRefused()
    {
        QTemporaryDir dir;
        ProgressStore store = freshStore(dir);
        const QByteArray before = readFile(store.path(ProgressFile::FirstAnswers, 2));
        QVERIFY(!store.saveAnswers(2, 1, 6, {"1"}));
        QVERIFY(!store.recordMarking(2, 1, 0, {{"1"}, QStringLiteral("1"), {}, {}}));
        QCOMPARE(readFile(store.path(ProgressFile::FirstAnswers, 2)), before);
    }
};

QTEST_APPLESS_MAIN(TestProgressStore)
#include "tst_progressstore.moc"
