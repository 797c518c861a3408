#include "packagebuilder.h"

#include "course/codepage.h"
#include "course/coursepackage.h"
#include "course/picturetable.h"
#include "course/questionbank.h"
#include "course/taggedrecords.h"
#include "coursesource.h"
#include "pagerenderer.h"
#include "progress/progressfiles.h"
#include "progresstemplates.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace PackageBuilder {

namespace {

const QString frame = QStringLiteral("...");

QByteArray tableBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += Cp1252::encode(line) + "\r\n";
    return bytes;
}

QByteArray descriptor(const CourseSource &course)
{
    static const char *const nameKeys[] = {"LAH", "LBH", "LCH"};
    QStringList lines = {frame, TaggedRecords::composeRecord(QStringLiteral("NME"), {course.name}),
                         TaggedRecords::composeRecord(QStringLiteral("COD"), {course.code})};
    for (int s = 0; s < CourseSource::MaxSubjects; ++s)
        lines.append(TaggedRecords::composeRecord(QString::fromLatin1(nameKeys[s]),
                                                  {s < course.subjects.size() ? course.subjects.at(s).name : QString()}));
    lines.append(QString(40, u'-'));
    for (int s = 1; s <= course.subjects.size(); ++s) {
        const SourceSubject &subject = course.subjects.at(s - 1);
        const QString digit = QString::number(s);
        lines.append(TaggedRecords::composeRecord(u"TT" + digit, {QString::number(subject.topics.size())}));
        lines.append(TaggedRecords::composeRecord(u"TP" + digit, {QString::number(subject.papers.size())}));
        lines.append(TaggedRecords::composeRecord(u"TN" + digit, subject.topics));
    }
    lines.append(frame);
    return tableBytes(lines);
}

void addSubject(QMap<int, QByteArray> &resources, const SourceSubject &subject, int s)
{
    QStringList pageLists = {frame};
    QStringList keys = {frame};
    QStringList kinds = {frame};
    QStringList marks = {frame};
    QList<int> slotCounts;
    int pageId = firstPageNumber(s);
    for (int index = 1; index <= subject.papers.size(); ++index) {
        const SourcePaper &paper = subject.papers.at(index - 1);
        QStringList pageIds;
        for (int number = 1; number <= paper.pages.size(); ++number, ++pageId) {
            const SourcePage &page = paper.pages.at(number - 1);
            const QString id = QString::number(pageId);
            pageIds.append(id);
            QStringList pageKeys;
            QStringList pageKinds;
            QStringList pageMarks;
            for (const SourceSlot &slot : page.answerSlots()) {
                pageKeys.append(slot.key);
                pageKinds.append(slot.kind);
                pageMarks.append(QString::number(slot.marks));
            }
            keys.append(TaggedRecords::composeRecord(id, pageKeys));
            kinds.append(TaggedRecords::composeRecord(id, pageKinds));
            marks.append(TaggedRecords::composeRecord(id, pageMarks));
            resources.insert(pageId, PageRenderer::archive(page, number, pageId).toBytes());
        }
        pageLists.append(TaggedRecords::composeRecord(QString::number(PaperNumbering::paperId(index)), pageIds));
        slotCounts.append(paper.slotCount());
    }
    const QList<QStringList> tables = {pageLists + QStringList{frame}, keys + QStringList{frame},
                                       kinds + QStringList{frame}, marks + QStringList{frame}};
    for (int table = 2; table <= 5; ++table)
        resources.insert(CoursePackage::bankTableNumber(s, table), tableBytes(tables.at(table - 2)));

    for (const ProgressFile file : ProgressFiles::all()) {
        QByteArray bytes;
        if (file == ProgressFile::Marks)
            bytes = ProgressTemplates::marks(int(subject.papers.size()));
        else if (file == ProgressFile::Trend)
            bytes = ProgressTemplates::trend();
        else
            bytes = ProgressTemplates::paperRows(slotCounts);
        resources.insert(CoursePackage::templateNumber(s, int(file)), bytes);
    }
}

bool isResourceName(const QString &name)
{
    bool ok = false;
    return name.toInt(&ok) > 0 && ok && QString::number(name.toInt()) == name;
}

} // namespace

QMap<int, QByteArray> courseResources(const CourseSource &course)
{
    QMap<int, QByteArray> resources;
    resources.insert(CoursePackage::descriptorNumber(), descriptor(course));
    for (int s = 1; s <= course.subjects.size(); ++s)
        addSubject(resources, course.subjects.at(s - 1), s);
    return resources;
}

std::optional<QMap<int, QByteArray>> pictureResources(const QString &folder, QStringList *errors)
{
    const QDir dir(folder);
    QMap<QString, QString> byLowerName;
    for (const QString &name : dir.entryList(QDir::Files))
        byLowerName.insert(name.toLower(), name);
    QMap<int, QByteArray> resources;
    bool complete = true;
    for (const PictureEntry &picture : pictureTable()) {
        QFile file(dir.filePath(byLowerName.value(picture.fileName.toLower(), picture.fileName)));
        if (!file.open(QIODevice::ReadOnly)) {
            errors->append(QStringLiteral("%1: the picture %2 cannot be read: %3")
                               .arg(QDir::toNativeSeparators(file.fileName()))
                               .arg(picture.number)
                               .arg(file.errorString()));
            complete = false;
            continue;
        }
        resources.insert(picture.number, file.readAll());
    }
    if (!complete)
        return std::nullopt;
    return resources;
}

bool writePackage(const QMap<int, QByteArray> &resources, const QString &folder, QString *error)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *error = QStringLiteral("%1: the folder cannot be created").arg(folder);
        return false;
    }
    for (auto it = resources.cbegin(); it != resources.cend(); ++it) {
        const QString path = dir.filePath(QString::number(it.key()));
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == it.value())
            continue;
        existing.close();
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(it.value()) != it.value().size() || !file.commit()) {
            *error = QStringLiteral("%1: cannot be written: %2").arg(path, file.errorString());
            return false;
        }
    }
    for (const QString &name : dir.entryList(QDir::Files)) {
        if (isResourceName(name) && !resources.contains(name.toInt()) && !dir.remove(name)) {
            *error = QStringLiteral("%1: an old resource cannot be removed").arg(dir.filePath(name));
            return false;
        }
    }
    return true;
}

} // namespace PackageBuilder
