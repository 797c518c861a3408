#pragma once

#include "trendchart.h"

#include <QList>
#include <QWidget>

// The trend chart of the report card (RC3TrendPlot): grid, a drop line and a
// dot for each recent first-attempt score, and the line joining them from the
// bottom-left corner, on white inside a thin frame.
class TrendPlot : public QWidget
{
    Q_OBJECT

public:
    static constexpr int Border = 1;
    static constexpr int DotRadius = 2; // 30 twips

    explicit TrendPlot(QWidget *parent = nullptr);

    QList<double> values() const { return m_values; }
    void setValues(const QList<double> &values);

    // What is drawn, in the coordinates of the area inside the frame.
    QRect plotArea() const;
    TrendChartGeometry chartGeometry() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> m_values;
};
