// The course tool as the build and an author run it: a tiny course source is
// built into a package whose bytes are checked, source errors stop the build,
// and a sound package broken in one place at a time has that place named.

#include "pagecheck.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString tool = QStringLiteral(QUORVALE_COURSE_TOOL);
const QString skinPictures = QStringLiteral(QUORVALE_SKIN_DIR);

struct Run
{
    int exitCode = -1;
    QString output;
};

Run runTool(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAll())};
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QByteArray courseFile = "# A course small enough to read whole\n"
                              "name: Tiny Course\ncode: TC\n\n"
                              "subject: English\nfolder: english\ntopic: Grammar\n\n"
                              "subject: Maths\nfolder: maths\ntopic: Numbers\n";

QByteArray choicePage(const QByteArray &answer)
{
    return "=== page\nkind: Q\nmarks: 1\ninstruction: Choose the right word.\n"
           "question: Yesterday Sam ____ to the park.\noptions: go | went | goes | going\nanswer: "
           + answer + "\n";
}

QByteArray numberPage(const QByteArray &answer)
{
    return "=== page\nkind: N\nmarks: 1\nquestion: How many?\nanswer: " + answer + "\n";
}

const QByteArray figure = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"40\">\n"
                          "<rect x=\"1\" y=\"1\" width=\"118\" height=\"38\" fill=\"#8fb8e8\" stroke=\"#1d4f91\"/>\n"
                          "</svg>\n";

// Subject 1: pages 15001..15006; subject 2: pages 25001..25006.
QMap<QString, QByteArray> tinySource()
{
    return {
        {QStringLiteral("course.txt"), courseFile},
        {QStringLiteral("english/paper01.txt"),
         "# Topic 1, paper 1\n" + choicePage("2")
             + "\n=== page\nkind: L\nmarks: 2\ninstruction: Rewrite the sentence.\n"
               "question: the cat sat on the mat\nanswer: The cat sat on the mat.\n"},
        {QStringLiteral("english/paper02.txt"),
         "=== page\nkind: T\nmarks: 1\ninstruction: Use each word once: went, took\n"
         "passage: Sam [took] his dog and\nthey [went] to the park.\n"},
        {QStringLiteral("english/paper03.txt"), choicePage("1")},
        {QStringLiteral("english/paper04.txt"), choicePage("3")},
        {QStringLiteral("english/paper05.txt"), choicePage("4")},
        {QStringLiteral("maths/paper01.txt"),
         "=== page\ninstruction: Work out the answers.\n"
         "blank: 3.5 + 0.35 = | 3.85 | N | 2 | = 3.5 + 0.35\n"
         "blank: Write 5/3 as a mixed number. | 1 2/3 | F | 2 | = 5/3\n"
         "=== page\nkind: N\nmarks: 3\nimage: bar.svg\nquestion: A box holds 24 pencils. How many are in 6 boxes?\n"
         "answer: 144\n"},
        {QStringLiteral("maths/bar.svg"), figure},
        {QStringLiteral("maths/paper02.txt"),
         "=== page\ngroup: Write two factors of 12 between 1 and 12. | 2;3;4;6 | G | 1 | 2\n"},
        {QStringLiteral("maths/paper03.txt"), numberPage("7")},
        {QStringLiteral("maths/paper04.txt"), numberPage("8")},
        {QStringLiteral("maths/paper05.txt"), numberPage("9")},
    };
}

void writeSource(const QString &folder, const QMap<QString, QByteArray> &files)
{
    for (auto it = files.cbegin(); it != files.cend(); ++it)
        writeFile(QDir(folder).filePath(it.key()), it.value());
}

