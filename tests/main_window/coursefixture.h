#pragma once

// The fixture course (English: Grammar and Mock Examination, 10 papers;
// Maths: Numbers, 5 papers; code FX) in a fresh data folder, with the marks
// and trend records a test needs written the way the practice windows write them.

#include "course/coursepackage.h"
#include "course/taggedrecords.h"
#include "main_window/contents.h"
#include "progress/marksrecords.h"
#include "progress/progressfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace CourseFixture {

inline CoursePackage package()
{
    return CoursePackage::fromFolder(QStringLiteral(QUORVALE_FIXTURE_COURSE));
}

inline QString courseCode()
{
    return QStringLiteral("FX");
}

inline int paperCount(int subject)
{
    return subject == 1 ? 10 : 5;
}

inline QString path(const QString &dataDir, ProgressFile file, int subject)
{
    return ProgressFiles::path(dataDir, file, subject, courseCode());
}

inline QByteArray templateBytes(ProgressFile file, int subject)
{
    return package().resource(ProgressFiles::templateNumber(file, subject)).value_or(QByteArray());
}

inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Scores by PaperIndex - 1; a paper with a first score is marked.
inline void writeMarks(const QString &dataDir, int subject, const QStringList &fse, const QStringList &sse = {},
                       const QStringList &ltm = {}, const QStringList &cdd = {})
{
    const int count = paperCount(subject);
    MarksRecords marks = MarksRecords::empty(count);
    for (int i = 0; i < count; ++i) {
        marks.fse[i] = fse.value(i);
        marks.sse[i] = sse.value(i);
        marks.ltm[i] = ltm.value(i);
        marks.cdd[i] = cdd.value(i);
        marks.fst[i] = marks.fse[i].isEmpty() ? QStringLiteral("0") : QStringLiteral("1");
        marks.sst[i] = marks.sse[i].isEmpty() ? QStringLiteral("0") : QStringLiteral("1");
    }
    QVERIFY(TaggedRecords::WriteMarksRecords(marks.lists(), MarksRecords::keys(), count,
                                             path(dataDir, ProgressFile::Marks, subject)));
}

inline void writeTrend(const QString &dataDir, int subject, const QString &record)
{
    QVERIFY(TaggedRecords::writeLines(path(dataDir, ProgressFile::Trend, subject), {record}));
}

// A started main window whose dialogs answer from a script.
struct Window
{
    QTemporaryDir dir;
    std::shared_ptr<ScriptedDialogs> dialogs = std::make_shared<ScriptedDialogs>();
    QPoint pointer{-1000, -1000};
    std::unique_ptr<Contents> contents;

    Services services()
    {
        Services services;
        services.dialogs = dialogs;
        services.pointer = [this] { return pointer; };
        return services;
    }

    void start(CoursePackage course = package())
    {
        contents = std::make_unique<Contents>(std::move(course), dir.path(), services());
        contents->start();
    }
};

} // namespace CourseFixture
