#include "scoring.h"

#include <algorithm>
#include <cmath>

namespace {

int roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction < 0.5)
        return int(lower);
    if (fraction > 0.5)
        return int(lower + 1);
    return std::fmod(lower, 2) == 0 ? int(lower) : int(lower + 1);
}

} // namespace

PaperJudgement judgePaper(const QStringList &answers, const QStringList &keys, const QStringList &kinds,
                          const QList<double> &marks)
{
    PaperJudgement judgement;
    judgement.results.reserve(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const QString kind = kinds.value(i);
        const ResultMark result = isGroupKind(kind) ? CheckGroupAnswer(answers, keys, int(i + 1))
                                                    : CheckAnswer(answers.value(i), keys.at(i), kind);
        judgement.results.append(result);
        if (result == ResultMark::Right)
            judgement.score = roundHalfEven(judgement.score + marks.value(i));
    }
    return judgement;
}

double percentageOf(int score, double totalMarks)
{
    // Multiplying first keeps a percentage such as 8.75 exact, so its rounding
    // to one decimal sees the true tie.
    return totalMarks == 0 ? 0 : score * 100.0 / totalMarks;
}

QString formatTimeTaken(qint64 seconds)
{
    const qint64 elapsed = std::max<qint64>(seconds, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(elapsed / 3600 % 24)
        .arg(elapsed / 60 % 60)
        .arg(elapsed % 60);
}

QString formatShortDate(const QDate &date, const QLocale &locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}
