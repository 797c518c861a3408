#pragma once

#include "reportfigures.h"

#include <QList>
#include <QWidget>

#include <memory>

class ClickableLabel;
class PictureBox;
class PictureCache;
class QFrame;
class QLabel;
class TrendPlot;

// The report card (Body_Report): overall results, topical results and the
// trend of recent scores, one section open at a time under three bars that
// switch them like an accordion. It shows a snapshot of figures computed
// when the card is opened; switching sections computes nothing.
class ReportCard : public QWidget
{
    Q_OBJECT

public:
    enum Section { Overall = 1, Topical = 2, Trend = 3 };

    ReportCard(std::shared_ptr<PictureCache> pictures, QWidget *parent = nullptr);

    void showFigures(const ReportFigures &figures, const QList<double> &trend);

    // The open section (1..3).
    int txtReportPos() const { return m_section; }
    // Opens a section without recomputing anything.
    void setReportPos(int section);
    void ArrangeReportSections();

    TrendPlot *trendPlot() const { return m_plot; }

private:
    struct TopicRowControls
    {
        QLabel *name;
        QFrame *firstTrack;
        QLabel *firstBar;
        QLabel *firstMark;
        QFrame *secondTrack;
        QLabel *secondBar;
        QLabel *secondMark;
    };

    void buildOverall();
    void buildTopical();
    void buildTrend();

    int m_section = Overall;
    QList<PictureBox *> m_bars;
    QList<QWidget *> m_panels;
    QLabel *m_firstAverage = nullptr;
    QLabel *m_secondAverage = nullptr;
    QLabel *m_completed = nullptr;
    QLabel *m_weakest = nullptr;
    QLabel *m_strongest = nullptr;
    QList<TopicRowControls> m_rows;
    TrendPlot *m_plot = nullptr;
};
