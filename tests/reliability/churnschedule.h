#pragma once

#include <QString>
#include <QStringList>

// What the progress churn writes, generation by generation, so that a test
// that killed it can tell from the files which generation each row came from.
//
// Generation g saves the answers of one paper (the papers take turns), marks
// its second attempt, and every seventh generation also marks its first
// attempt, which appends g to the trend record.
namespace ChurnSchedule {

constexpr int Subject = 1;

inline int paperOf(qint64 g, int paperCount)
{
    return int(g % paperCount) + 1;
}

inline bool marksFirstAttempt(qint64 g)
{
    return g % 7 == 0;
}

// Long enough that a rewrite takes a while, and holding every character the
// escaping has to carry.
inline QStringList answers(qint64 g, int slotCount)
{
    QStringList texts;
    for (int slot = 1; slot <= slotCount; ++slot)
        texts.append(QStringLiteral("%1 > #%2# \r\n caf\u00e9 \u20ac \U0001F600 \\ ").arg(g).arg(slot)
                     + QString(400, QChar(u'a' + slot)));
    return texts;
}

inline QStringList results(qint64 g, int slotCount)
{
    QStringList texts;
    for (int slot = 1; slot <= slotCount; ++slot)
        texts.append(QStringLiteral("r%1.%2").arg(g).arg(slot));
    return texts;
}

inline QString score(qint64 g)
{
    return QString::number(g);
}

inline QString timeTaken(qint64 g)
{
    return QStringLiteral("0:%1:%2").arg(g / 60 % 60).arg(g % 60);
}

inline QString date(qint64 g)
{
    return QStringLiteral("day %1").arg(g);
}

} // namespace ChurnSchedule
