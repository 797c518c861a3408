// Random answers against random keys of every kind: the checks, the group
// rules, the model answers and a whole paper's judging and scoring.
#include "practice/answercheck.h"
#include "practice/scoring.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

const QStringList kindLetters = {QStringLiteral("N"), QStringLiteral("Q"), QStringLiteral("T"), QStringLiteral("L"),
                                 QStringLiteral("R"), QStringLiteral("F"), QStringLiteral("X"), QStringLiteral("G"),
                                 QStringLiteral("M"), QStringLiteral("Z"), QString()};

} // namespace

// Input: slots separated by '\n', each "kind byte, key, '\t', answer".
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList keys, kinds, answers;
    QList<double> marks;
    const QStringList lines = text.split(u'\n');
    for (const QString &slot : lines.mid(0, 80)) {
        const QString kind = slot.isEmpty() ? QString() : kindLetters.value(slot.front().unicode() % kindLetters.size());
        const QString rest = slot.mid(1);
        const qsizetype tab = rest.indexOf(u'\t');
        kinds.append(kind);
        keys.append(tab < 0 ? rest : rest.left(tab));
        answers.append(tab < 0 ? QString() : rest.mid(tab + 1));
        marks.append(slot.size() % 4);
    }

    for (qsizetype i = 0; i < keys.size(); ++i) {
        const int slot = int(i + 1);
        const ResultMark own = CheckAnswer(answers.at(i), keys.at(i), kinds.at(i));
        if (kinds.at(i) == u"Q" || kinds.at(i) == u"T" || kinds.at(i) == u"L")
            require(CheckAnswer(keys.at(i), keys.at(i), kinds.at(i)) == ResultMark::Right);
        // Every plain kind is judged; only unknown kinds give no mark.
        if (own == ResultMark::None)
            require(kinds.at(i).size() != 1 || !QStringLiteral("NQTLRFX").contains(kinds.at(i)));
        CheckGroupAnswer(answers, keys, slot);
        GroupModelAnswer(answers, keys, slot);
        ModelAnswer(answers, keys, kinds.at(i), slot);

        if (const auto number = parseAnswerNumber(answers.at(i))) {
            require(std::isfinite(*number));
            require(parseAnswerNumber(QString(u' ' + answers.at(i) + u' ')) == number);
        }
    }
    CheckGroupAnswer(answers, keys, 0);
    CheckGroupAnswer(answers, keys, int(keys.size()) + 1);

    double total = 0;
    for (double mark : marks)
        total += mark;
    const PaperJudgement judgement = judgePaper(answers, keys, kinds, marks);
    require(judgement.results.size() == keys.size());
    require(judgement.score >= 0 && judgement.score <= total + 1);
    const double percentage = percentageOf(judgement.score, total);
    require(std::isfinite(percentage));
    return 0;
}
