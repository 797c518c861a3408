// Times Quorvale against the toolkit's floor and prints one table. Run it
// through bench/run.sh, which builds it and gives it a virtual display.
//   quorvale-bench [--runs N]
// Every figure is the median of N runs (5 unless told), each in a fresh
// process; the floor is measured in the same run on the same machine.
#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "course/questionbank.h"
#include "embeddedcourse.h"
#include "markingcourse.h"
#include "practice/paperattempt.h"
#include "practice/scoring.h"
#include "processtree.h"
#include "progress/progressstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr int idleSeconds = 10;

qint64 monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

double median(QList<double> values)
{
    if (values.isEmpty())
        return qQNaN();
    std::sort(values.begin(), values.end());
    const qsizetype mid = values.size() / 2;
    return values.size() % 2 ? values.at(mid) : (values.at(mid - 1) + values.at(mid)) / 2;
}

// What one process reported: its timed lines by name, and when idle was
// asked for, its CPU (% of one core) and memory (PSS, MB).
struct Report
{
    QMap<QString, QList<double>> figures;
    QStringList words; // the extra words of the startup line: the window size
    double idleCpu = qQNaN();
    double pssMb = qQNaN();
};

Report runOnce(const QString &program, const QStringList &arguments, const QString &scenario, bool idle)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!scenario.isEmpty()) {
        env.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("quorvaleprobe"));
        env.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(QUORVALE_BENCH_PLUGINS));
        env.insert(QStringLiteral("QUORVALE_PROBE"), scenario);
    }
    const qint64 start = monotonicNow();
    env.insert(QStringLiteral("QUORVALE_PROBE_T0"), QString::number(start));
    process.setProcessEnvironment(env);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);

    Report report;
    bool ready = false;
    while (!ready && process.waitForReadyRead(60000)) {
        while (process.canReadLine()) {
            const QStringList words = QString::fromUtf8(process.readLine()).simplified().split(u' ');
            if (words.first() == u"ready") {
                ready = true;
            } else if (words.first() == u"failed") {
                std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(words.join(u' ')));
            } else if (words.size() >= 2) {
                report.figures[words.first()].append(words.at(1).toDouble());
                // How long the click itself took, where the probe says.
                const qsizetype click = words.indexOf(u"click"_qs);
                if (click > 1 && click + 1 < words.size())
                    report.figures[words.first() + u"-click"_qs].append(words.at(click + 1).toDouble());
                if (words.first() == u"startup" || words.first() == u"open1")
                    report.words += words.mid(2);
            }
        }
    }
    if (!ready)
        std::fprintf(stderr, "%s %s: no \"ready\"\n", qPrintable(program), qPrintable(arguments.join(u' ')));
    if (ready && idle) {
        const qint64 pid = process.processId();
        const qint64 cpuBefore = ProcessTree::cpuNs(pid);
        const qint64 from = monotonicNow();
        process.waitForFinished(idleSeconds * 1000);
        report.idleCpu = 100.0 * double(ProcessTree::cpuNs(pid) - cpuBefore) / double(monotonicNow() - from);
        report.pssMb = double(ProcessTree::pssKb(pid)) / 1024;
    }
    ProcessTree::kill(process.processId());
    process.waitForFinished();
    return report;
}

// The figures of runs, gathered by name.
struct Series
{
    QMap<QString, QList<double>> figures;
    QStringList words;

    void add(const Report &report, const QString &prefix = QString())
    {
        for (auto it = report.figures.cbegin(); it != report.figures.cend(); ++it) {
            // A run's figures of one kind (page turns) count as one, their median.
            figures[prefix + it.key()].append(median(it.value()));
        }
        if (!qIsNaN(report.idleCpu)) {
            figures[prefix + u"cpu"_qs].append(report.idleCpu);
            figures[prefix + u"pss"_qs].append(report.pssMb);
        }
        if (report.words.size() > words.size())
            words = report.words;
    }
    double operator[](const QString &name) const { return median(figures.value(name)); }
};

QString writeResource(const CoursePackage &package, int number, const QString &path)
{
    if (ExtractResource(package, number, QStringLiteral("Custom"), path) != 0)
        qFatal("resource %d cannot be written", number);
    return path;
}

// A data folder as a pupil leaves it after a while: half of each subject's
// papers marked.
void fillUsedFolder(const CoursePackage &package, const QString &folder)
{
    ProgressStore store(package, folder, CourseModel::load(package, folder));
    store.EnsureProgressFiles();
    for (int subject : store.course().presentSubjects()) {
        for (int paper = 1; paper <= store.course().subject(subject).paperCount; paper += 2) {
            auto attempt = PaperAttempt::open(package, store, {subject, paper, 1, 1, u"Topic"_qs}).attempt;
            if (!attempt)
                continue;
            for (int slot = 1; slot <= attempt->slotCount(); ++slot)
                attempt->setAnswer(slot, QString::number(slot % 4 + 1));
            attempt->save();
            attempt->mark();
        }
    }
}

