#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "coursepackage.h"

// Paper and page numbering. A PaperIndex counts papers within a subject from 1;
// topic t (1..10) holds papers 5(t-1)+1 .. 5t; the PaperId is 100 + PaperIndex.
namespace PaperNumbering {

inline int paperIndex(int topic, int paperInTopic) { return 5 * (topic - 1) + paperInTopic; }
inline int paperId(int paperIndex) { return 100 + paperIndex; }
inline int firstPaperIndexOfTopic(int topic) { return 5 * (topic - 1) + 1; }
inline int topicOfPaperIndex(int paperIndex) { return (paperIndex - 1) / 5 + 1; }

} // namespace PaperNumbering

// A paper as the question bank defines it: its pages, the answer blanks on
// each, and per blank (slot, numbered across the pages) the key, the answer
// kind and the marks.
struct PaperDefinition
{
    static constexpr int MaxSlotsPerPage = 20;
    static constexpr int MaxSlots = 80;
    // More than any course gives one blank, and little enough that a paper's
    // whole score stays a small whole number.
    static constexpr int MaxMarksPerSlot = 1000;

    QStringList pageIds;
    QList<int> pageSlotCounts;
    QStringList keys;
    QStringList kinds;
    QList<double> marks;
    double totalMarks = 0;

    int pageCount() const { return int(pageIds.size()); }
    int slotCount() const { return int(keys.size()); }
    // Slots on the pages before page (1-based).
    int slotOffset(int page) const;

    // Empty when the paper can be worked; otherwise why it cannot.
    QString problem() const;
    bool isComplete() const { return problem().isEmpty(); }
};

// Reads paper paperId (as "101") of subject s from the package's four tables.
// A missing table leaves its lists empty, which problem() then names.
PaperDefinition ReadPaperDefinition(const CoursePackage &package, int subject, const QString &paperId);

// Writes the question page on show to dataDir/temppaper<PageId>.mht for the
// HTML view, and removes the page shown before, so at most one page file
// exists at a time.
class QuestionPageFiles
{
public:
    QuestionPageFiles(const CoursePackage &package, QString dataDir);
    ~QuestionPageFiles();

    QuestionPageFiles(const QuestionPageFiles &) = delete;
    QuestionPageFiles &operator=(const QuestionPageFiles &) = delete;

    static QString pathFor(const QString &dataDir, const QString &pageId);

    // Writes the page first and only then drops the previous one, so a page
    // that cannot be written leaves the current one on show. Returns the new
    // path, or empty on failure.
    QString ShowQuestionPage(const QString &pageId);

    QString currentPath() const { return m_current; }
    // Removes the page file on show (when the window closes).
    void clear();

private:
    CoursePackage m_package;
    QString m_dataDir;
    QString m_current;
};
