#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The six records of a subject's marks file, each with one field per paper,
// indexed here by PaperIndex - 1.
struct MarksRecords
{
    QStringList fse; // first-attempt score, empty while not marked
    QStringList sse; // second-attempt score
    QStringList ltm; // time taken by the first attempt, "h:m:s"
    QStringList cdd; // date the first attempt was marked
    QStringList fst; // "1" once the first attempt is marked
    QStringList sst; // "1" once the second attempt is marked

    static const QStringList &keys(); // FSE, SSE, LTM, CDD, FST, SST
    QList<QStringList> lists() const;
    static MarksRecords fromLists(const QList<QStringList> &lists);

    // A fresh record set for paperCount papers, as the template holds it.
    static MarksRecords empty(int paperCount);

    int paperCount() const { return int(fse.size()); }
    bool isFirstMarked(int paperIndex) const { return fieldIs(fst, paperIndex, u"1"); }
    bool isSecondMarked(int paperIndex) const { return fieldIs(sst, paperIndex, u"1"); }

private:
    static bool fieldIs(const QStringList &list, int paperIndex, QStringView value);
};
