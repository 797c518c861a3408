#pragma once

#include "practice/answercheck.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>

// Marking a whole paper and the texts its results are recorded as.

struct PaperJudgement
{
    QList<ResultMark> results;
    int score = 0;
};

// Judges every slot of a paper (group kinds by their group, the others on
// their own) and adds up the marks of the right ones. Marks may be fractional;
// the running score is rounded to a whole number after each addition, a half
// going to the even number.
PaperJudgement judgePaper(const QStringList &answers, const QStringList &keys, const QStringList &kinds,
                          const QList<double> &marks);

// The score as a percentage of the paper's total marks, 0 for a paper worth nothing.
double percentageOf(int score, double totalMarks);

// Hours, minutes and seconds without leading zeros, "0:1:5" for 65 seconds;
// the hours restart after 24, as on the practice window's clock.
QString formatTimeTaken(qint64 seconds);

// The completion date in the pupil's short date form.
QString formatShortDate(const QDate &date, const QLocale &locale = QLocale());
