#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The figures of the report card's overall and topical sections, computed
// from one subject's topic names and first- and second-attempt score texts.

// One topic's marked papers; blended ranks the topics for weakest and strongest.
struct TopicTally
{
    double firstCount = 0;
    double firstSum = 0;
    double secondCount = 0;
    double secondSum = 0;
    double blended = 0;
};

// One row of the topical section. The fractions (0..1) size the bars from the
// unrounded averages; the texts show them rounded ("75%"), empty for no score.
struct TopicRow
{
    QString name;
    QString firstText;
    QString secondText;
    double firstFraction = 0;
    double secondFraction = 0;
    bool visible = false;
};

struct ReportFigures
{
    QList<TopicTally> tallies; // always ten, zero beyond the subject's topics
    QString firstAverage;      // "80%", or "-" before any paper is marked
    QString secondAverage;
    QString papersCompleted; // "12 / 25"
    QString weakestTopic;    // the topic's name and one space, or "-"
    QString strongestTopic;
    QList<TopicRow> rows; // always ten
};

// fse and sse hold the score texts by paper (PaperIndex - 1), empty for an
// attempt never marked. topicCount is clamped to 0..10.
ReportFigures ComputeReport(int topicCount, int paperCount, const QStringList &topicNames, const QStringList &fse,
                            const QStringList &sse);
