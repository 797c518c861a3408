#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

// Tagged record files: lines "#KEY#>field>field...", single-byte text with
// CR LF line ends. A record is the first line that contains "#KEY#" (letters
// compared without regard to case); lines that are not records are passed over.
//
// Field positions are fixed by the key length the reader assumes: the first
// ">" stands at position 6 after a three-character key and at position 8
// after a five-digit page key. Lists are 0-based here; a reader with a
// capacity always returns that many entries, the unfilled ones empty.
//
// The readers taking a path return empty results when the file cannot be
// read; the readers taking a device let callers that must tell a missing file
// from an empty one (the progress store) read from memory.

namespace TaggedRecords {

constexpr int ThreeCharKeyStart = 6;
constexpr int FiveCharKeyStart = 8;

// Lines of a file's bytes, with CR LF or LF ends removed, decoded from the code page.
QStringList splitLines(QByteArrayView bytes);
QStringList readLines(QIODevice &device);

// The record line of key among lines, or empty.
QString findRecord(const QStringList &lines, const QString &key);

// Splits a record line into n fields, the first ">" taken at 1-based position start.
// Field n runs to the end of the line, further ">" included.
QStringList splitFields(const QString &line, int n, int start, int capacity);

int countFields(const QString &line);

QString ReadTaggedValue(const QString &path, const QString &key);
QString ReadTaggedLine(const QString &path, const QString &key);
QStringList ReadTaggedFields(const QString &path, const QString &key, int n, int capacity);
QStringList SplitTaggedLine(const QString &line, int n, int capacity);
QStringList ReadAllTaggedFields(const QString &path, const QString &key);
QStringList ReadPaperRows(const QString &path, int count);
QList<int> CountTaggedFields(const QString &path, const QStringList &keys, int n);
QStringList ReadFieldsForKeys(const QString &path, const QStringList &keys, int n);

// Device forms of the forward-sequence readers.
QStringList readPaperRows(const QStringList &lines, int count);
QList<int> countTaggedFields(const QStringList &lines, const QStringList &keys, int n);
QStringList readFieldsForKeys(const QStringList &lines, const QStringList &keys, int n);
QStringList readAllTaggedFields(const QStringList &lines, const QString &key);

// The record line "#key#>f1>f2...>fn".
QString composeRecord(const QString &key, const QStringList &fields);

// The bytes of a file of lines: code page text, each line ended by CR LF.
QByteArray encodeLines(const QStringList &lines);

// Rewrites a whole file, atomically: on failure the old file is left as it was.
bool writeLines(const QString &path, const QStringList &lines, QString *error = nullptr);

// The lines ReplacePaperRow and WriteMarksRecords write, for a caller that
// writes several files together.
QStringList replacedPaperRows(QStringList &rows, const QStringList &fields, int index, const QString &key, int count,
                              int n);
QStringList marksRecordLines(const QList<QStringList> &lists, const QStringList &keys, int n);

// rows[index] (1-based) becomes the record of key with the first n fields and the
// first count rows are written. Returns false, leaving the file untouched, when the
// write failed.
bool ReplacePaperRow(QStringList &rows, const QStringList &fields, int index, const QString &key, int count, int n,
                     const QString &path, QString *error = nullptr);

// Six records (FSE, SSE, LTM, CDD, FST, SST in the caller's order) of n fields each.
bool WriteMarksRecords(const QList<QStringList> &lists, const QStringList &keys, int n, const QString &path,
                       QString *error = nullptr);

} // namespace TaggedRecords
