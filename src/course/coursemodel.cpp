#include "coursemodel.h"

#include "coursepackage.h"
#include "taggedrecords.h"

#include <QFile>

using namespace TaggedRecords;

namespace {

const char *const subjectNameKeys[] = {"LAH", "LBH", "LCH"};

int readCount(const QString &path, const QString &key, int maximum)
{
    bool ok = false;
    const int value = ReadTaggedValue(path, key).trimmed().toInt(&ok);
    // A count that is not a decimal integer is a broken descriptor: treat it as none.
    return ok ? qBound(0, value, maximum) : 0;
}

} // namespace

QList<int> CourseModel::presentSubjects() const
{
    QList<int> present;
    for (int s = 1; s <= MaxSubjects; ++s) {
        if (isPresent(s))
            present.append(s);
    }
    return present;
}

int CourseModel::firstPresentSubject() const
{
    const QList<int> present = presentSubjects();
    return present.isEmpty() ? 0 : present.first();
}

CourseModel CourseModel::load(const CoursePackage &package, const QString &dataDir)
{
    CourseModel model;
    for (SubjectInfo &subject : model.subjects)
        subject.topicNames = QStringList(MaxTopics, QString());

    const QString path = dataDir + QStringLiteral("/temptext30000.txt");
    if (ExtractResource(package, CoursePackage::descriptorNumber(), QStringLiteral("Custom"), path) != 0)
        return model;

    model.courseName = ReadTaggedValue(path, QStringLiteral("NME"));
    model.courseCode = ReadTaggedValue(path, QStringLiteral("COD"));
    for (int s = 1; s <= MaxSubjects; ++s) {
        SubjectInfo &subject = model.subjects[size_t(s - 1)];
        subject.name = ReadTaggedValue(path, QLatin1String(subjectNameKeys[s - 1]));
        if (!subject.isPresent())
            continue;
        const QString digit = QString::number(s);
        subject.topicCount = readCount(path, u"TT" + digit, MaxTopics);
        subject.paperCount = readCount(path, u"TP" + digit, MaxTopics * PapersPerTopic);
        subject.topicNames = ReadTaggedFields(path, u"TN" + digit, subject.topicCount, MaxTopics);
    }
    QFile::remove(path);
    return model;
}
