// Bad input of every sort the program reads: answers holding what the record
// format cannot, damaged progress files and broken course packages. No
// crash, a clear message, and nothing good overwritten.
#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "course/taggedrecords.h"
#include "practice/paperattempt.h"
#include "progress/progressstore.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace TestFiles;

namespace {

const QString fixtureFolder = QStringLiteral(QUORVALE_FIXTURE_COURSE);

// A data folder over a course, with a clock the test sets.
struct Workspace
{
    explicit Workspace(const QString &courseFolder = fixtureFolder, const QString &dataFolder = QString())
        : package(CoursePackage::fromFolder(courseFolder))
        , dataDir(dataFolder.isEmpty() ? dir.path() : dataFolder)
        , store(package, dataDir, CourseModel::load(package, dataDir))
    {
    }

    PaperAttempt::Opened open(int subject, int paperIndex, int attempt = 1)
    {
        return PaperAttempt::open(package, store, {subject, paperIndex, attempt, 1, u"Topic"_qs}, [this] { return now; });
    }

    QTemporaryDir dir;
    CoursePackage package;
    QString dataDir;
    ProgressStore store;
    QDateTime now{QDate(2024, 3, 5), QTime(10, 0)};
};

// A copy of the fixture course broken in one place: the first occurrence of
// from replaced by to; with from empty the whole file becomes to, and with
// both empty the file is removed.
struct Breakage
{
    QString file;
    QByteArray from;
    QByteArray to;
};

class BrokenCourse
{
public:
    explicit BrokenCourse(const Breakage &breakage)
    {
        for (const QString &name : QDir(fixtureFolder).entryList(QDir::Files))
            QFile::copy(fixtureFolder + u'/' + name, m_dir.filePath(name));
        const QString path = m_dir.filePath(breakage.file);
        if (breakage.from.isEmpty() && breakage.to.isEmpty()) {
            QFile::remove(path);
        } else if (breakage.from.isEmpty()) {
            writeFile(path, breakage.to);
        } else {
            QByteArray bytes = readFile(path);
            const qsizetype at = bytes.indexOf(breakage.from);
            if (at < 0)
                qFatal("%s holds no %s", qPrintable(breakage.file), breakage.from.constData());
            writeFile(path, bytes.replace(at, breakage.from.size(), breakage.to));
        }
    }
    QString folder() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// Every record line of the file and of its copies kept aside as damaged.
QStringList keptLines(const QString &folder, const QString &fileName)
{
    QStringList lines;
    const QString stem = fileName.chopped(4);
    for (const QString &name : QDir(folder).entryList({fileName, stem + u"-damaged-*"_qs}, QDir::Files))
        lines += TaggedRecords::splitLines(readFile(folder + u'/' + name));
    return lines;
}

} // namespace

Q_DECLARE_METATYPE(Breakage)

class TestBadInput : public QObject
{
    Q_OBJECT

private slots:
    void answersComeBackExactlyAsTyped_data();
    void answersComeBackExactlyAsTyped();
    void damagedProgressFiles_data();
    void damagedProgressFiles();
    void brokenCoursePackages_data();
    void brokenCoursePackages();
    void marksNoScoreCanHoldStopThePaper_data();
    void marksNoScoreCanHoldStopThePaper();
};

void TestBadInput::answersComeBackExactlyAsTyped_data()
{
    QTest::addColumn<QString>("answer");
    QTest::newRow("greater-than") << u"a > b >"_qs;
    QTest::newRow("hash") << u"#101#>#"_qs;
    QTest::newRow("CR") << u"one\rtwo"_qs;
    QTest::newRow("LF") << u"one\ntwo\n"_qs;
    QTest::newRow("CR LF") << u"\r\none\r\n"_qs;
    QTest::newRow("NUL") << u"a"_qs + QChar(0) + u"b"_qs + QChar(0);
    QTest::newRow("tabs") << u"\ta\tb\t"_qs;
    QTest::newRow("backslash escapes typed") << u"\\g \\h \\n \\u0041 \\"_qs;
    QTest::newRow("10,000 characters") << QString(10000, u'w');
    QTest::newRow("10,000 greater-thans") << QString(10000, u'>');
    QTest::newRow("code page letters") << u"caf\u00e9 \u00fc\u00fb \u20ac \u0152"_qs;
    QTest::newRow("outside the code page") << u"\u0394\u03b9 \u4e2d\u6587 \u0101 \u2260"_qs;
    QTest::newRow("emoji") << u"\U0001F600\U0001F469\u200D\U0001F393"_qs;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + u"x"_qs;
    QTest::newRow("spaces only") << u"   "_qs;
    QTest::newRow("undefined code page bytes") << QString(QChar(0x81)) + QChar(0x9D);
}

// Through the practice window's road: typed into an open paper, saved by
// moving on, the paper closed and opened again; marked; tried a second time.
void TestBadInput::answersComeBackExactlyAsTyped()
{
    QFETCH(QString, answer);
    Workspace ws;
    QVERIFY(ws.store.EnsureProgressFiles().isEmpty());
    {
        auto attempt = ws.open(1, 2).attempt;
        QVERIFY(attempt);
        attempt->setPageAnswers({answer, u"Eleven"_qs, answer, QString(), answer});
        QVERIFY(attempt->save());
    }
    {
        auto attempt = ws.open(1, 2).attempt;
        QVERIFY(attempt);
        QCOMPARE(attempt->answers(), (QStringList{answer, u"Eleven"_qs, answer, QString(), answer}));
        QVERIFY(attempt->mark());
    }
    {
        auto attempt = ws.open(1, 2).attempt;
        QVERIFY(attempt);
        QVERIFY(attempt->isMarked());
        QCOMPARE(attempt->answer(5), answer);
    }
    {
        auto second = ws.open(1, 2, 2).attempt;
        QVERIFY(second);
        second->setPageAnswers({u"took"_qs, u"x"_qs, answer + answer});
        // As the window does: saved before it is marked.
        QVERIFY(second->save());
        QVERIFY(second->mark());
    }
    auto second = ws.open(1, 2, 2).attempt;
    QVERIFY(second);
    QCOMPARE(second->answer(3), answer + answer);
    QCOMPARE(second->answer(2), u"Eleven"_qs); // right the first time: carried over
    // The other papers' rows are untouched.
    QCOMPARE(*ws.store.readPaperRow(ProgressFile::FirstAnswers, 1, 1, 3), QStringList(3, QString()));
    QCOMPARE(*ws.store.readPaperRow(ProgressFile::FirstAnswers, 1, 3, 1), QStringList(1, QString()));
}

void TestBadInput::damagedProgressFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("damage");
    QTest::addColumn<bool>("stillSound");

