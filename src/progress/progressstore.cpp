#include "progressstore.h"

#include "course/atomicwrite.h"
#include "course/taggedrecords.h"
#include "fieldcodec.h"
#include "progressfilecheck.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QObject>

using namespace TaggedRecords;

namespace {

std::optional<QByteArray> readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

void merge(StoreResult &into, const StoreResult &from)
{
    into.setAside += from.setAside;
    if (!from.ok) {
        into.ok = false;
        into.error = from.error;
    }
}

StoreResult failure(const QString &error)
{
    StoreResult result;
    result.ok = false;
    result.error = error;
    return result;
}

const QString trendKey = QStringLiteral("TRD");

} // namespace

ProgressStore::ProgressStore(CoursePackage package, QString dataDir, CourseModel course)
    : m_package(std::move(package))
    , m_dataDir(std::move(dataDir))
    , m_course(std::move(course))
{
}

QString ProgressStore::path(ProgressFile file, int subject) const
{
    return ProgressFiles::path(m_dataDir, file, subject, m_course.courseCode);
}

std::optional<QByteArray> ProgressStore::templateBytes(ProgressFile file, int subject) const
{
    return m_package.resource(ProgressFiles::templateNumber(file, subject));
}

std::optional<QByteArray> ProgressStore::soundBytes(ProgressFile file, int subject) const
{
    const auto bytes = readBytes(path(file, subject));
    const auto pattern = templateBytes(file, subject);
    if (!bytes || !pattern || !ProgressFileCheck::isSound(*bytes, *pattern))
        return std::nullopt;
    return bytes;
}

std::optional<ProgressProblem> ProgressStore::setAside(const QString &filePath)
{
    const QFileInfo info(filePath);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString kept = info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral("-damaged-") + stamp;
    for (int n = 2; QFileInfo::exists(kept + QStringLiteral(".txt")); ++n)
        kept = info.absolutePath() + u'/' + info.completeBaseName() + QStringLiteral("-damaged-") + stamp + u'-'
               + QString::number(n);
    kept += QStringLiteral(".txt");
    if (!QFile::copy(filePath, kept))
        return ProgressProblem{filePath, QString()};
    return ProgressProblem{filePath, kept};
}

QList<ProgressProblem> ProgressStore::EnsureProgressFiles()
{
    QList<ProgressProblem> problems;
    for (int subject : m_course.presentSubjects()) {
        for (ProgressFile file : ProgressFiles::all()) {
            const QString filePath = path(file, subject);
            if (QFileInfo(filePath).isFile()) {
                if (soundBytes(file, subject) || !templateBytes(file, subject))
                    continue;
                if (const auto problem = setAside(filePath))
                    problems.append(*problem);
            }
            if (ExtractResource(m_package, ProgressFiles::templateNumber(file, subject), QStringLiteral("Custom"),
                                filePath)
                != 0)
                problems.append({filePath, QString(), ProgressProblem::NotCreated});
        }
    }
    return problems;
}

QStringList ProgressStore::ResetProgressFiles()
{
    QStringList failed;
    for (int subject : m_course.presentSubjects()) {
        for (ProgressFile file : ProgressFiles::all()) {
            const QString filePath = path(file, subject);
            if (ExtractResource(m_package, ProgressFiles::templateNumber(file, subject), QStringLiteral("Custom"),
                                filePath)
                != 0)
                failed.append(filePath);
        }
    }
    return failed;
}

std::optional<MarksRecords> ProgressStore::readMarks(int subject) const
{
    const auto bytes = soundBytes(ProgressFile::Marks, subject);
    if (!bytes)
        return std::nullopt;
    const int p = m_course.subject(subject).paperCount;
    const QStringList lines = splitLines(*bytes);
    QList<QStringList> lists;
    for (const QString &key : MarksRecords::keys())
        lists.append(FieldCodec::unescapeAll(splitFields(findRecord(lines, key), p, ThreeCharKeyStart, p)));
    return MarksRecords::fromLists(lists);
}

std::optional<QStringList> ProgressStore::readPaperRow(ProgressFile file, int subject, int paperIndex,
                                                       int slotCount) const
{
    const auto bytes = soundBytes(file, subject);
    if (!bytes)
        return std::nullopt;
    const int p = m_course.subject(subject).paperCount;
    const QStringList rows = readPaperRows(splitLines(*bytes), p);
    const QString row = paperIndex >= 1 && paperIndex <= rows.size() ? rows.at(paperIndex - 1) : QString();
    return FieldCodec::unescapeAll(splitFields(row, slotCount, ThreeCharKeyStart, slotCount));
}