QByteArray bmp(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A file of a sound package and what to break in it. Without from, the file
// becomes to as a whole, or goes when to is empty too; otherwise every from
// in the file becomes to.
struct Breakage
{
    QString file;
    QByteArray from;
    QByteArray to;
};

void applyBreakage(const QString &package, const Breakage &breakage)
{
    const QString path = QDir(package).filePath(breakage.file);
    if (breakage.from.isEmpty()) {
        if (breakage.to.isEmpty())
            QVERIFY(QFile::remove(path));
        else
            writeFile(path, breakage.to);
        return;
    }
    QByteArray bytes = readFile(path);
    QVERIFY2(bytes.contains(breakage.from), qPrintable(breakage.file + QStringLiteral(" lacks ") + QString::fromLatin1(breakage.from)));
    writeFile(path, bytes.replace(breakage.from, breakage.to));
}

} // namespace

Q_DECLARE_METATYPE(Breakage)

class TestCourseTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void buildWritesThePackage_data();
    void buildWritesThePackage();
    void buildWritesReadablePages();
    void buildIsRepeatableAndDropsStaleResources();

    void buildRefusesSourceErrors_data();
    void buildRefusesSourceErrors();

    void checkPassesSoundPackage();
    void checkNamesEachProblem_data();
    void checkNamesEachProblem();

private:
    QTemporaryDir m_work;
    QString m_source;
    QString m_package;      // built without pictures
    QString m_soundPackage; // built with the skin pictures
};

void TestCourseTool::initTestCase()
{
    QVERIFY(m_work.isValid());
    m_source = m_work.filePath(QStringLiteral("source"));
    m_package = m_work.filePath(QStringLiteral("package"));
    m_soundPackage = m_work.filePath(QStringLiteral("sound"));
    writeSource(m_source, tinySource());
    const Run plain = runTool({QStringLiteral("build"), m_source, m_package});
    QVERIFY2(plain.exitCode == 0, qPrintable(plain.output));
    const Run sound = runTool({QStringLiteral("build"), QStringLiteral("--pictures"), skinPictures, m_source, m_soundPackage});
    QVERIFY2(sound.exitCode == 0, qPrintable(sound.output));
}

void TestCourseTool::buildWritesThePackage_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("descriptor") << QStringLiteral("30000")
                                << QByteArray("...\r\n#NME#>Tiny Course\r\n#COD#>TC\r\n#LAH#>English\r\n#LBH#>Maths\r\n"
                                              "#LCH#>\r\n----------------------------------------\r\n"
                                              "#TT1#>1\r\n#TP1#>5\r\n#TN1#>Grammar\r\n"
                                              "#TT2#>1\r\n#TP2#>5\r\n#TN2#>Numbers\r\n...\r\n");
    QTest::newRow("page lists") << QStringLiteral("30012")
                                << QByteArray("...\r\n#101#>15001>15002\r\n#102#>15003\r\n#103#>15004\r\n"
                                              "#104#>15005\r\n#105#>15006\r\n...\r\n");
    QTest::newRow("keys: option number, sentence, passage words")
        << QStringLiteral("30013")
        << QByteArray("...\r\n#15001#>2\r\n#15002#>The cat sat on the mat.\r\n#15003#>took>went\r\n"
                      "#15004#>1\r\n#15005#>3\r\n#15006#>4\r\n...\r\n");
    QTest::newRow("kinds") << QStringLiteral("30014")
                           << QByteArray("...\r\n#15001#>Q\r\n#15002#>L\r\n#15003#>T>T\r\n#15004#>Q\r\n"
                                         "#15005#>Q\r\n#15006#>Q\r\n...\r\n");
    QTest::newRow("marks") << QStringLiteral("30015")
                           << QByteArray("...\r\n#15001#>1\r\n#15002#>2\r\n#15003#>1>1\r\n#15004#>1\r\n"
                                         "#15005#>1\r\n#15006#>1\r\n...\r\n");
    QTest::newRow("second subject numbered from 25001")
        << QStringLiteral("30022")
        << QByteArray("...\r\n#101#>25001>25002\r\n#102#>25003\r\n#103#>25004\r\n#104#>25005\r\n#105#>25006\r\n...\r\n");
    QTest::newRow("group: lead key and a continuation of one space")
        << QStringLiteral("30023")
        << QByteArray("...\r\n#25001#>3.85>1 2/3\r\n#25002#>144\r\n#25003#>;2;3;4;6> \r\n#25004#>7\r\n"
                      "#25005#>8\r\n#25006#>9\r\n...\r\n");
    QTest::newRow("group kinds and marks") << QStringLiteral("30024")
                                           << QByteArray("...\r\n#25001#>N>F\r\n#25002#>N\r\n#25003#>G>G\r\n"
                                                         "#25004#>N\r\n#25005#>N\r\n#25006#>N\r\n...\r\n");
    QTest::newRow("marks template") << QStringLiteral("30111")
                                    << QByteArray("...\r\n#FSE#>>>>>\r\n#SSE#>>>>>\r\n#LTM#>>>>>\r\n#CDD#>>>>>\r\n"
                                                  "#FST#>0>0>0>0>0\r\n#SST#>0>0>0>0>0\r\n...\r\n");
    const QByteArray englishRows("...\r\n#101#>>\r\n#102#>>\r\n#103#>\r\n#104#>\r\n#105#>\r\n...");
    QTest::newRow("first answers template, no line end at the end") << QStringLiteral("30112") << englishRows;
    QTest::newRow("second answers template") << QStringLiteral("30113") << englishRows;
    QTest::newRow("first results template") << QStringLiteral("30114") << englishRows;
    QTest::newRow("second results template") << QStringLiteral("30115") << englishRows;
    QTest::newRow("trend template") << QStringLiteral("30116") << QByteArray("#TRD#\r\n");
    QTest::newRow("rows of the second subject")
        << QStringLiteral("30122") << QByteArray("...\r\n#101#>>>\r\n#102#>>\r\n#103#>\r\n#104#>\r\n#105#>\r\n...");
}