    const QStringList files = {u"marks1FX.txt"_qs, u"first1FX.txt"_qs, u"fresults1FX.txt"_qs, u"trend1FX.txt"_qs};
    const QList<std::pair<const char *, bool>> damages = {
        {"truncated", false},         {"emptied", false},          {"random bytes", false},
        {"record missing", false},    {"rows out of order", false}, {"LF line ends", true},
        {"1 MB line of garbage", false}, {"1 MB answer", true},      {"NUL bytes", false},
    };
    for (const QString &file : files) {
        for (const auto &[damage, sound] : damages) {
            // The trend record holds any number of scores and is one line.
            const bool trend = file.startsWith(u"trend");
            if (trend && (QByteArrayView(damage) == "rows out of order"))
                continue;
            // A cut inside its last score leaves a shorter score, which no check can tell.
            const bool trendSound = trend && (QByteArrayView(damage) == "1 MB answer" || QByteArrayView(damage) == "truncated");
            QTest::addRow("%s %s", qPrintable(file), damage) << file << QString::fromLatin1(damage)
                                                             << (sound || trendSound);
        }
    }
}

// A file found damaged is kept aside under a clear name and the pupil is told;
// it is never read as blanks nor written over.
void TestBadInput::damagedProgressFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, damage);
    QFETCH(bool, stillSound);

    Workspace ws;
    QVERIFY(ws.store.EnsureProgressFiles().isEmpty());
    {
        auto attempt = ws.open(1, 1).attempt;
        QVERIFY(attempt);
        attempt->setPageAnswers({u"3"_qs});
        QVERIFY(attempt->mark());
    }
    QVERIFY(ws.store.saveAnswers(1, 1, 2, {u"took"_qs, u"Eleven"_qs, QString(), QString(), u"ran"_qs}));
    const QString path = ws.dataDir + u'/' + file;
    const QByteArray good = readFile(path);

    QByteArray bad = good;
    QRandomGenerator random(7);
    if (damage == u"truncated") {
        bad.truncate(good.size() * 2 / 3);
    } else if (damage == u"emptied") {
        bad.clear();
    } else if (damage == u"random bytes") {
        bad = QByteArray(4096, Qt::Uninitialized);
        for (char &c : bad)
            c = char(random.bounded(256));
    } else if (damage == u"record missing") {
        QList<QByteArray> lines = good.split('\n');
        lines.removeAt(file.startsWith(u"trend") ? 0 : 1);
        bad = lines.join('\n');
    } else if (damage == u"rows out of order") {
        QList<QByteArray> lines = good.split('\n');
        lines.swapItemsAt(0, 1);
        bad = lines.join('\n');
    } else if (damage == u"LF line ends") {
        bad.replace("\r\n", "\n");
    } else if (damage == u"1 MB line of garbage") {
        bad.insert(good.indexOf('\n') + 1, QByteArray(1 << 20, 'g') + "\r\n");
    } else if (damage == u"1 MB answer") {
        // A sound record with one field of a megabyte.
        const QByteArray key = file.startsWith(u"trend") ? "#TRD#>" : file.startsWith(u"marks") ? "#CDD#>" : "#103#>";
        bad.insert(bad.indexOf(key) + key.size(), QByteArray(1 << 20, 'a'));
    } else if (damage == u"NUL bytes") {
        bad.replace('>', QByteArray(1, '\0'));
    }
    writeFile(path, bad);

    // Reading writes nothing, also when it cannot use the file.
    const bool opens = bool(ws.open(1, 2).attempt);
    QCOMPARE(readFile(path), bad);
    if (stillSound) {
        QVERIFY(opens || file.startsWith(u"trend"));
        QVERIFY(ws.store.EnsureProgressFiles().isEmpty());
        QCOMPARE(readFile(path), bad);
        // A rewrite keeps what was there.
        QVERIFY(ws.store.recordMarking(1, 1, 4, {{u"\u00fc"_qs, u"\u00fb"_qs}, u"50"_qs, u"0:0:1"_qs, u"d"_qs}));
        const auto answers = ws.store.readPaperRow(ProgressFile::FirstAnswers, 1, 2, 5);
        QVERIFY(answers);
        QCOMPARE(answers->at(4), u"ran"_qs);
        QCOMPARE(ws.store.readMarks(1)->fse.first(), u"33.3"_qs);
        return;
    }

    // Damaged: the paper whose file it is does not open and says why.
    if (!file.startsWith(u"trend") && !file.startsWith(u"fresults"))
        QVERIFY(!opens);
    const QList<ProgressProblem> problems = ws.store.EnsureProgressFiles();
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.first().path, path);
    QVERIFY(problems.first().keptAs.contains(u"-damaged-"_qs));
    QCOMPARE(readFile(problems.first().keptAs), bad);
    QCOMPARE(readFile(path), *ws.package.resource(ProgressFiles::templateNumber(
                                 ProgressFile(ProgressFiles::all().at(
                                     QStringList{u"marks"_qs, u"first"_qs, u"second"_qs, u"fresults"_qs, u"sresults"_qs,
                                                 u"trend"_qs}
                                         .indexOf(file.chopped(7)))),
                                 1)));
    // And the program goes on with the file restarted.
    auto attempt = ws.open(1, 2).attempt;
    QVERIFY(attempt);
    QVERIFY(attempt->save());
    QVERIFY(attempt->mark());
}

