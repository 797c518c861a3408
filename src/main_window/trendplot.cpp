#include "trendplot.h"

#include <QPainter>

TrendPlot::TrendPlot(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setAccessibleName(QStringLiteral("Recent Papers Attempted"));
}

void TrendPlot::setValues(const QList<double> &values)
{
    m_values = values;
    update();
}

QRect TrendPlot::plotArea() const
{
    return rect().adjusted(Border, Border, -Border, -Border);
}

TrendChartGeometry TrendPlot::chartGeometry() const
{
    return trendChartGeometry(m_values, plotArea().size());
}

void TrendPlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const QRect area = plotArea();
    painter.fillRect(area, Qt::white);
    painter.setClipRect(area);
    painter.translate(area.topLeft());

    // Grid and drop lines crisp on whole pixels; the scores' line and dots smooth.
    const TrendChartGeometry chart = chartGeometry();
    painter.setPen(QPen(QColor(224, 224, 224), 0));
    painter.drawLines(chart.gridLines);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawLines(chart.dropLines);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor blue(0, 0, 255);
    painter.setPen(QPen(blue, 1));
    painter.drawLines(chart.lines);
    painter.setBrush(blue);
    for (const QPointF &dot : chart.dots)
        painter.drawEllipse(dot, DotRadius, DotRadius);
}
