#pragma once

#include <QString>
#include <QStringList>

// Verifies a course package against everything the program relies on when it
// reads it: the descriptor and its counts, the question-bank tables of every
// present subject, every key run through the program's own answer checks, the
// question pages, the progress templates and the skin pictures.
namespace PackageCheck {

// One line per problem, naming the file and, where it applies, the paper,
// page and slot. Empty when the package is sound.
QStringList problems(const QString &folder);

} // namespace PackageCheck
