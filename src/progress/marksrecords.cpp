#include "marksrecords.h"

const QStringList &MarksRecords::keys()
{
    static const QStringList keys = {QStringLiteral("FSE"), QStringLiteral("SSE"), QStringLiteral("LTM"),
                                     QStringLiteral("CDD"), QStringLiteral("FST"), QStringLiteral("SST")};
    return keys;
}

QList<QStringList> MarksRecords::lists() const
{
    return {fse, sse, ltm, cdd, fst, sst};
}

MarksRecords MarksRecords::fromLists(const QList<QStringList> &lists)
{
    MarksRecords records;
    QStringList *targets[] = {&records.fse, &records.sse, &records.ltm,
                              &records.cdd, &records.fst, &records.sst};
    for (int i = 0; i < 6 && i < lists.size(); ++i)
        *targets[i] = lists.at(i);
    return records;
}

MarksRecords MarksRecords::empty(int paperCount)
{
    const QStringList blank(paperCount, QString());
    const QStringList zeros(paperCount, QStringLiteral("0"));
    return {blank, blank, blank, blank, zeros, zeros};
}

bool MarksRecords::fieldIs(const QStringList &list, int paperIndex, QStringView value)
{
    return paperIndex >= 1 && paperIndex <= list.size() && list.at(paperIndex - 1) == value;
}
