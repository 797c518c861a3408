#include "progressfilecheck.h"

#include "course/taggedrecords.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ProgressFileCheck {

namespace {

struct RecordShape
{
    QString key;
    int fieldCount = 0;
};

// The records of a file, or nothing when a line is neither a record nor filler.
std::optional<QList<RecordShape>> recordShapes(QByteArrayView bytes)
{
    QList<RecordShape> shapes;
    const QStringList lines = TaggedRecords::splitLines(bytes);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line == u"..." || (line.isEmpty() && i == lines.size() - 1))
            continue;
        const qsizetype close = line.indexOf(u'#', 1);
        if (!line.startsWith(u'#') || close < 2 || (close + 1 < line.size() && line.at(close + 1) != u'>'))
            return std::nullopt;
        shapes.append({line.mid(1, close - 1).toUpper(), TaggedRecords::countFields(line)});
    }
    return shapes;
}

bool isTrendRecord(const RecordShape &shape)
{
    return shape.key == u"TRD";
}

} // namespace

bool isSound(QByteArrayView fileBytes, QByteArrayView templateBytes)
{
    const auto found = recordShapes(fileBytes);
    const auto expected = recordShapes(templateBytes);
    if (!found || !expected || found->size() != expected->size())
        return false;
    for (qsizetype i = 0; i < found->size(); ++i) {
        const RecordShape &is = found->at(i);
        const RecordShape &should = expected->at(i);
        if (is.key != should.key)
            return false;
        if (!isTrendRecord(is) && is.fieldCount != should.fieldCount)
            return false;
    }
    return true;
}

} // namespace ProgressFileCheck
