#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The results listing of one subject as lines of text items placed in print
// zones, ready for a printer to lay out in its own font.

// An item of a printed line, placed in print zone `zone` (0, 1, 2, ..).
struct PrintItem
{
    int zone = 0;
    QString text;

    friend bool operator==(const PrintItem &a, const PrintItem &b) { return a.zone == b.zone && a.text == b.text; }
};

using PrintLine = QList<PrintItem>; // an empty line has no items

// The listing: a title with the course name, then per topic a heading block
// and one line per paper with its first score, time taken, date and second
// score. The lists hold the marks file's texts by paper (PaperIndex - 1).
QList<PrintLine> resultsPrintout(const QString &courseName, int topicCount, const QStringList &topicNames,
                                 const QStringList &fse, const QStringList &ltm, const QStringList &cdd,
                                 const QStringList &sse);

// The character column each item of the line starts at. An item starts at its
// zone's boundary, or, when the item before it runs past that boundary, at the
// first zone boundary at or after that item's end.
QList<int> zoneColumns(const PrintLine &line, int zoneWidth = 14);
