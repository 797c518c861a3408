#include "questionbank.h"

#include "coursepackage.h"
#include "taggedrecords.h"

#include <QFile>
#include <QObject>

using namespace TaggedRecords;

int PaperDefinition::slotOffset(int page) const
{
    int offset = 0;
    for (int k = 0; k < page - 1 && k < pageSlotCounts.size(); ++k)
        offset += pageSlotCounts.at(k);
    return offset;
}

QString PaperDefinition::problem() const
{
    if (pageIds.isEmpty())
        return QObject::tr("The paper lists no question pages.");
    if (keys.isEmpty())
        return QObject::tr("The paper has no answer key.");
    if (kinds.size() != keys.size() || marks.size() != keys.size())
        return QObject::tr("The paper's answer key, answer kinds and marks do not agree.");
    int slotTotal = 0;
    for (int count : pageSlotCounts) {
        if (count < 1 || count > MaxSlotsPerPage)
            return QObject::tr("A page of the paper has %1 answer blanks.").arg(count);
        slotTotal += count;
    }
    if (pageSlotCounts.size() != pageIds.size() || slotTotal != keys.size())
        return QObject::tr("A page of the paper is missing from the answer key.");
    if (keys.size() > MaxSlots)
        return QObject::tr("The paper has more than %1 answer blanks.").arg(MaxSlots);
    for (double mark : marks) {
        // Written so that a mark that is not a number fails too.
        if (!(mark >= 0 && mark <= MaxMarksPerSlot))
            return QObject::tr("A blank of the paper is worth %1 marks.").arg(mark);
    }
    return QString();
}

namespace {

std::optional<QStringList> tableLines(const CoursePackage &package, int number)
{
    const std::optional<QByteArray> bytes = package.resource(number);
    if (!bytes)
        return std::nullopt;
    return splitLines(*bytes);
}

} // namespace

// The tables are read straight from the package rather than through a scratch
// file, so a paper opens even while the data folder cannot be written.
PaperDefinition ReadPaperDefinition(const CoursePackage &package, int subject, const QString &paperId)
{
    PaperDefinition paper;
    if (const auto pages = tableLines(package, CoursePackage::bankTableNumber(subject, 2)))
        paper.pageIds = readAllTaggedFields(*pages, paperId);
    const int f = paper.pageCount();
    if (f == 0)
        return paper;

    if (const auto keys = tableLines(package, CoursePackage::bankTableNumber(subject, 3))) {
        paper.keys = readFieldsForKeys(*keys, paper.pageIds, f);
        paper.pageSlotCounts = countTaggedFields(*keys, paper.pageIds, f);
    }
    if (const auto kinds = tableLines(package, CoursePackage::bankTableNumber(subject, 4)))
        paper.kinds = readFieldsForKeys(*kinds, paper.pageIds, f);
    if (const auto marks = tableLines(package, CoursePackage::bankTableNumber(subject, 5))) {
        for (const QString &text : readFieldsForKeys(*marks, paper.pageIds, f)) {
            const double mark = text.trimmed().toDouble();
            paper.marks.append(mark);
            paper.totalMarks += mark;
        }
    }
    return paper;
}

QuestionPageFiles::QuestionPageFiles(const CoursePackage &package, QString dataDir)
    : m_package(package)
    , m_dataDir(std::move(dataDir))
{
}

QuestionPageFiles::~QuestionPageFiles()
{
    clear();
}

QString QuestionPageFiles::pathFor(const QString &dataDir, const QString &pageId)
{
    return dataDir + QStringLiteral("/temppaper") + pageId + QStringLiteral(".mht");
}

QString QuestionPageFiles::ShowQuestionPage(const QString &pageId)
{
    bool ok = false;
    const int number = pageId.toInt(&ok);
    const QString path = pathFor(m_dataDir, pageId);
    if (!ok || ExtractResource(m_package, number, QStringLiteral("Custom"), path) != 0)
        return QString();
    if (!m_current.isEmpty() && m_current != path)
        QFile::remove(m_current);
    m_current = path;
    return path;
}

void QuestionPageFiles::clear()
{
    if (!m_current.isEmpty())
        QFile::remove(m_current);
    m_current.clear();
}
