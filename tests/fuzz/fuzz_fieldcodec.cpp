// Random text as typed answers: escaped, written as a paper's row, read back
// and unescaped, every answer must come back exactly as typed, and the file
// must still have its template's shape.
#include "course/codepage.h"
#include "course/taggedrecords.h"
#include "progress/fieldcodec.h"
#include "progress/progressfilecheck.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

using namespace TaggedRecords;

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// The input's UTF-16 units, any of them: lone surrogates and NUL included.
QString unitsOf(const uint8_t *data, size_t size)
{
    QString text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text.append(QChar(char16_t(data[i] | data[i + 1] << 8)));
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte says into how many answers the rest is cut.
    const int n = data[0] % 80 + 1;
    const QString text = unitsOf(data + 1, size - 1);
    QStringList answers;
    const qsizetype piece = text.size() / n + 1;
    for (int i = 0; i < n; ++i)
        answers.append(text.mid(i * piece, piece));

    for (const QString &answer : answers) {
        const QString escaped = FieldCodec::escape(answer);
        require(FieldCodec::unescape(escaped) == answer);
        for (QChar c : escaped)
            require(c != u'>' && c != u'#' && c != u'\r' && c != u'\n' && Cp1252::canEncode(c));
        require(Cp1252::decode(Cp1252::encode(escaped)) == escaped);
    }
    FieldCodec::unescape(text);
    FieldCodec::unescape(QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size)));

    // The row between two others, as the progress store writes it.
    const QStringList templateLines = {QStringLiteral("..."), QStringLiteral("#101#>"),
                                       QStringLiteral("#102#") + QString(n, u'>'), QStringLiteral("#103#>>"),
                                       QStringLiteral("...")};
    QStringList rows = readPaperRows(templateLines, 3);
    rows[1] = composeRecord(QStringLiteral("102"), FieldCodec::escapeAll(answers));
    QByteArray file;
    for (const QString &row : rows.mid(0, 3))
        file += Cp1252::encode(row) + "\r\n";

    QByteArray templateBytes;
    for (const QString &line : templateLines)
        templateBytes += Cp1252::encode(line) + "\r\n";
    require(ProgressFileCheck::isSound(file, templateBytes));

    const QStringList reread = readPaperRows(splitLines(file), 3);
    require(FieldCodec::unescapeAll(splitFields(reread.at(1), n, ThreeCharKeyStart, n)) == answers);
    require(reread.at(0) == QStringLiteral("#101#>") && reread.at(2) == QStringLiteral("#103#>>"));
    return 0;
}