void TestBadInput::brokenCoursePackages_data()
{
    QTest::addColumn<Breakage>("breakage");
    auto row = [](const char *name, const char *file, const QByteArray &from, const QByteArray &to) {
        QTest::newRow(name) << Breakage{QString::fromLatin1(file), from, to};
    };
    const QByteArray gone;

    row("descriptor missing", "30000", gone, gone);
    row("descriptor line ends", "30000", "\r\n", "\n");
    row("no course name", "30000", "#NME#>Fixture Course", "#NME#>");
    row("no course code", "30000", "#COD#>FX", "#COD#>");
    row("record not at the start of its line", "30000", "#COD#>FX", " #COD#>FX");
    row("more papers than the templates hold", "30000", "#TP1#>10", "#TP1#>20");
    row("fewer papers than the templates hold", "30000", "#TP1#>10", "#TP1#>5");
    row("more than ten topics", "30000", "#TT1#>2", "#TT1#>11");
    row("more than fifty papers", "30000", "#TP2#>5", "#TP2#>55");
    row("paper count that is no number", "30000", "#TP2#>5", "#TP2#>five");
    row("topic names and count disagree", "30000", "#TN1#>Grammar>Mock Examination", "#TN1#>Grammar");
    row("no subject", "30000", "#LAH#>English\r\n#LBH#>Maths", "#LAH#>\r\n#LBH#>");

    row("page lists missing", "30012", gone, gone);
    row("paper missing from the page lists", "30012", "#103#>15005\r\n", "");
    row("papers out of order", "30012", "#102#>15004\r\n#103#>15005", "#103#>15005\r\n#102#>15004");
    row("pages of a paper out of order", "30012", "#101#>15001>15002>15003", "#101#>15003>15002>15001");
    row("page listed by two papers", "30012", "#103#>15005", "#103#>15004");
    row("paper of no pages", "30012", "#103#>15005", "#103#>");
    row("page table out of order", "30013", "#15004#>took>Eleven>went>saw>ran\r\n#15005#>The cat sat on the mat.",
        "#15005#>The cat sat on the mat.\r\n#15004#>took>Eleven>went>saw>ran");
    row("page missing from a table", "30014", "#15004#>T>T>T>T>T\r\n", "");
    row("tables disagree on the slot count", "30014", "#15001#>Q", "#15001#>Q>Q");
    row("too many slots on a page", "30013", "#15004#>took", "#15004#>took" + QByteArray(">x").repeated(20));
    row("too many slots in a paper", "30013", "#15004#>took", "#15004#>took" + QByteArray(">x").repeated(80));
    row("unknown answer kind", "30014", "#15006#>Q", "#15006#>Z");
    row("marks that are no number", "30015", "#15002#>1", "#15002#>two");
    row("marks too large to count", "30015", "#15004#>1>1", "#15004#>1e308>1e308");
    row("negative marks", "30015", "#15004#>1>1", "#15004#>-3>1");
    row("marks of no paper", "30015", "#15001#>1", "#15001#>0");
    row("option key out of range", "30013", "#15006#>2", "#15006#>0");
    row("kind N key the number rule refuses", "30023", "#25001#>3.85", "#25001#>3,85");
    row("empty key", "30013", "#15004#>took", "#15004#>");
    row("group answers that overlap", "30023", ";2;3;4;6", ";2;3;2;6");
    row("group lead without ';'", "30023", ";2;3;4;6", "2;3;4;6");
    row("continuation at the first slot", "30023", "#25003#>;2;3;4;6", "#25003#> ");
    row("continuation of another kind", "30024", "#25003#>G>G", "#25003#>G>M");
    row("a continuation only", "30023", "#25004#>;red;blue;green", "#25004#> ");

    row("page missing", "15002", gone, gone);
    row("page that is no web archive", "15002", gone, "<html>Question 2</html>\r\n");
    row("page with bare line feeds", "15002", "\r\n", "\n");
    row("page addressing a local file", "15002", "https://quorvale.invalid/page.html", "file:///etc/passwd");

    row("answers template row of the wrong length", "30112", "#101#>>>", "#101#>");
    row("answers template with a final line end", "30115", "\r\n...", "\r\n...\r\n");
    row("marks template short of a paper", "30121", "#FST#>0>0>0>0>0", "#FST#>0>0>0>0");
    row("marks template missing", "30111", gone, gone);
    row("trend template missing", "30126", gone, gone);
    row("results template missing", "30114", gone, gone);
    row("marks table missing", "30025", gone, gone);
}

