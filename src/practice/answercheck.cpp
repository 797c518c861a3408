#include "answercheck.h"

#include <algorithm>

namespace {

constexpr char16_t rightMark = 0x00FC;
constexpr char16_t wrongMark = 0x00FB;

// A group is its lead slot and at most this many continuation slots.
constexpr qsizetype maxContinuations = 20;

ResultMark judged(bool right)
{
    return right ? ResultMark::Right : ResultMark::Wrong;
}

// Only the space character itself: a tab typed into an answer stays significant.
QStringView trimSpaces(QStringView text)
{
    while (text.startsWith(u' '))
        text = text.mid(1);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString normalised(QStringView text)
{
    return trimSpaces(text).toString().toLower();
}

char16_t kindLetter(const QString &kind)
{
    return kind.size() == 1 ? kind.front().unicode() : u'\0';
}

bool sameNumber(const QString &answer, const QString &key)
{
    const std::optional<double> given = parseAnswerNumber(answer);
    const std::optional<double> expected = parseAnswerNumber(key);
    return given && expected && *given == *expected;
}

// Drops every space of the answer except one standing exactly where the key
// has its first space, so "1 2 / 3" reads as "1 2/3" while "12/3" stays apart.
QString compacted(QStringView answer, const QString &key)
{
    const QStringView trimmed = trimSpaces(answer);
    const qsizetype keptSpace = key.indexOf(u' ');
    QString result;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        if (i == keptSpace || trimmed.at(i) != u' ')
            result.append(trimmed.at(i));
    }
    return result;
}

bool isContinuation(const QString &key)
{
    return key == QStringLiteral(" ");
}

// The key's first character stands for the first separator (it is ';' in a
// sound key) and there are as many alternatives as ';'. A key without any
// ';' has none, so nothing can match it.
QStringList alternativesOf(const QString &key)
{
    const qsizetype count = key.count(u';');
    if (count == 0)
        return {};
    QStringList alternatives = key.mid(1).split(u';');
    alternatives.resize(count);
    return alternatives;
}

// The lead slot of the continuation slot at index: the nearest earlier slot
// whose key is not a continuation, looking no further back than a full group.
std::optional<qsizetype> leadOf(const QStringList &keys, qsizetype index)
{
    const qsizetype farthest = std::max<qsizetype>(index - maxContinuations - 1, 0);
    for (qsizetype i = index - 1; i >= farthest; --i) {
        if (!isContinuation(keys.at(i)))
            return i;
    }
    return std::nullopt;
}

std::optional<qsizetype> groupLeadOf(const QStringList &keys, qsizetype index)
{
    if (isContinuation(keys.at(index)))
        return leadOf(keys, index);
    return index;
}

// One past the last slot of the group led by lead.
qsizetype groupEnd(const QStringList &keys, qsizetype lead)
{
    qsizetype end = lead + 1;
    while (end < keys.size() && end - lead <= maxContinuations && isContinuation(keys.at(end)))
        ++end;
    return end;
}

bool matchesAny(const QStringList &alternatives, const QString &normalisedAnswer)
{
    return std::any_of(alternatives.cbegin(), alternatives.cend(),
                       [&](const QString &alternative) { return normalised(alternative) == normalisedAnswer; });
}

// Number of (slot, alternative) pairs in [from, to) where the slot's answer gives the alternative.
qsizetype countTaken(const QStringList &alternatives, const QStringList &answers, qsizetype from, qsizetype to)
{
    qsizetype taken = 0;
    for (qsizetype slot = from; slot < to; ++slot) {
        const QString answer = normalised(answers.value(slot));
        taken += std::count_if(alternatives.cbegin(), alternatives.cend(),
                               [&](const QString &alternative) { return normalised(alternative) == answer; });
    }
    return taken;
}

// Blanks every alternative given as the answer of a slot in [from, to).
void removeTaken(QStringList &alternatives, const QStringList &answers, qsizetype from, qsizetype to)
{
    for (qsizetype slot = from; slot < to; ++slot) {
        const QString answer = normalised(answers.value(slot));
        for (QString &alternative : alternatives) {
            if (normalised(alternative) == answer)
                alternative.clear();
        }
    }
}

bool inPaper(const QStringList &keys, qsizetype index)
{
    return index >= 0 && index < keys.size();
}

} // namespace

