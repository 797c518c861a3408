#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Runs every key of a paper through the program's own answer checks as if a
// pupil had typed it, so a key the program would mark wrong (a doubled inner
// space, a kind "N" key the number rule refuses, group answers that overlap)
// is found before a pupil meets it.
namespace KeyReplay {

struct Finding
{
    int slot = 0; // in the paper, from 1
    QString message;
};

// keys and kinds are the paper's slots in order, as the bank lists them.
QList<Finding> replay(const QStringList &keys, const QStringList &kinds);

// The key as a pupil types it: single spaces, none at either end.
QString typedForm(const QString &key);

} // namespace KeyReplay