// Marking a paper of the marking course without the animation: judging and
// writing the files, as the window's marking does once the bars are done.
double markingMs(const QString &course, int paperIndex)
{
    const CoursePackage package = CoursePackage::fromFolder(course);
    QTemporaryDir dir;
    ProgressStore store(package, dir.path(), CourseModel::load(package, dir.path()));
    store.EnsureProgressFiles();
    auto attempt = PaperAttempt::open(package, store, {1, paperIndex, 1, 1, u"Marking"_qs}).attempt;
    if (!attempt)
        qFatal("the marking course does not open");
    const QStringList answers = MarkingCourse::answers(paperIndex);
    for (int slot = 1; slot <= answers.size(); ++slot)
        attempt->setAnswer(slot, answers.at(slot - 1));
    attempt->save();
    const qint64 from = monotonicNow();
    if (!attempt->mark())
        qFatal("the marking course cannot be marked");
    return double(monotonicNow() - from) / 1e6;
}

// Judging alone, in microseconds: the part of marking that is not files.
double judgingUs(const QString &course, int paperIndex)
{
    const PaperDefinition paper =
        ReadPaperDefinition(CoursePackage::fromFolder(course), 1, QString::number(100 + paperIndex));
    const QStringList answers = MarkingCourse::answers(paperIndex);
    constexpr int repeats = 200;
    const qint64 from = monotonicNow();
    int score = 0;
    for (int i = 0; i < repeats; ++i)
        score += judgePaper(answers, paper.keys, paper.kinds, paper.marks).score;
    if (score <= 0)
        qFatal("nothing judged right");
    return double(monotonicNow() - from) / 1e3 / repeats;
}

QString figure(double value, int decimals)
{
    return qIsNaN(value) ? u"–"_qs : QString::number(value, 'f', decimals);
}

QString ratio(double value, double floor)
{
    return qIsNaN(value) || qIsNaN(floor) || floor <= 0 ? u"–"_qs : QString::number(value / floor, 'f', 2) + u'x';
}

