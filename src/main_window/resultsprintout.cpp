#include "resultsprintout.h"

#include "course/coursemodel.h"

#include <algorithm>

namespace {

// An item of one space that only fills its zone.
const QString filler = QStringLiteral(" ");

PrintLine fillerThen(int zone, const QString &text)
{
    return {{0, filler}, {zone, text}};
}

QList<PrintLine> emptyLines(int count)
{
    return QList<PrintLine>(count);
}

QList<PrintLine> topicHeading(const QString &topicName)
{
    const QString rule(128, u'-');
    QList<PrintLine> lines = emptyLines(2);
    lines.append(fillerThen(1, topicName));
    lines.append(fillerThen(1, rule));
    lines.append({{0, filler},
                  {1, QStringLiteral("Papers")},
                  {2, filler},
                  {3, QStringLiteral("First take")},
                  {4, QStringLiteral("Time taken")},
                  {5, QStringLiteral("Date")},
                  {6, filler},
                  {7, QStringLiteral("Second take")}});
    lines.append({{0, filler},
                  {1, filler},
                  {2, filler},
                  {3, QStringLiteral("score")},
                  {4, filler},
                  {5, filler},
                  {6, filler},
                  {7, QStringLiteral("score")}});
    lines.append(fillerThen(1, rule));
    return lines;
}

} // namespace

QList<PrintLine> resultsPrintout(const QString &courseName, int topicCount, const QStringList &topicNames,
                                 const QStringList &fse, const QStringList &ltm, const QStringList &cdd,
                                 const QStringList &sse)
{
    QList<PrintLine> lines = emptyLines(2);
    lines.append(fillerThen(1, courseName));
    lines.append(emptyLines(2));
    const int topics = std::clamp(topicCount, 0, CourseModel::MaxTopics);
    for (int topic = 0; topic < topics; ++topic) {
        lines.append(topicHeading(topicNames.value(topic)));
        for (int paper = 1; paper <= CourseModel::PapersPerTopic; ++paper) {
            const int index = topic * CourseModel::PapersPerTopic + paper - 1;
            // An unmarked paper prints a lone "%" in its score columns.
            lines.append({{0, filler},
                          {1, QStringLiteral("Paper %1").arg(paper)},
                          {2, filler},
                          {3, fse.value(index) + u'%'},
                          {4, ltm.value(index)},
                          {5, cdd.value(index)},
                          {6, filler},
                          {7, sse.value(index) + u'%'}});
        }
    }
    return lines;
}

QList<int> zoneColumns(const PrintLine &line, int zoneWidth)
{
    QList<int> columns;
    int end = 0; // the first column after the previous item
    for (const PrintItem &item : line) {
        int column = item.zone * zoneWidth;
        if (end > column)
            column = (end + zoneWidth - 1) / zoneWidth * zoneWidth;
        columns.append(column);
        end = column + int(item.text.size());
    }
    return columns;
}
