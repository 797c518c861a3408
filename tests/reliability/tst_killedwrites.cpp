// Kills a process that saves and marks papers at random instants and checks,
// after every kill, that each progress file still reads as sound and that
// every stored row and marks field is wholly the old or wholly the new one.
//
//   tst_killedwrites [--kills N] [--seed S] [QTest options]
// runs N kills (10 unless told).
#include "churnschedule.h"
#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "course/questionbank.h"
#include "progress/progressfilecheck.h"
#include "progress/progressstore.h"
#include "testfiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

using namespace ChurnSchedule;

namespace {

int killCount = 10;
quint32 seed = QRandomGenerator::system()->generate();

constexpr qint64 Never = -1; // the template's value: no generation wrote it

} // namespace

class TestKilledWrites : public QObject
{
    Q_OBJECT

private slots:
    void everyKillLeavesWholeRows();

private:
    // Stored items: the rows of the answers and results files and the
    // marks fields, each by name, such as "first/3" or "FSE/3".
    QStringList itemsOf(qint64 g) const;
    QStringList expected(const QString &item, qint64 g) const;
    QStringList stored(const ProgressStore &store, const QString &item) const;
    void checkFiles(const ProgressStore &store);

    const CoursePackage m_course = CoursePackage::fromFolder(QStringLiteral(QUORVALE_FIXTURE_COURSE));
    QList<int> m_slotCounts;
    // The generations that may have written each item last.
    QMap<QString, QSet<qint64>> m_allowed;
    QList<qint64> m_trend;         // first markings known to be stored
    QSet<qint64> m_trendMaybe;     // first markings a kill cut short
    int m_cutShort = 0;            // kills that left a generation partly stored
};

QStringList TestKilledWrites::itemsOf(qint64 g) const
{
    const QString paper = QString::number(paperOf(g, int(m_slotCounts.size())));
    QStringList items = {u"first/"_qs + paper, u"sresults/"_qs + paper, u"SSE/"_qs + paper, u"SST/"_qs + paper};
    if (marksFirstAttempt(g)) {
        for (const char *name : {"fresults/", "FSE/", "LTM/", "CDD/", "FST/"})
            items.append(QLatin1String(name) + paper);
    }
    return items;
}

QStringList TestKilledWrites::expected(const QString &item, qint64 g) const
{
    const QString kind = item.section(u'/', 0, 0);
    const int paper = item.section(u'/', 1).toInt();
    const int width = m_slotCounts.at(paper - 1);
    if (kind == u"first")
        return g == Never ? QStringList(width, QString()) : answers(g, width);
    if (kind == u"fresults" || kind == u"sresults")
        return g == Never ? QStringList(width, QString()) : results(g, width);
    if (kind == u"FST" || kind == u"SST")
        return {g == Never ? u"0"_qs : u"1"_qs};
    if (g == Never)
        return {QString()};
    if (kind == u"LTM")
        return {timeTaken(g)};
    if (kind == u"CDD")
        return {date(g)};
    return {score(g)};
}

QStringList TestKilledWrites::stored(const ProgressStore &store, const QString &item) const
{
    const QString kind = item.section(u'/', 0, 0);
    const int paper = item.section(u'/', 1).toInt();
    const int width = m_slotCounts.at(paper - 1);
    const QMap<QString, ProgressFile> rowFiles = {{u"first"_qs, ProgressFile::FirstAnswers},
                                                  {u"fresults"_qs, ProgressFile::FirstResults},
                                                  {u"sresults"_qs, ProgressFile::SecondResults}};
    if (rowFiles.contains(kind))
        return store.readPaperRow(rowFiles.value(kind), Subject, paper, width).value_or(QStringList{u"unsound"_qs});
    const auto marks = store.readMarks(Subject);
    if (!marks)
        return {u"unsound"_qs};
    const QList<QStringList> lists = marks->lists();
    return {lists.at(MarksRecords::keys().indexOf(kind)).value(paper - 1)};
}

void TestKilledWrites::checkFiles(const ProgressStore &store)
{
    for (int subject : store.course().presentSubjects()) {
        for (ProgressFile file : ProgressFiles::all()) {
            const QString path = store.path(file, subject);
            QVERIFY2(ProgressFileCheck::isSound(TestFiles::readFile(path),
                                                *m_course.resource(ProgressFiles::templateNumber(file, subject))),
                     qPrintable(path));
        }
    }
    QVERIFY(QDir(store.dataDir()).entryList({u"*damaged*"_qs}).isEmpty());

    for (auto it = m_allowed.cbegin(); it != m_allowed.cend(); ++it) {
        const QStringList value = stored(store, it.key());
        bool known = false;
        for (qint64 g : it.value())
            known = known || value == expected(it.key(), g);
        QVERIFY2(known, qPrintable(it.key() + u" holds "_qs + value.join(u'|').left(80)));
    }

    const QString trend = store.readTrendLine(Subject);
    QVERIFY(trend.startsWith(u"#TRD#"_qs));
    QList<qint64> scores;
    for (const QString &field : trend.mid(6).split(u'>', Qt::SkipEmptyParts))
        scores.append(field.toLongLong());
    for (qsizetype i = 1; i < scores.size(); ++i)
        QVERIFY(scores.at(i) > scores.at(i - 1));
    for (qint64 g : std::as_const(m_trend))
        QVERIFY2(scores.contains(g), qPrintable(trend.right(80)));
    for (qint64 g : std::as_const(scores))
        QVERIFY(m_trend.contains(g) || m_trendMaybe.contains(g));
}