void TestCourseTool::buildWritesThePackage()
{
    QFETCH(QString, resource);
    QFETCH(QByteArray, bytes);
    QCOMPARE(readFile(QDir(m_package).filePath(resource)), bytes);
}

void TestCourseTool::buildWritesReadablePages()
{
    const QDir package(m_package);
    const QStringList pages = package.entryList({QStringLiteral("?5*")}, QDir::Files);
    QCOMPARE(pages, QStringList({QStringLiteral("15001"), QStringLiteral("15002"), QStringLiteral("15003"),
                                 QStringLiteral("15004"), QStringLiteral("15005"), QStringLiteral("15006"),
                                 QStringLiteral("25001"), QStringLiteral("25002"), QStringLiteral("25003"),
                                 QStringLiteral("25004"), QStringLiteral("25005"), QStringLiteral("25006")}));
    for (const QString &page : pages)
        QCOMPARE(PageCheck::problems(readFile(package.filePath(page))), QStringList());

    // The second page of paper 101 carries the figure as an SVG part addressed by Content-ID.
    const QByteArray withFigure = readFile(package.filePath(QStringLiteral("25002")));
    QVERIFY(withFigure.contains("Subject: Question 2\r\n"));
    QVERIFY(withFigure.contains("Content-Type: image/svg+xml\r\nContent-ID: <figure1@quorvale.invalid>"));
    QVERIFY(withFigure.contains("src=3D\"cid:figure1@quorvale.invalid\""));
    QVERIFY(!withFigure.contains("file:"));
}

void TestCourseTool::buildIsRepeatableAndDropsStaleResources()
{
    const QString again = m_work.filePath(QStringLiteral("again"));
    writeFile(QDir(again).filePath(QStringLiteral("15099")), "a page from an older build");
    const Run run = runTool({QStringLiteral("build"), m_source, again});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    const QStringList names = QDir(m_package).entryList(QDir::Files);
    QCOMPARE(QDir(again).entryList(QDir::Files), names);
    for (const QString &name : names)
        QVERIFY2(readFile(QDir(again).filePath(name)) == readFile(QDir(m_package).filePath(name)), qPrintable(name));
}

