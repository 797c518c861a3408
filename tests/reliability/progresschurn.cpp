// Saves and marks papers through the progress store in a loop, as fast as it
// can, for a test to kill at random instants:
//   progresschurn COURSE DATADIR FIRST [LAST]
// runs generations FIRST..LAST (without end when LAST is left out) of the
// churn schedule and prints "done g" once generation g is wholly stored.
#include "churnschedule.h"
#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "course/questionbank.h"
#include "progress/progressstore.h"

#include <QList>

#include <cstdio>
#include <limits>

using namespace ChurnSchedule;

namespace {

int fail(qint64 g, const StoreResult &result)
{
    std::fprintf(stderr, "generation %lld: %s\n", static_cast<long long>(g), qPrintable(result.error));
    return 1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: progresschurn COURSE DATADIR FIRST [LAST]\n");
        return 2;
    }
    const CoursePackage package = CoursePackage::fromFolder(QString::fromLocal8Bit(argv[1]));
    const QString dataDir = QString::fromLocal8Bit(argv[2]);
    const qint64 first = QByteArray(argv[3]).toLongLong();
    const qint64 last = argc > 4 ? QByteArray(argv[4]).toLongLong() : std::numeric_limits<qint64>::max();

    ProgressStore store(package, dataDir, CourseModel::load(package, dataDir));
    store.EnsureProgressFiles();
    const int paperCount = store.course().subject(Subject).paperCount;
    QList<int> slotCounts;
    for (int paper = 1; paper <= paperCount; ++paper)
        slotCounts.append(ReadPaperDefinition(package, Subject, QString::number(100 + paper)).slotCount());

    for (qint64 g = first; g <= last; ++g) {
        const int paper = paperOf(g, paperCount);
        const int slotCount = slotCounts.at(paper - 1);
        if (const StoreResult saved = store.saveAnswers(Subject, 1, paper, answers(g, slotCount)); !saved)
            return fail(g, saved);
        if (const StoreResult marked = store.recordMarking(Subject, 2, paper, {results(g, slotCount), score(g), {}, {}});
            !marked)
            return fail(g, marked);
        if (marksFirstAttempt(g)) {
            const StoreResult marked =
                store.recordMarking(Subject, 1, paper, {results(g, slotCount), score(g), timeTaken(g), date(g)});
            if (!marked)
                return fail(g, marked);
        }
        std::printf("done %lld\n", static_cast<long long>(g));
        std::fflush(stdout);
    }
    return 0;
}
