#pragma once

#include <QList>
#include <QString>

// The six progress files of a subject, in template order (template j is
// resource 30100 + 10 s + j).
enum class ProgressFile {
    Marks = 1,
    FirstAnswers,
    SecondAnswers,
    FirstResults,
    SecondResults,
    Trend,
};

namespace ProgressFiles {

const QList<ProgressFile> &all();

// "marks", "first", "second", "fresults", "sresults", "trend"
QString stem(ProgressFile file);

// dataDir/<stem><subject><courseCode>.txt, such as marks1XY.txt
QString path(const QString &dataDir, ProgressFile file, int subject, const QString &courseCode);

int templateNumber(ProgressFile file, int subject);

ProgressFile answersFile(int attempt);
ProgressFile resultsFile(int attempt);

} // namespace ProgressFiles