QString ProgressStore::readTrendLine(int subject) const
{
    const auto bytes = soundBytes(ProgressFile::Trend, subject);
    return bytes ? findRecord(splitLines(*bytes), trendKey) : QString();
}

std::optional<QStringList> ProgressStore::linesForWrite(ProgressFile file, int subject, StoreResult &result)
{
    if (const auto bytes = soundBytes(file, subject))
        return splitLines(*bytes);
    const QString filePath = path(file, subject);
    if (QFileInfo::exists(filePath)) {
        if (const auto problem = setAside(filePath))
            result.setAside.append(*problem);
    }
    if (const auto pattern = templateBytes(file, subject))
        return splitLines(*pattern);
    return std::nullopt;
}

std::optional<QStringList> ProgressStore::rowLines(ProgressFile file, int subject, int paperIndex,
                                                   const QStringList &fields, StoreResult &result)
{
    const int p = m_course.subject(subject).paperCount;
    if (paperIndex < 1 || paperIndex > p) {
        merge(result, failure(QObject::tr("Paper %1 is not part of this subject.").arg(100 + paperIndex)));
        return std::nullopt;
    }
    const auto lines = linesForWrite(file, subject, result);
    if (!lines) {
        merge(result, failure(QObject::tr("The course holds no template for %1.").arg(path(file, subject))));
        return std::nullopt;
    }
    QStringList rows = readPaperRows(*lines, p);
    return replacedPaperRows(rows, FieldCodec::escapeAll(fields), paperIndex, QString::number(100 + paperIndex), p,
                             int(fields.size()));
}

StoreResult ProgressStore::saveAnswers(int subject, int attempt, int paperIndex, const QStringList &answers)
{
    StoreResult result;
    const ProgressFile file = ProgressFiles::answersFile(attempt);
    const auto lines = rowLines(file, subject, paperIndex, answers, result);
    QString error;
    if (lines && !writeLines(path(file, subject), *lines, &error))
        merge(result, failure(error));
    return result;
}

std::optional<QStringList> ProgressStore::marksLines(int subject, int paperIndex, int attempt,
                                                     const MarkingRecord &record, StoreResult &result)
{
    const auto lines = linesForWrite(ProgressFile::Marks, subject, result);
    if (!lines) {
        merge(result,
              failure(QObject::tr("The course holds no template for %1.").arg(path(ProgressFile::Marks, subject))));
        return std::nullopt;
    }
    const int p = m_course.subject(subject).paperCount;
    QList<QStringList> lists;
    for (const QString &key : MarksRecords::keys())
        lists.append(splitFields(findRecord(*lines, key), p, ThreeCharKeyStart, p));
    MarksRecords marks = MarksRecords::fromLists(lists);
    const int j = paperIndex - 1;
    if (attempt == 1) {
        marks.fse[j] = FieldCodec::escape(record.score);
        marks.ltm[j] = FieldCodec::escape(record.timeTaken);
        marks.cdd[j] = FieldCodec::escape(record.date);
        marks.fst[j] = QStringLiteral("1");
    } else {
        marks.sse[j] = FieldCodec::escape(record.score);
        marks.sst[j] = QStringLiteral("1");
    }
    return marksRecordLines(marks.lists(), MarksRecords::keys(), p);
}

QStringList ProgressStore::trendLines(int subject, const QString &score, StoreResult &result)
{
    const auto lines = linesForWrite(ProgressFile::Trend, subject, result);
    QString trend = lines ? findRecord(*lines, trendKey) : QString();
    // Without a record the key would be lost: start one.
    if (trend.isEmpty())
        trend = u'#' + trendKey + u'#';
    return {trend + u'>' + FieldCodec::escape(score)};
}

StoreResult ProgressStore::recordMarking(int subject, int attempt, int paperIndex, const MarkingRecord &record)
{
    StoreResult result;
    const ProgressFile resultsFile = ProgressFiles::resultsFile(attempt);
    const auto results = rowLines(resultsFile, subject, paperIndex, record.results, result);
    if (!results)
        return result;
    const auto marks = marksLines(subject, paperIndex, attempt, record, result);
    if (!marks)
        return result;
    QList<std::pair<QString, QByteArray>> files = {{path(resultsFile, subject), encodeLines(*results)},
                                                   {path(ProgressFile::Marks, subject), encodeLines(*marks)}};
    if (attempt == 1)
        files.append({path(ProgressFile::Trend, subject), encodeLines(trendLines(subject, record.score, result))});
    QString error;
    if (!writeFilesAtomically(files, &error))
        merge(result, failure(error));
    return result;
}