void TestCourseTool::buildRefusesSourceErrors_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message");

    const QString english = QStringLiteral("english/paper03.txt");
    const QString maths = QStringLiteral("maths/paper03.txt");
    QTest::newRow("sum that does not make its key")
        << maths << QByteArray("=== page\nblank: 2.5 + 2.5 = | 5.5 | N | 1 | = 2.5 + 2.5\n")
        << QStringLiteral("maths/paper03.txt:2: the sum \"2.5 + 2.5\" makes 5, not the answer \"5.5\"");
    QTest::newRow("sum beside a mixed number")
        << maths << QByteArray("=== page\nblank: Write 7/3 as a mixed number. | 2 1/2 | F | 1 | = 7/3\n")
        << QStringLiteral("maths/paper03.txt:2: the sum \"7/3\" makes 2 1/3, not the answer \"2 1/2\"");
    QTest::newRow("sum that cannot be worked out")
        << maths << QByteArray("=== page\nblank: Half of 4 | 2 | N | 1 | = 4 / (2 - 2)\n")
        << QStringLiteral("maths/paper03.txt:2: the sum \"4 / (2 - 2)\" cannot be worked out: division by zero");
    QTest::newRow("option answer beyond the options")
        << english << choicePage("5")
        << QStringLiteral("english/paper03.txt:7: the answer \"5\" is not the number of one of the 4 options");
    QTest::newRow("kind N answer that is no number")
        << maths << numberPage("3,5") << QStringLiteral("maths/paper03.txt:5: the answer \"3,5\" of kind N is not a plain number");
    QTest::newRow("answer with two spaces in a row")
        << english << QByteArray("=== page\nkind: L\nmarks: 2\nquestion: the cat sat\nanswer: The cat  sat.\n")
        << QStringLiteral("english/paper03.txt:5: the answer \"The cat  sat.\" has two spaces in a row");
    QTest::newRow("misspelt key")
        << english << QByteArray("=== page\ninstuction: Choose.\n" + choicePage("1").mid(9))
        << QStringLiteral("english/paper03.txt:2: unknown key \"instuction:\"");
    QTest::newRow("page without kind")
        << maths << QByteArray("=== page\nmarks: 1\nquestion: How many?\nanswer: 3\n")
        << QStringLiteral("maths/paper03.txt:1: the page has no \"kind:\" line");
    QTest::newRow("passage blank not closed")
        << english << QByteArray("=== page\nkind: T\nmarks: 1\npassage: Sam [took his dog.\n")
        << QStringLiteral("english/paper03.txt:4: a \"[\" in the passage is not closed by \"]\"");
    QByteArray crowded = "=== page\npassage: ";
    for (int i = 0; i < 21; ++i)
        crowded += "[word] ";
    QTest::newRow("more blanks than answer rows")
        << english << QByteArray("=== page\nkind: T\nmarks: 1\n" + crowded.mid(9) + "\n")
        << QStringLiteral("english/paper03.txt:1: the page has 21 blanks; at most 20 fit the answer sheet");
    QTest::newRow("group of more blanks than answers")
        << maths << QByteArray("=== page\ngroup: Two even numbers below 5 | 2;4 | G | 1 | 3\n")
        << QStringLiteral("maths/paper03.txt:2: 3 blanks need at least 3 answers; the group lists 2");
    QTest::newRow("group answer listed twice")
        << maths << QByteArray("=== page\ngroup: Two odd numbers below 5 | 1;3;1 | G | 1 | 2\n")
        << QStringLiteral("maths/paper03.txt:2: the answer \"1\" is listed twice");
    QTest::newRow("picture that is not there")
        << maths << QByteArray("=== page\nimage: missing.svg\n" + numberPage("3").mid(9))
        << QStringLiteral("maths/paper03.txt:2: the picture");
    QTest::newRow("answer the tables cannot hold")
        << english << QByteArray("=== page\nkind: T\nmarks: 1\nquestion: Which sign?\nanswer: a>b\n")
        << QStringLiteral("english/paper03.txt:5: the answer \"a>b\" cannot contain \">\" or \"#\"");
    QTest::newRow("paper beyond the topics")
        << QStringLiteral("english/paper06.txt") << choicePage("1")
        << QStringLiteral("english/paper06.txt: is not one of the papers 01 to 05");
}

