// Random bytes as a tagged record file: every reader of the course tables and
// the progress files, and the shape check that decides whether a progress
// file may be rewritten.
#include "course/taggedrecords.h"
#include "progress/progressfilecheck.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

using namespace TaggedRecords;

namespace {

// A per-paper template of three papers, as the course tool writes one.
const QByteArray paperTemplate = "...\r\n#101#>>\r\n#102#>\r\n#103#>>>\r\n...";
const QByteArray trendTemplate = "#TRD#\r\n";

void require(bool condition)
{
    if (!condition)
        std::abort();
}

void readFieldsOf(const QString &line)
{
    if (line.isEmpty())
        return;
    const int count = countFields(line);
    for (int n : {1, 3, count}) {
        for (int start : {ThreeCharKeyStart, FiveCharKeyStart}) {
            const QStringList fields = splitFields(line, n, start, 10);
            require(fields.size() == qMax(n, 10));
            // With enough separators the fields put back together are the line
            // after the first one.
            if (n > 0 && line.size() >= start && countFields(line.mid(start)) >= n - 1)
                require(fields.mid(0, n).join(u'>') == line.mid(start));
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QStringList lines = splitLines(bytes);
    for (const QString &line : lines)
        require(!line.contains(u'\n'));

    for (const QString &key : {QStringLiteral("101"), QStringLiteral("fse"), QStringLiteral("TRD"),
                               QStringLiteral("15001")})
        readFieldsOf(findRecord(lines, key));

    // The question bank's road: a paper's pages, then their rows in each table.
    const QStringList pages = readAllTaggedFields(lines, QStringLiteral("101"));
    const int f = int(qMin<qsizetype>(pages.size(), 20));
    readFieldsForKeys(lines, pages, f);
    const QList<int> counts = countTaggedFields(lines, pages, f);
    require(counts.size() == f);

    const QStringList rows = readPaperRows(lines, 50);
    require(rows.size() == 50);
    for (const QString &row : rows)
        readFieldsOf(row);

    // A file the check passes reads every row of its template, each with the
    // template's number of fields: that is what makes a rewrite of it safe.
    if (ProgressFileCheck::isSound(bytes, paperTemplate)) {
        const QStringList templateRows = readPaperRows(splitLines(paperTemplate), 3);
        for (int b = 0; b < 3; ++b)
            require(!rows.at(b).isEmpty() && countFields(rows.at(b)) == countFields(templateRows.at(b)));
    }
    if (ProgressFileCheck::isSound(bytes, trendTemplate))
        require(findRecord(lines, QStringLiteral("TRD")).startsWith(u"#TRD#", Qt::CaseInsensitive));
    ProgressFileCheck::isSound(paperTemplate, bytes);
    return 0;
}
