#include "progresstemplates.h"

#include "course/questionbank.h"

namespace ProgressTemplates {

namespace {

const QByteArray crlf = QByteArrayLiteral("\r\n");
const QByteArray frame = QByteArrayLiteral("...");

QByteArray record(QByteArrayView key, QByteArrayView field, int count)
{
    QByteArray line = '#' + key.toByteArray() + '#';
    for (int i = 0; i < count; ++i)
        line += '>' + field.toByteArray();
    return line;
}

} // namespace

QByteArray marks(int paperCount)
{
    QByteArray text = frame + crlf;
    for (const char *key : {"FSE", "SSE", "LTM", "CDD"})
        text += record(key, "", paperCount) + crlf;
    for (const char *key : {"FST", "SST"})
        text += record(key, "0", paperCount) + crlf;
    return text + frame + crlf;
}

QByteArray paperRows(const QList<int> &slotCounts)
{
    QByteArray text = frame + crlf;
    for (int index = 1; index <= slotCounts.size(); ++index)
        text += record(QByteArray::number(PaperNumbering::paperId(index)), "", slotCounts.at(index - 1)) + crlf;
    return text + frame;
}

QByteArray trend()
{
    return QByteArrayLiteral("#TRD#") + crlf;
}

} // namespace ProgressTemplates
