#include "keyreplay.h"

#include "practice/answercheck.h"

namespace KeyReplay {

namespace {

// A group is a lead slot and at most this many continuation slots after it.
constexpr int maxContinuations = 20;

const QString continuationKey = QStringLiteral(" ");

QString quoted(const QString &text)
{
    return u'"' + text + u'"';
}

void replayPlain(QList<Finding> &findings, int slot, const QString &key, const QString &kind)
{
    const QString typed = typedForm(key);
    if (CheckAnswer(typed, key, kind) != ResultMark::Right) {
        QString message;
        if (kind == u"N" && !parseAnswerNumber(key))
            message = QStringLiteral("kind \"N\" key %1 is not a number the answer check accepts").arg(quoted(key));
        else if (typed != key)
            message = QStringLiteral("key %1 is marked wrong when a pupil types it as %2").arg(quoted(key), quoted(typed));
        else
            message = QStringLiteral("key %1 of kind \"%2\" is marked wrong when a pupil types it").arg(quoted(key), kind);
        findings.append({slot, message});
    }
    if (CheckAnswer(QString(), key, kind) == ResultMark::Right)
        findings.append({slot, QStringLiteral("key %1 marks a blank answer right").arg(quoted(key))});
}

void replayGroup(QList<Finding> &findings, const QStringList &keys, int lead)
{
    const QString &key = keys.at(lead);
    if (!key.contains(u';'))
        return; // a lead without alternatives is reported with the group's shape
    int size = 1;
    while (lead + size < keys.size() && size <= maxContinuations && keys.at(lead + size) == continuationKey)
        ++size;
    const QStringList alternatives = key.mid(1).split(u';');
    const int slot = lead + 1;
    if (alternatives.size() < size)
        findings.append({slot, QStringLiteral("the group of %1 blanks has only %2 answers").arg(size).arg(alternatives.size())});

    QStringList answers(keys.size());
    for (int s = lead; s < lead + size; ++s) {
        if (CheckGroupAnswer(answers, keys, s + 1) == ResultMark::Right)
            findings.append({s + 1, QStringLiteral("group key %1 marks a blank answer right").arg(quoted(key))});
    }
    for (const QString &alternative : alternatives) {
        answers[lead] = typedForm(alternative);
        if (!answers.at(lead).isEmpty() && CheckGroupAnswer(answers, keys, slot) != ResultMark::Right)
            findings.append({slot, QStringLiteral("the group's answer %1 is marked wrong when a pupil types it as %2")
                                       .arg(quoted(alternative), quoted(answers.at(lead)))});
    }
    if (size < 2)
        return;
    for (int first = 0; first < alternatives.size(); ++first) {
        for (int second = first + 1; second < alternatives.size(); ++second) {
            answers[lead] = typedForm(alternatives.at(first));
            answers[lead + 1] = typedForm(alternatives.at(second));
            const bool forward = CheckGroupAnswer(answers, keys, slot + 1) == ResultMark::Right;
            answers[lead] = typedForm(alternatives.at(second));
            answers[lead + 1] = typedForm(alternatives.at(first));
            const bool backward = CheckGroupAnswer(answers, keys, slot + 1) == ResultMark::Right;
            if (!answers.at(lead).isEmpty() && !answers.at(lead + 1).isEmpty() && (!forward || !backward))
                findings.append({slot, QStringLiteral("the group's answers %1 and %2 overlap: a pupil who gives both "
                                                      "has the second marked wrong")
                                           .arg(quoted(alternatives.at(first)), quoted(alternatives.at(second)))});
        }
    }
}

} // namespace

QString typedForm(const QString &key)
{
    return key.split(u' ', Qt::SkipEmptyParts).join(u' ');
}

QList<Finding> replay(const QStringList &keys, const QStringList &kinds)
{
    QList<Finding> findings;
    for (int i = 0; i < keys.size() && i < kinds.size(); ++i) {
        const QString &kind = kinds.at(i);
        if (isGroupKind(kind)) {
            if (keys.at(i) != continuationKey)
                replayGroup(findings, keys, i);
        } else if (CheckAnswer(keys.at(i), keys.at(i), kind) != ResultMark::None) {
            replayPlain(findings, i + 1, keys.at(i), kind);
        }
    }
    return findings;
}

} // namespace KeyReplay