void TestCourseTool::buildRefusesSourceErrors()
{
    QFETCH(QString, file);
    QFETCH(QByteArray, text);
    QFETCH(QString, message);

    QTemporaryDir source;
    QVERIFY(source.isValid());
    QMap<QString, QByteArray> files = tinySource();
    files.insert(file, text);
    writeSource(source.path(), files);
    const QString package = source.filePath(QStringLiteral("package"));
    const Run run = runTool({QStringLiteral("build"), source.path(), package});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.output.contains(QDir(source.path()).filePath(message)), qPrintable(run.output));
    QVERIFY(!QFileInfo::exists(package));
}

void TestCourseTool::checkPassesSoundPackage()
{
    const Run run = runTool({QStringLiteral("check"), m_soundPackage});
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    QVERIFY(run.output.contains(QStringLiteral("is sound")));
}

void TestCourseTool::checkNamesEachProblem_data()
{
    QTest::addColumn<Breakage>("breakage");
    QTest::addColumn<QString>("problem");

    auto row = [](const char *name, const QString &file, const QByteArray &from, const QByteArray &to, const QString &problem) {
        QTest::newRow(name) << Breakage{file, from, to} << problem;
    };
    const QString descriptor = QStringLiteral("30000");
    const QString pageLists = QStringLiteral("30012");
    const QString keys1 = QStringLiteral("30013");
    const QString kinds1 = QStringLiteral("30014");
    const QString keys2 = QStringLiteral("30023");
    const QString kinds2 = QStringLiteral("30024");

    row("descriptor line ends", descriptor, "\r\n", "\n",
        QStringLiteral("30000 (course descriptor): line 1 does not end with CR LF"));
    row("no course name", descriptor, "#NME#>Tiny Course", "#NME#>",
        QStringLiteral("30000 (course descriptor): the course name (NME) is missing or empty"));
    row("record not at the start of its line", descriptor, "#COD#>TC", " #COD#>TC",
        QStringLiteral("30000 (course descriptor): the record COD does not start its line"));
    row("paper count not five per topic", descriptor, "#TP1#>5", "#TP1#>10",
        QStringLiteral("30000 (course descriptor): the paper count TP1 is 10; the subject's one topic of five papers make 5"));
    row("more than ten topics", descriptor, "#TT1#>1", "#TT1#>11",
        QStringLiteral("30000 (course descriptor): the topic count TT1 \"11\" is not a number from 1 to 10"));
    row("more than fifty papers", descriptor, "#TP2#>5", "#TP2#>55",
        QStringLiteral("30000 (course descriptor): the paper count TP2 \"55\" is not a number from 1 to 50"));
    row("topic names and count disagree", descriptor, "#TN1#>Grammar", "#TN1#>Grammar>Spelling",
        QStringLiteral("30000 (course descriptor): TN1 names 2 topics, but TT1 is 1"));

    row("paper missing from the page lists", pageLists, "#103#>15004\r\n", "",
        QStringLiteral("30012 (page lists of subject 1): paper 103: missing (paper 3 of topic 1)"));
    row("papers out of order", pageLists, "#102#>15003\r\n#103#>15004", "#103#>15004\r\n#102#>15003",
        QStringLiteral("30012 (page lists of subject 1): line 4: paper 102 comes after paper 103"));
    row("pages of a paper out of order", pageLists, "#101#>15001>15002", "#101#>15002>15001",
        QStringLiteral("30012 (page lists of subject 1): paper 101: page 15001 is listed after page 15002"));
    row("page listed by two papers", pageLists, "#103#>15004", "#103#>15003",
        QStringLiteral("30012 (page lists of subject 1): paper 103: page 15003 is also listed by paper 102"));
    row("page table out of order", keys1, "#15004#>1\r\n#15005#>3", "#15005#>3\r\n#15004#>1",
        QStringLiteral("30013 (answer keys of subject 1): line 6: page 15004 comes after page 15005"));
    row("page missing from a table", kinds1, "#15004#>Q\r\n", "",
        QStringLiteral("30014 (answer kinds of subject 1): paper 103, page 15004: the page has no record in this table"));
    row("tables disagree on the slot count", kinds1, "#15001#>Q", "#15001#>Q>Q",
        QStringLiteral("30013 (answer keys of subject 1): paper 101, page 15001: 1 answer keys, 2 answer kinds and 1 marks"));
    row("too many slots on a page", keys1, "#15004#>1", "#15004#>1" + QByteArray(">1").repeated(20),
        QStringLiteral("30013 (answer keys of subject 1): paper 103, page 15004: 21 slots on one page"));
    row("too many slots in a paper", keys1, "#15003#>took>went", "#15003#>took>went" + QByteArray(">x").repeated(79),
        QStringLiteral("30013 (answer keys of subject 1): paper 102: 81 slots; a paper holds at most 80"));
    row("unknown answer kind", kinds1, "#15004#>Q", "#15004#>Z",
        QStringLiteral("30014 (answer kinds of subject 1): paper 103, page 15004, slot 1 (a): unknown answer kind \"Z\""));
    row("marks that are no whole number", QStringLiteral("30015"), "#15002#>2", "#15002#>two",
        QStringLiteral("30015 (marks of subject 1): paper 101, page 15002, slot 2 (a): the marks \"two\" are not a whole number"));
    row("option key out of range", keys1, "#15004#>1", "#15004#>0",
        QStringLiteral("30013 (answer keys of subject 1): paper 103, page 15004, slot 1 (a): kind \"Q\" key \"0\" is not an option number"));
    row("kind N key the number rule refuses", keys2, "#25001#>3.85", "#25001#>3,85",
        QStringLiteral("30023 (answer keys of subject 2): paper 101, page 25001, slot 1 (a): kind \"N\" key \"3,85\" is not a number the answer check accepts"));
    row("sentence key with a doubled inner space", keys1, "The cat sat", "The cat  sat",
        QStringLiteral("30013 (answer keys of subject 1): paper 101, page 15002, slot 2 (a): key \"The cat  sat on the mat.\" is marked wrong when a pupil types it as \"The cat sat on the mat.\""));
    row("mixed number with a doubled inner space", keys2, ">1 2/3", ">1  2/3",
        QStringLiteral("30023 (answer keys of subject 2): paper 101, page 25001, slot 2 (b): key \"1  2/3\" is marked wrong"));
    row("key that a blank answer matches", keys1, "#15003#>took>went", "#15003#>took> ",
        QStringLiteral("30013 (answer keys of subject 1): paper 102, page 15003, slot 2 (b): the key \" \" continues a group, but the slot is of kind \"T\""));
    row("empty key", keys1, "#15003#>took>went", "#15003#>took>",
        QStringLiteral("30013 (answer keys of subject 1): paper 102, page 15003, slot 2 (b): key \"\" marks a blank answer right"));
    row("group answers that overlap", keys2, ";2;3;4;6", ";2;3;2;6",
        QStringLiteral("30023 (answer keys of subject 2): paper 102, page 25003, slot 1 (a): the group's answers \"2\" and \"2\" overlap"));
    row("group with fewer answers than blanks", keys2, ";2;3;4;6", ";2",
        QStringLiteral("30023 (answer keys of subject 2): paper 102, page 25003, slot 1 (a): the group of 2 blanks has only 1 answers"));
    row("group lead without ';'", keys2, ";2;3;4;6", "2;3;4;6",
        QStringLiteral("30023 (answer keys of subject 2): paper 102, page 25003, slot 1 (a): kind \"G\" key \"2;3;4;6\" is not a list of answers"));
    row("continuation at the first slot", keys2, "#25003#>;2;3;4;6> ", "#25003#> > ",
        QStringLiteral("30023 (answer keys of subject 2): paper 102, page 25003, slot 1 (a): the paper's first slot cannot continue a group"));
    row("continuation of another kind", kinds2, "#25003#>G>G", "#25003#>G>M",
        QStringLiteral("30023 (answer keys of subject 2): paper 102, page 25003, slot 2 (b): a slot of kind \"M\" continues a group led by slot 1 of kind \"G\""));

    row("page missing", QStringLiteral("15002"), QByteArray(), QByteArray(),
        QStringLiteral("15002 (question page): paper 101, page 15002: the question page is missing"));
    row("page that is no web archive", QStringLiteral("15002"), QByteArray(), "<html>Question 2</html>\r\n",
        QStringLiteral("15002 (question page): paper 101, page 15002: not a readable web archive"));
    row("page with bare line feeds", QStringLiteral("15002"), "\r\n", "\n",
        QStringLiteral("15002 (question page): paper 101, page 15002: not a readable web archive: its line ends are not all CR LF"));
    row("page addressing a local file", QStringLiteral("15002"), "cid:page.css@quorvale.invalid\"", "file:///tmp/page.css\"",
        QStringLiteral("15002 (question page): paper 101, page 15002: part 1 (text/html) refers to the local file file:///tmp/page.css"));
    row("page whose style sheet part is gone", QStringLiteral("15002"), "<page.css@quorvale.invalid>", "<other@quorvale.invalid>",
        QStringLiteral("15002 (question page): paper 101, page 15002: part 1 (text/html) refers to cid:page.css@quorvale.invalid, which no part"));
    row("page with a broken figure", QStringLiteral("25002"), "<svg", "<svx",
        QStringLiteral("25002 (question page): paper 101, page 25002: part 3 (image/svg+xml) cannot be shown"));
    row("page in no paper", QStringLiteral("15099"), QByteArray(), "MIME-Version: 1.0\r\n",
        QStringLiteral("15099 (question page): the page is in no paper's page list"));
    row("file that is no resource", QStringLiteral("notes.txt"), QByteArray(), "remember the milk",
        QStringLiteral("notes.txt: not a resource of this course"));

    row("answers template row of the wrong length", QStringLiteral("30112"), "#101#>>", "#101#>",
        QStringLiteral("30112 (first answers template of subject 1): the record 101 has 1 fields; it must have 2"));
    row("answers template with a final line end", QStringLiteral("30115"), QByteArray(),
        "...\r\n#101#>>\r\n#102#>>\r\n#103#>\r\n#104#>\r\n#105#>\r\n...\r\n",
        QStringLiteral("30115 (second results template of subject 1): line 7 ends wrongly"));
    row("marks template short of a paper", QStringLiteral("30121"), "#FST#>0>0>0>0>0", "#FST#>0>0>0>0",
        QStringLiteral("30121 (marks template of subject 2): the record FST has 4 fields; it must have 5"));
    row("trend template missing", QStringLiteral("30126"), QByteArray(), QByteArray(),
        QStringLiteral("30126 (trend template of subject 2): missing"));
    row("table missing", QStringLiteral("30025"), QByteArray(), QByteArray(),
        QStringLiteral("30025 (marks of subject 2): missing"));

    row("picture missing", QStringLiteral("45"), QByteArray(), QByteArray(),
        QStringLiteral("45 (border_bot.bmp): the picture is missing"));
    row("picture of the wrong size", QStringLiteral("84"), QByteArray(), bmp(400, 17),
        QStringLiteral("84 (bar.bmp): the picture is 400 x 17 pixels; it must be 401 x 17"));
    row("picture in the wrong format", QStringLiteral("89"), QByteArray(), bmp(204, 23),
        QStringLiteral("89 (Logo.gif): the file is not in GIF format"));
}

void TestCourseTool::checkNamesEachProblem()
{
    QFETCH(Breakage, breakage);
    QFETCH(QString, problem);

    QTemporaryDir copy;
    QVERIFY(copy.isValid());
    for (const QString &name : QDir(m_soundPackage).entryList(QDir::Files))
        QVERIFY(QFile::copy(QDir(m_soundPackage).filePath(name), copy.filePath(name)));
    applyBreakage(copy.path(), breakage);
    if (QTest::currentTestFailed())
        return;

    const Run run = runTool({QStringLiteral("check"), copy.path()});
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.output.contains(problem), qPrintable(run.output));
}

QTEST_GUILESS_MAIN(TestCourseTool)
#include "tst_coursetool.moc"