QString resultMarkText(ResultMark mark)
{
    switch (mark) {
    case ResultMark::Right:
        return QString(QChar(rightMark));
    case ResultMark::Wrong:
        return QString(QChar(wrongMark));
    case ResultMark::None:
        break;
    }
    return {};
}

ResultMark resultMarkFromText(QStringView text)
{
    if (text.size() == 1 && text.front() == rightMark)
        return ResultMark::Right;
    if (text.size() == 1 && text.front() == wrongMark)
        return ResultMark::Wrong;
    return ResultMark::None;
}

bool isGroupKind(const QString &kind)
{
    return kind == QStringLiteral("G") || kind == QStringLiteral("M");
}

std::optional<double> parseAnswerNumber(QStringView text)
{
    const QStringView number = trimSpaces(text);
    const bool hasSign = number.startsWith(u'+') || number.startsWith(u'-');
    int digits = 0;
    int points = 0;
    for (const QChar c : number.mid(hasSign ? 1 : 0)) {
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == u'.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    bool ok = false;
    const double value = number.toDouble(&ok); // always the C locale
    if (!ok)
        return std::nullopt;
    return value;
}

ResultMark CheckAnswer(const QString &answer, const QString &key, const QString &kind)
{
    switch (kindLetter(kind)) {
    case u'N':
        return judged(sameNumber(answer, key));
    case u'Q':
    case u'T':
    case u'L':
        return judged(normalised(answer) == normalised(key));
    case u'R':
    case u'F':
    case u'X':
        return judged(compacted(answer, key) == trimSpaces(key));
    default:
        return ResultMark::None;
    }
}

ResultMark CheckGroupAnswer(const QStringList &answers, const QStringList &keys, int slot)
{
    const qsizetype index = slot - 1;
    if (!inPaper(keys, index))
        return ResultMark::Wrong;
    const QString answer = normalised(answers.value(index));
    if (!isContinuation(keys.at(index)))
        return judged(matchesAny(alternativesOf(keys.at(index)), answer));

    const std::optional<qsizetype> lead = leadOf(keys, index);
    if (!lead)
        return ResultMark::Wrong;
    QStringList alternatives = alternativesOf(keys.at(*lead));
    removeTaken(alternatives, answers, *lead, index);
    // A blank answer must not match an alternative blanked as taken.
    return judged(!answer.isEmpty() && matchesAny(alternatives, answer));
}

QString GroupModelAnswer(const QStringList &answers, const QStringList &keys, int slot)
{
    const qsizetype index = slot - 1;
    if (!inPaper(keys, index))
        return {};
    const std::optional<qsizetype> lead = groupLeadOf(keys, index);
    if (!lead)
        return {};
    QStringList alternatives = alternativesOf(keys.at(*lead));
    // Each alternative the earlier slots gave moves this slot one place back
    // along the alternatives that nobody in the group gave.
    const qsizetype place = index - *lead - countTaken(alternatives, answers, *lead, index);
    removeTaken(alternatives, answers, *lead, groupEnd(keys, *lead));
    alternatives.removeAll(QString());
    return alternatives.value(place);
}

QString ModelAnswer(const QStringList &answers, const QStringList &keys, const QString &kind, int slot)
{
    const qsizetype index = slot - 1;
    if (!inPaper(keys, index))
        return {};
    switch (kindLetter(kind)) {
    case u'G':
        return GroupModelAnswer(answers, keys, slot);
    case u'M': {
        const std::optional<qsizetype> lead = groupLeadOf(keys, index);
        return lead ? alternativesOf(keys.at(*lead)).value(0) : QString();
    }
    default:
        return keys.at(index);
    }
}