QString difference(double value, double floor)
{
    return qIsNaN(value) || qIsNaN(floor) ? u"–"_qs : QString::asprintf("%+.2f", value - floor);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const qsizetype runsAt = args.indexOf(u"--runs"_qs);
    const int runs = std::max(runsAt > 0 ? args.value(runsAt + 1).toInt() : 5, 1);
    const QString program = QStringLiteral(QUORVALE_PROGRAM);
    const QString floorWindow = QStringLiteral(QUORVALE_FLOOR_WINDOW);
    const QString floorView = QStringLiteral(QUORVALE_FLOOR_VIEW);

    registerEmbeddedCourse();
    const CoursePackage package = CoursePackage::embedded();
    QTemporaryDir work;
    const QString used = work.filePath(u"used"_qs);
    QDir().mkpath(used);
    fillUsedFolder(package, used);

    // The floor's picture (the largest of the skin) and question pages (the
    // pages the program shows: paper 1's first four, then paper 2's first).
    QString picture;
    qsizetype largest = 0;
    for (int number = 1; number <= 92; ++number) {
        const qsizetype size = package.resource(number).value_or(QByteArray()).size();
        if (size > largest) {
            largest = size;
            picture = writeResource(package, number, work.filePath(u"picture"_qs));
        }
    }
    const PaperDefinition first = ReadPaperDefinition(package, 1, u"101"_qs);
    const PaperDefinition second = ReadPaperDefinition(package, 1, u"102"_qs);
    QStringList pages;
    for (const QString &pageId : first.pageIds.mid(0, 4))
        pages += writeResource(package, pageId.toInt(), work.filePath(u"temppaper"_qs + pageId + u".mht"_qs));
    pages += writeResource(package, second.pageIds.first().toInt(),
                           work.filePath(u"temppaper"_qs + second.pageIds.first() + u".mht"_qs));

    Series quorvale, bare;
    for (int run = 1; run <= runs; ++run) {
        std::fprintf(stderr, "run %d of %d\n", run, runs);
        QTemporaryDir fresh;
        quorvale.add(runOnce(program, {u"--data-dir"_qs, fresh.path()}, u"startup"_qs, false), u"fresh-"_qs);
        quorvale.add(runOnce(program, {u"--data-dir"_qs, used}, u"startup"_qs, true));
        quorvale.add(runOnce(program, {u"--data-dir"_qs, used}, u"paper"_qs, true), u"paper-"_qs);

        const QStringList size = quorvale.words.mid(0, 2);
        bare.add(runOnce(floorWindow, size + QStringList{picture}, u"startup"_qs, true));
        const QStringList viewSize = quorvale.words.mid(2, 2);
        bare.add(runOnce(floorView, QStringList{u"paper"_qs} + size + QStringList{picture} + viewSize + pages,
                         u"first-paint"_qs, true),
                 u"paper-"_qs);
        bare.add(runOnce(floorView, QStringList{u"start"_qs} + viewSize + pages.mid(0, 1), QString(), false));
    }

    QTemporaryDir markingDir;
    MarkingCourse::write(markingDir.path());
    QList<double> mark20, mark80;
    for (int run = 0; run < std::max(runs, 5); ++run) {
        mark20.append(markingMs(markingDir.path(), 1));
        mark80.append(markingMs(markingDir.path(), 2));
    }

    QTextStream out(stdout);
    out << "| Figure (median of " << runs << " runs) | Quorvale | Floor | Ratio | Target |\n";
    out << "|---|---:|---:|---:|---|\n";
    const auto row = [&](const QString &name, double value, double floorValue, const QString &compared,
                         const QString &target, int decimals = 1) {
        out << "| " << name << " | " << figure(value, decimals) << " | " << figure(floorValue, decimals) << " | "
            << compared << " | " << target << " |\n";
    };
    row(u"Start-up, fresh data folder (ms)"_qs, quorvale[u"fresh-startup"_qs], bare[u"startup"_qs],
        ratio(quorvale[u"fresh-startup"_qs], bare[u"startup"_qs]), u"≤ 1.6x"_qs);
    row(u"Start-up, used data folder (ms)"_qs, quorvale[u"startup"_qs], bare[u"startup"_qs],
        ratio(quorvale[u"startup"_qs], bare[u"startup"_qs]), u"≤ 1.6x"_qs);
    row(u"Opening the first paper, pointer on its button 2 s before (ms)"_qs, quorvale[u"paper-open1"_qs], bare[u"paper-open1"_qs],
        ratio(quorvale[u"paper-open1"_qs], bare[u"paper-open1"_qs]), u"–"_qs);
    row(u"Opening a later paper (ms)"_qs, quorvale[u"paper-open2"_qs], bare[u"paper-open2"_qs],
        ratio(quorvale[u"paper-open2"_qs], bare[u"paper-open2"_qs]), u"≤ 1.2x"_qs);
    row(u"  of which the click itself: saving, closing, the new window (ms)"_qs, quorvale[u"paper-open2-click"_qs],
        qQNaN(), u"–"_qs, u"–"_qs);
    row(u"Turning a page (ms)"_qs, quorvale[u"paper-turn"_qs], bare[u"paper-turn"_qs],
        ratio(quorvale[u"paper-turn"_qs], bare[u"paper-turn"_qs]), u"≤ 1.2x"_qs);
    row(u"  of which the click itself: saving, the next page written, the sheet (ms)"_qs,
        quorvale[u"paper-turn-click"_qs], qQNaN(), u"–"_qs, u"–"_qs);
    row(u"Marking a 20-slot paper, no animation (ms)"_qs, median(mark20), qQNaN(),
        u"judging "_qs + QString::number(judgingUs(markingDir.path(), 1), 'f', 0) + u" µs"_qs, u"–"_qs, 2);
    row(u"Marking an 80-slot paper, no animation (ms)"_qs, median(mark80), qQNaN(),
        u"judging "_qs + QString::number(judgingUs(markingDir.path(), 2), 'f', 0) + u" µs"_qs, u"< 10 ms"_qs, 2);
    row(u"Idle CPU over 10 s, main window (% of a core)"_qs, quorvale[u"cpu"_qs], bare[u"cpu"_qs],
        difference(quorvale[u"cpu"_qs], bare[u"cpu"_qs]), u"≤ +0.2"_qs, 2);
    row(u"Idle CPU over 10 s, with a practice window (% of a core)"_qs, quorvale[u"paper-cpu"_qs],
        bare[u"paper-cpu"_qs], difference(quorvale[u"paper-cpu"_qs], bare[u"paper-cpu"_qs]), u"≤ +0.2"_qs, 2);
    row(u"Memory (PSS of the process tree), main window (MB)"_qs, quorvale[u"pss"_qs], bare[u"pss"_qs],
        ratio(quorvale[u"pss"_qs], bare[u"pss"_qs]), u"≤ 1.3x"_qs);
    row(u"Memory (PSS of the process tree), with a practice window (MB)"_qs, quorvale[u"paper-pss"_qs],
        bare[u"paper-pss"_qs], ratio(quorvale[u"paper-pss"_qs], bare[u"paper-pss"_qs]), u"≤ 1.1x"_qs);
    row(u"For scale: a bare QWebEngineView, process start to page painted (ms)"_qs, qQNaN(), bare[u"loaded"_qs],
        u"–"_qs, u"–"_qs);
    return 0;
}
