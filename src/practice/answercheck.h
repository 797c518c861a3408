#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Judging the pupil's typed answers against a paper's answer key. Slots are
// numbered from 1 as the pupil sees them; the tables are 0-based lists.

// The judgement of one slot. The texts are the characters the results files
// hold: "ü" (0xFC, right, drawn as a tick) and "û" (0xFB, wrong, a cross).
// None is a slot of a kind the checks do not know: no marks, no mark shown.
enum class ResultMark { None, Right, Wrong };

QString resultMarkText(ResultMark mark);
ResultMark resultMarkFromText(QStringView text);

// Kind "G" and "M" slots form groups of interchangeable answers.
bool isGroupKind(const QString &kind);

// A number as a kind "N" answer or key is written: optional spaces around an
// optional sign, digits and at most one "." with digits on at least one side.
// The decimal point is "." whatever the locale.
std::optional<double> parseAnswerNumber(QStringView text);

// One slot of a plain kind ("N", "Q", "T", "L", "R", "F", "X").
ResultMark CheckAnswer(const QString &answer, const QString &key, const QString &kind);

// One slot of a group. A lead slot's key lists the alternatives, each after a
// ';' (";apple;pear;plum"); the slots after it whose key is a single space
// share them, and an alternative given in an earlier slot of the group cannot
// be given again.
ResultMark CheckGroupAnswer(const QStringList &answers, const QStringList &keys, int slot);

// The alternative shown as the expected answer beside a group slot: the
// alternatives the group's answers have not taken, handed out in slot order.
QString GroupModelAnswer(const QStringList &answers, const QStringList &keys, int slot);

// The expected answer shown beside a wrong slot after a second attempt: the
// handed-out alternative for kind "G", the first alternative of the group's
// lead key for kind "M", the key itself for any other kind.
QString ModelAnswer(const QStringList &answers, const QStringList &keys, const QString &kind, int slot);
