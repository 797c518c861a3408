#include "progressfiles.h"

#include "course/coursepackage.h"

namespace ProgressFiles {

const QList<ProgressFile> &all()
{
    static const QList<ProgressFile> files = {ProgressFile::Marks,        ProgressFile::FirstAnswers,
                                              ProgressFile::SecondAnswers, ProgressFile::FirstResults,
                                              ProgressFile::SecondResults, ProgressFile::Trend};
    return files;
}

QString stem(ProgressFile file)
{
    switch (file) {
    case ProgressFile::Marks: return QStringLiteral("marks");
    case ProgressFile::FirstAnswers: return QStringLiteral("first");
    case ProgressFile::SecondAnswers: return QStringLiteral("second");
    case ProgressFile::FirstResults: return QStringLiteral("fresults");
    case ProgressFile::SecondResults: return QStringLiteral("sresults");
    case ProgressFile::Trend: return QStringLiteral("trend");
    }
    return QString();
}

QString path(const QString &dataDir, ProgressFile file, int subject, const QString &courseCode)
{
    return dataDir + u'/' + stem(file) + QString::number(subject) + courseCode + QStringLiteral(".txt");
}

int templateNumber(ProgressFile file, int subject)
{
    return CoursePackage::templateNumber(subject, int(file));
}

ProgressFile answersFile(int attempt)
{
    return attempt == 2 ? ProgressFile::SecondAnswers : ProgressFile::FirstAnswers;
}

ProgressFile resultsFile(int attempt)
{
    return attempt == 2 ? ProgressFile::SecondResults : ProgressFile::FirstResults;
}

} // namespace ProgressFiles