// The data folder holds progress made with the sound course; the broken one
// then opens, pages, saves and marks every paper it can.
void TestBadInput::brokenCoursePackages()
{
    QFETCH(Breakage, breakage);

    QTemporaryDir data;
    {
        Workspace sound(fixtureFolder, data.path());
        QVERIFY(sound.store.EnsureProgressFiles().isEmpty());
        for (int subject : {1, 2}) {
            auto attempt = sound.open(subject, 1).attempt;
            QVERIFY(attempt);
            attempt->setPageAnswers({u"3"_qs, u"145"_qs});
            QVERIFY(attempt->mark());
            QVERIFY(sound.store.saveAnswers(subject, 1, 2, QStringList(subject == 1 ? 5 : 2, u"2"_qs)));
        }
    }
    const QMap<QString, QByteArray> good = snapshot(data.path());

    const BrokenCourse course(breakage);
    Workspace broken(course.folder(), data.path());
    const QList<ProgressProblem> problems = broken.store.EnsureProgressFiles();
    for (const ProgressProblem &problem : problems)
        QVERIFY2(!problem.keptAs.isEmpty(), qPrintable(problem.path));

    // Whatever was stored for papers 1 and 2 is still there, in its file or
    // in a copy kept aside.
    for (auto it = good.cbegin(); it != good.cend(); ++it) {
        const QStringList kept = keptLines(data.path(), it.key());
        for (const QString &line : TaggedRecords::splitLines(it.value())) {
            if (line.startsWith(u"#101#") || line.startsWith(u"#102#") || line.startsWith(u"#TRD#"))
                QVERIFY2(kept.contains(line), qPrintable(it.key() + u": "_qs + line));
        }
    }

    // Every paper opens or says why not, and working on it crashes nothing.
    const CourseModel &model = broken.store.course();
    int opened = 0;
    for (int subject : model.presentSubjects()) {
        for (int paper = 1; paper <= model.subject(subject).paperCount; ++paper) {
            for (int attempt : {1, 2}) {
                const auto open = broken.open(subject, paper, attempt);
                QVERIFY(open.attempt || !open.problem.isEmpty());
                if (!open.attempt)
                    continue;
                ++opened;
                for (int page = 1; page <= open.attempt->pageCount(); ++page) {
                    open.attempt->pageRows();
                    open.attempt->setPageAnswers(QStringList(20, u"2"_qs));
                    open.attempt->goToPage(page + 1);
                }
                open.attempt->save();
                open.attempt->mark();
                open.attempt->pageRows();
            }
        }
    }
    qInfo("%d attempts opened, %lld files kept aside", opened, qint64(problems.size()));
}

void TestBadInput::marksNoScoreCanHoldStopThePaper_data()
{
    QTest::addColumn<QByteArray>("marks");
    QTest::newRow("too large to count") << QByteArray("1e308");
    QTest::newRow("infinite") << QByteArray("inf");
    QTest::newRow("not a number") << QByteArray("nan");
    QTest::newRow("below nothing") << QByteArray("-3");
}

// Scores are whole numbers added up slot by slot: a mark beyond what they can
// hold would overflow them, so the paper does not open and says why.
void TestBadInput::marksNoScoreCanHoldStopThePaper()
{
    QFETCH(QByteArray, marks);
    const BrokenCourse course({u"30015"_qs, "#15004#>1>1", "#15004#>1>" + marks});
    Workspace ws(course.folder());
    QVERIFY(ws.store.EnsureProgressFiles().isEmpty());
    const auto opened = ws.open(1, 2);
    QVERIFY(!opened.attempt);
    QVERIFY2(opened.problem.contains(u"marks"_qs), qPrintable(opened.problem));
    QVERIFY(ws.open(1, 1).attempt);
}

QTEST_GUILESS_MAIN(TestBadInput)
#include "tst_badinput.moc"
