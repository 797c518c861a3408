#pragma once

#include "course/coursemodel.h"
#include "course/coursepackage.h"
#include "marksrecords.h"
#include "progressfiles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A progress file that was damaged and started afresh, or that could not be
// created at all.
struct ProgressProblem
{
    enum Kind { SetAside, NotCreated };

    QString path;   // the progress file
    QString keptAs; // where the damaged copy now lies; empty when it could not be kept
    Kind kind = SetAside;
};

// The outcome of a write. A failed write leaves every file as it was.
struct StoreResult
{
    bool ok = true;
    QString error;
    QList<ProgressProblem> setAside;

    explicit operator bool() const { return ok; }
};

// What marking a paper records.
struct MarkingRecord
{
    QStringList results; // one result-mark text per slot
    QString score;       // the percentage as stored, "87.5"
    QString timeTaken;   // first attempt only, "0:7:35"
    QString date;        // first attempt only, short date
};

// The pupil's progress: six files per present subject in the data folder.
//
// Every write for one paper re-reads its file just before writing and
// replaces only that paper's row or fields, so nothing another writer (or an
// erase) stored meanwhile is undone; every rewrite is atomic. A file found
// damaged is kept aside under a clear name and started again from its
// template rather than overwritten with rows read as blanks.
class ProgressStore
{
public:
    ProgressStore(CoursePackage package, QString dataDir, CourseModel course);

    QString dataDir() const { return m_dataDir; }
    const CourseModel &course() const { return m_course; }
    QString path(ProgressFile file, int subject) const;

    // Creates every missing file of every present subject from its template and
    // sets damaged ones aside; files in good order are left as they are. Returns
    // the files set aside and those that could not be created.
    QList<ProgressProblem> EnsureProgressFiles();

    // Writes every file of every present subject from its template. Returns the
    // files that could not be reset; empty when all were.
    QStringList ResetProgressFiles();

    // Readers write nothing; they give nothing for a missing or damaged file.
    std::optional<MarksRecords> readMarks(int subject) const;
    // The paper's row, split into slotCount fields as the pupil typed them.
    std::optional<QStringList> readPaperRow(ProgressFile file, int subject, int paperIndex, int slotCount) const;
    // The trend record line, "#TRD#>85>72.5"; empty when there is none.
    QString readTrendLine(int subject) const;

    StoreResult saveAnswers(int subject, int attempt, int paperIndex, const QStringList &answers);
    // Results row, marks and (first attempt) the trend record, all or none.
    StoreResult recordMarking(int subject, int attempt, int paperIndex, const MarkingRecord &record);

private:
    std::optional<QByteArray> templateBytes(ProgressFile file, int subject) const;
    std::optional<QByteArray> soundBytes(ProgressFile file, int subject) const;
    // The file's lines for a rewrite: as stored when sound, else its template.
    std::optional<QStringList> linesForWrite(ProgressFile file, int subject, StoreResult &result);
    std::optional<ProgressProblem> setAside(const QString &path);
    // The new lines of a file, each built from the file as it stands now;
    // nothing when the write cannot be made (the reason is in result).
    std::optional<QStringList> rowLines(ProgressFile file, int subject, int paperIndex, const QStringList &fields,
                                        StoreResult &result);
    std::optional<QStringList> marksLines(int subject, int paperIndex, int attempt, const MarkingRecord &record,
                                          StoreResult &result);
    QStringList trendLines(int subject, const QString &score, StoreResult &result);

    CoursePackage m_package;
    QString m_dataDir;
    CourseModel m_course;
};
