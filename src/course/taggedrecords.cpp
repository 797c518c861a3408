#include "taggedrecords.h"

#include "atomicwrite.h"
#include "codepage.h"

#include <QFile>

namespace TaggedRecords {

namespace {

QString marker(const QString &key)
{
    return u'#' + key + u'#';
}

bool isRecordOf(const QString &line, const QString &key)
{
    return line.contains(marker(key), Qt::CaseInsensitive);
}

QStringList linesOfFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return readLines(file);
}

QStringList padded(QStringList list, int capacity)
{
    while (list.size() < capacity)
        list.append(QString());
    return list;
}

} // namespace

QStringList splitLines(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        const qsizetype next = end < 0 ? bytes.size() : end + 1;
        if (end < 0)
            end = bytes.size();
        qsizetype stop = end;
        if (stop > from && bytes[stop - 1] == '\r')
            --stop;
        lines.append(Cp1252::decode(bytes.sliced(from, stop - from)));
        from = next;
    }
    return lines;
}

QStringList readLines(QIODevice &device)
{
    return splitLines(device.readAll());
}

QString findRecord(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines) {
        if (isRecordOf(line, key))
            return line;
    }
    return QString();
}

QStringList splitFields(const QString &line, int n, int start, int capacity)
{
    QStringList fields;
    // 0-based index of the ">" opening the current field; -1 once none is left.
    qsizetype open = line.size() >= start ? start - 1 : -1;
    for (int i = 1; i <= n; ++i) {
        if (open < 0) {
            fields.append(QString());
            continue;
        }
        if (i == n) {
            fields.append(line.mid(open + 1));
            break;
        }
        const qsizetype close = line.indexOf(u'>', open + 1);
        fields.append(close < 0 ? line.mid(open + 1) : line.mid(open + 1, close - open - 1));
        open = close;
    }
    return padded(fields, capacity);
}

int countFields(const QString &line)
{
    return int(line.count(u'>'));
}

QString ReadTaggedValue(const QString &path, const QString &key)
{
    return ReadTaggedLine(path, key).mid(ThreeCharKeyStart);
}

QString ReadTaggedLine(const QString &path, const QString &key)
{
    return findRecord(linesOfFile(path), key);
}

QStringList ReadTaggedFields(const QString &path, const QString &key, int n, int capacity)
{
    return splitFields(ReadTaggedLine(path, key), n, ThreeCharKeyStart, capacity);
}

QStringList SplitTaggedLine(const QString &line, int n, int capacity)
{
    return splitFields(line, n, ThreeCharKeyStart, capacity);
}

QStringList readAllTaggedFields(const QStringList &lines, const QString &key)
{
    const QString line = findRecord(lines, key);
    const int m = countFields(line);
    return splitFields(line, m, ThreeCharKeyStart, m);
}

QStringList ReadAllTaggedFields(const QString &path, const QString &key)
{
    return readAllTaggedFields(linesOfFile(path), key);
}

namespace {

// Record lines of keys in turn, each search going on from the line after the
// previous match; once the end is reached every later key finds nothing.
QStringList forwardRecords(const QStringList &lines, const QStringList &keys)
{
    QStringList records;
    qsizetype at = 0;
    for (const QString &key : keys) {
        QString found;
        while (at < lines.size()) {
            const QString &line = lines.at(at++);
            if (isRecordOf(line, key)) {
                found = line;
                break;
            }
        }
        records.append(found);
    }
    return records;
}

QStringList firstKeys(const QStringList &keys, int n)
{
    return keys.mid(0, n);
}

} // namespace

QStringList readPaperRows(const QStringList &lines, int count)
{
    QStringList keys;
    for (int b = 1; b <= count; ++b)
        keys.append(QString::number(100 + b));
    return padded(forwardRecords(lines, keys), 50);
}

QStringList ReadPaperRows(const QString &path, int count)
{
    return readPaperRows(linesOfFile(path), count);
}

QList<int> countTaggedFields(const QStringList &lines, const QStringList &keys, int n)
{
    QList<int> counts;
    const QStringList records = forwardRecords(lines, firstKeys(keys, n));
    for (const QString &record : records)
        counts.append(countFields(record));
    return counts;
}

QList<int> CountTaggedFields(const QString &path, const QStringList &keys, int n)
{
    return countTaggedFields(linesOfFile(path), keys, n);
}

QStringList readFieldsForKeys(const QStringList &lines, const QStringList &keys, int n)
{
    QStringList flat;
    const QStringList records = forwardRecords(lines, firstKeys(keys, n));
    for (const QString &record : records) {
        const int m = countFields(record);
        flat += splitFields(record, m, FiveCharKeyStart, m);
    }
    return flat;
}

QStringList ReadFieldsForKeys(const QString &path, const QStringList &keys, int n)
{
    return readFieldsForKeys(linesOfFile(path), keys, n);
}

QString composeRecord(const QString &key, const QStringList &fields)
{
    return marker(key) + u'>' + fields.join(u'>');
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += Cp1252::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool writeLines(const QString &path, const QStringList &lines, QString *error)
{
    return writeFileAtomically(path, encodeLines(lines), error);
}

QStringList replacedPaperRows(QStringList &rows, const QStringList &fields, int index, const QString &key, int count,
                              int n)
{
    rows = padded(rows, qMax(count, index));
    rows[index - 1] = composeRecord(key, padded(fields.mid(0, n), n));
    return rows.mid(0, count);
}

bool ReplacePaperRow(QStringList &rows, const QStringList &fields, int index, const QString &key, int count, int n,
                     const QString &path, QString *error)
{
    return writeLines(path, replacedPaperRows(rows, fields, index, key, count, n), error);
}

QStringList marksRecordLines(const QList<QStringList> &lists, const QStringList &keys, int n)
{
    QStringList lines;
    for (qsizetype i = 0; i < keys.size() && i < lists.size(); ++i)
        lines.append(composeRecord(keys.at(i), padded(lists.at(i).mid(0, n), n)));
    return lines;
}

bool WriteMarksRecords(const QList<QStringList> &lists, const QStringList &keys, int n, const QString &path,
                       QString *error)
{
    return writeLines(path, marksRecordLines(lists, keys, n), error);
}

} // namespace TaggedRecords
