#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QSizeF>
#include <QString>

// The trend section of the report card: the most recent first-attempt scores
// of a subject as a line chart, oldest on the left.

constexpr int TrendChartPoints = 20;

// The values to plot from the subject's trend record line ("#TRD#>85>72.5"):
// at most the 20 most recent scores, oldest first. Fields that are not
// numbers are left out.
QList<double> trendValues(const QString &trendRecordLine);

// What to draw on a plot of the given size, in the same units. The points
// stand at 1/21 .. 20/21 of the width, 100 at the top edge and 0 at the
// bottom; the line starts from the bottom-left corner.
struct TrendChartGeometry
{
    QList<QLineF> gridLines; // the 90% .. 10% levels, top to bottom
    QList<QLineF> dropLines; // from each point down to the bottom edge
    QList<QPointF> dots;
    QList<QLineF> lines; // the line joining the points
};

// Only the last 20 values are drawn.
TrendChartGeometry trendChartGeometry(const QList<double> &values, const QSizeF &plotSize);
