#include "trendchart.h"

#include "course/taggedrecords.h"
#include "progress/numbertext.h"

#include <algorithm>

namespace {

constexpr int columns = TrendChartPoints + 1;

QList<double> mostRecent(const QList<double> &values)
{
    return values.mid(std::max<qsizetype>(values.size() - TrendChartPoints, 0));
}

} // namespace

QList<double> trendValues(const QString &trendRecordLine)
{
    // A ">" as the very last character opens no field.
    const QString line = trendRecordLine.endsWith(u'>') ? trendRecordLine.chopped(1) : trendRecordLine;
    const int count = TaggedRecords::countFields(line);
    const QStringList fields = TaggedRecords::SplitTaggedLine(line, count, count);
    QList<double> values;
    for (const QString &field : fields) {
        if (const std::optional<double> value = parseScore(field))
            values.append(*value);
    }
    return mostRecent(values);
}

TrendChartGeometry trendChartGeometry(const QList<double> &values, const QSizeF &plotSize)
{
    const double width = plotSize.width();
    const double height = plotSize.height();
    const double xStep = width / columns;
    const double yUnit = height / 100;

    TrendChartGeometry geometry;
    for (int level = 10; level <= 90; level += 10)
        geometry.gridLines.append(QLineF(0, level * yUnit, width, level * yUnit));

    QPointF previous(0, height);
    const QList<double> shown = mostRecent(values);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const QPointF point((i + 1) * xStep, (100 - shown.at(i)) * yUnit);
        geometry.dropLines.append(QLineF(point, QPointF(point.x(), height)));
        geometry.dots.append(point);
        geometry.lines.append(QLineF(previous, point));
        previous = point;
    }
    return geometry;
}