void TestKilledWrites::everyKillLeavesWholeRows()
{
    qInfo("seed %u, %d kills", seed, killCount);
    QRandomGenerator random(seed);
    QTemporaryDir dir;
    ProgressStore store(m_course, dir.path(), CourseModel::load(m_course, dir.path()));
    QVERIFY(store.EnsureProgressFiles().isEmpty());
    const int paperCount = store.course().subject(Subject).paperCount;
    for (int paper = 1; paper <= paperCount; ++paper) {
        m_slotCounts.append(ReadPaperDefinition(m_course, Subject, QString::number(100 + paper)).slotCount());
        for (const char *name : {"first/", "fresults/", "sresults/", "FSE/", "SSE/", "LTM/", "CDD/", "FST/", "SST/"})
            m_allowed.insert(QLatin1String(name) + QString::number(paper), {Never});
    }

    qint64 next = 0;
    for (int kill = 0; kill < killCount; ++kill) {
        QProcess churn;
        churn.start(QStringLiteral(QUORVALE_CHURN),
                    {QStringLiteral(QUORVALE_FIXTURE_COURSE), dir.path(), QString::number(next)});
        QVERIFY(churn.waitForStarted());
        // The kill lands wherever the churn has got to after this many
        // generations: at start-up, between two files or inside a rewrite.
        const int generations = int(random.bounded(8));
        QByteArray output;
        while (output.count("done ") < generations && churn.waitForReadyRead(20000))
            output += churn.readAllStandardOutput();
        churn.kill();
        QVERIFY(churn.waitForFinished());
        output += churn.readAllStandardOutput();
        QCOMPARE(churn.exitStatus(), QProcess::CrashExit);
        const QByteArray errors = churn.readAllStandardError();
        QVERIFY2(errors.isEmpty(), errors.constData());

        for (const QByteArray &line : output.split('\n')) {
            if (!line.startsWith("done "))
                continue;
            QCOMPARE(line.mid(5).toLongLong(), next);
            for (const QString &item : itemsOf(next))
                m_allowed[item] = {next};
            if (marksFirstAttempt(next))
                m_trend.append(next);
            ++next;
        }
        // The generation under way may be stored in part; it is never run
        // again, as its trend score may already be there.
        const QStringList cut = itemsOf(next);
        for (const QString &item : cut)
            m_allowed[item].insert(next);
        if (marksFirstAttempt(next))
            m_trendMaybe.insert(next);
        checkFiles(store);
        if (QTest::currentTestFailed())
            return;
        if (std::any_of(cut.cbegin(), cut.cend(),
                        [&](const QString &item) { return stored(store, item) == expected(item, next); }))
            ++m_cutShort;
        ++next;
    }

    // And the churn still works on what the kills left.
    QProcess churn;
    churn.start(QStringLiteral(QUORVALE_CHURN), {QStringLiteral(QUORVALE_FIXTURE_COURSE), dir.path(),
                                                  QString::number(next), QString::number(next + 9)});
    QVERIFY(churn.waitForFinished(60000));
    QCOMPARE(churn.exitCode(), 0);
    for (qint64 g = next; g <= next + 9; ++g) {
        for (const QString &item : itemsOf(g))
            m_allowed[item] = {g};
        if (marksFirstAttempt(g))
            m_trend.append(g);
    }
    checkFiles(store);
    qInfo("%d kills survived: %lld generations stored, %d kills cut a generation short", killCount, next,
          m_cutShort);
}

// Takes "--name value" out of args; empty when it is not there.
QString takeOption(QStringList &args, const QString &name)
{
    const qsizetype at = args.indexOf(name);
    if (at < 0 || at + 1 >= args.size())
        return {};
    const QString value = args.at(at + 1);
    args.remove(at, 2);
    return value;
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    if (const QString kills = takeOption(args, u"--kills"_qs); !kills.isEmpty())
        killCount = kills.toInt();
    if (const QString given = takeOption(args, u"--seed"_qs); !given.isEmpty())
        seed = given.toUInt();
    TestKilledWrites test;
    return QTest::qExec(&test, args);
}

#include "tst_killedwrites.moc"
