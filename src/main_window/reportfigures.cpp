#include "reportfigures.h"

#include "course/coursemodel.h"
#include "progress/numbertext.h"

#include <algorithm>

namespace {

// Never named weakest or strongest, though its papers count everywhere else.
const QString mockExamination = QStringLiteral("Mock Examination");

struct Totals
{
    double count = 0;
    double sum = 0;
};

// Adds the readable scores of one topic's papers; an empty text is an attempt never marked.
Totals tallyScores(const QStringList &scores, int topic)
{
    Totals totals;
    const int first = topic * CourseModel::PapersPerTopic;
    for (int paper = first; paper < first + CourseModel::PapersPerTopic; ++paper) {
        if (const std::optional<double> score = parseScore(scores.value(paper))) {
            totals.count += 1;
            totals.sum += *score;
        }
    }
    return totals;
}

TopicTally tallyTopic(const QStringList &fse, const QStringList &sse, int topic)
{
    const Totals first = tallyScores(fse, topic);
    const Totals second = tallyScores(sse, topic);
    TopicTally tally{first.count, first.sum, second.count, second.sum, 0};
    // Ranked on every marked attempt; a topic without a first score is not ranked.
    if (first.count > 0)
        tally.blended = (first.sum + second.sum) / (first.count + second.count);
    return tally;
}

QString averageText(double sum, double count)
{
    return count < 1 ? QString() : formatScore(sum / count) + u'%';
}

QString overallAverage(double sum, double count)
{
    return count < 1 ? QStringLiteral("-") : averageText(sum, count);
}

// Ties go to the later topic: a later candidate replaces the current pick on equal values.
void rankTopics(ReportFigures &figures, int topicCount, const QStringList &topicNames)
{
    figures.weakestTopic = figures.strongestTopic = QStringLiteral("-");
    const auto attempted = std::count_if(figures.tallies.cbegin(), figures.tallies.cend(),
                                         [](const TopicTally &tally) { return tally.firstCount > 0; });
    if (attempted < 2)
        return;
    int weakest = -1;
    int strongest = -1;
    for (int topic = 0; topic < topicCount; ++topic) {
        const TopicTally &tally = figures.tallies.at(topic);
        if (tally.firstCount == 0 || topicNames.value(topic) == mockExamination)
            continue;
        if (weakest < 0 || tally.blended <= figures.tallies.at(weakest).blended)
            weakest = topic;
        if (strongest < 0 || tally.blended >= figures.tallies.at(strongest).blended)
            strongest = topic;
    }
    if (weakest < 0)
        return;
    figures.weakestTopic = topicNames.value(weakest) + u' ';
    figures.strongestTopic = topicNames.value(strongest) + u' ';
}

TopicRow topicRow(const TopicTally &tally, const QString &name, bool present)
{
    TopicRow row;
    row.name = name;
    row.visible = present;
    row.firstText = averageText(tally.firstSum, tally.firstCount);
    row.secondText = averageText(tally.secondSum, tally.secondCount);
    row.firstFraction = tally.firstCount > 0 ? tally.firstSum / tally.firstCount / 100 : 0;
    row.secondFraction = tally.secondCount > 0 ? tally.secondSum / tally.secondCount / 100 : 0;
    return row;
}

} // namespace

ReportFigures ComputeReport(int topicCount, int paperCount, const QStringList &topicNames, const QStringList &fse,
                            const QStringList &sse)
{
    topicCount = std::clamp(topicCount, 0, CourseModel::MaxTopics);
    ReportFigures figures;
    Totals first;
    Totals second;
    for (int topic = 0; topic < CourseModel::MaxTopics; ++topic) {
        const bool present = topic < topicCount;
        const TopicTally tally = present ? tallyTopic(fse, sse, topic) : TopicTally();
        figures.tallies.append(tally);
        figures.rows.append(topicRow(tally, present ? topicNames.value(topic) : QString(), present));
        first.count += tally.firstCount;
        first.sum += tally.firstSum;
        second.count += tally.secondCount;
        second.sum += tally.secondSum;
    }
    figures.firstAverage = overallAverage(first.sum, first.count);
    figures.secondAverage = overallAverage(second.sum, second.count);
    figures.papersCompleted = QStringLiteral("%1 / %2").arg(int(first.count)).arg(paperCount);
    rankTopics(figures, topicCount, topicNames);
    return figures;
}
