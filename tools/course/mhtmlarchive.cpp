#include "mhtmlarchive.h"

#include <QRegularExpression>

namespace {

const QByteArray crlf = QByteArrayLiteral("\r\n");
const QByteArray boundary = QByteArrayLiteral("----=_QuorvalePage");

bool isTextType(const QByteArray &mimeType)
{
    return mimeType.startsWith("text/") || mimeType == "image/svg+xml";
}

// Quoted-printable with CR LF hard line breaks and lines of at most 76 characters.
QByteArray quotedPrintable(QByteArrayView text)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    QByteArray line;
    auto append = [&](QByteArrayView piece) {
        if (line.size() + piece.size() > 75) {
            out += line + "=\r\n";
            line.clear();
        }
        line += piece;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const uchar c = uchar(text[i]);
        if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            if (c == '\r')
                ++i;
            out += line + crlf;
            line.clear();
            continue;
        }
        const bool atLineEnd = i + 1 == text.size() || text[i + 1] == '\n' || text[i + 1] == '\r';
        const bool literal = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !atLineEnd);
        if (literal) {
            append(text.sliced(i, 1));
        } else {
            const char escape[3] = {'=', hex[c >> 4], hex[c & 15]};
            append(QByteArrayView(escape, 3));
        }
    }
    return out + line;
}

QByteArray base64Lines(const QByteArray &bytes)
{
    const QByteArray encoded = bytes.toBase64();
    QByteArray out;
    for (qsizetype i = 0; i < encoded.size(); i += 76) {
        if (i)
            out += crlf;
        out += encoded.mid(i, 76);
    }
    return out;
}

std::optional<QByteArray> decodeQuotedPrintable(QByteArrayView text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != '=') {
            out += text[i];
            continue;
        }
        if (text.sliced(i).startsWith("=\r\n")) {
            i += 2;
            continue;
        }
        bool ok = false;
        const int value = i + 2 < text.size() ? text.sliced(i + 1, 2).toInt(&ok, 16) : 0;
        if (!ok)
            return std::nullopt;
        out += char(value);
        i += 2;
    }
    return out;
}

struct Headers
{
    QList<std::pair<QByteArray, QByteArray>> fields; // lower-case name, value

    QByteArray value(QByteArrayView name) const
    {
        for (const auto &[field, value] : fields) {
            if (field == name)
                return value;
        }
        return QByteArray();
    }
};

// Header lines up to the first empty line; a line starting with a space or tab continues the one before.
Headers parseHeaders(QByteArrayView block)
{
    Headers headers;
    for (const QByteArray &line : block.toByteArray().split('\n')) {
        const QByteArray text = line.endsWith('\r') ? line.chopped(1) : line;
        if (text.isEmpty())
            continue;
        if ((text.startsWith(' ') || text.startsWith('\t')) && !headers.fields.isEmpty()) {
            headers.fields.last().second += ' ' + text.trimmed();
            continue;
        }
        const qsizetype colon = text.indexOf(':');
        if (colon > 0)
            headers.fields.append({text.first(colon).trimmed().toLower(), text.mid(colon + 1).trimmed()});
    }
    return headers;
}

QByteArray parameter(const QByteArray &headerValue, QByteArrayView name)
{
    const QRegularExpression pattern(QStringLiteral("(?:^|;)\\s*%1\\s*=\\s*(?:\"([^\"]*)\"|([^;\\s]+))")
                                         .arg(QString::fromLatin1(name)),
                                     QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(headerValue));
    if (!match.hasMatch())
        return QByteArray();
    return (match.capturedLength(1) ? match.captured(1) : match.captured(2)).toLatin1();
}

QByteArray mimeTypeOf(const QByteArray &contentType)
{
    const qsizetype semicolon = contentType.indexOf(';');
    return (semicolon < 0 ? contentType : contentType.first(semicolon)).trimmed().toLower();
}

QByteArray withoutAngles(const QByteArray &id)
{
    if (id.startsWith('<') && id.endsWith('>'))
        return id.sliced(1, id.size() - 2);
    return id;
}

std::optional<MhtmlArchive::Part> parsePart(QByteArrayView block, int number, QString *error)
{
    const qsizetype split = block.indexOf("\r\n\r\n");
    if (split < 0) {
        *error = QStringLiteral("part %1 has no blank line after its headers").arg(number);
        return std::nullopt;
    }
    const Headers headers = parseHeaders(block.first(split));
    const QByteArrayView raw = block.sliced(split + 4);
    MhtmlArchive::Part part;
    part.contentType = headers.value("content-type");
    part.contentId = withoutAngles(headers.value("content-id"));
    part.contentLocation = headers.value("content-location");
    if (part.contentType.isEmpty()) {
        *error = QStringLiteral("part %1 has no Content-Type").arg(number);
        return std::nullopt;
    }
    const QByteArray encoding = headers.value("content-transfer-encoding").toLower();
    if (encoding == "base64") {
        QByteArray compact = raw.toByteArray();
        compact.replace("\r\n", "");
        const auto decoded = QByteArray::fromBase64Encoding(compact, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded) {
            *error = QStringLiteral("part %1 is not valid base64").arg(number);
            return std::nullopt;
        }
        part.body = decoded.decoded;
    } else if (encoding == "quoted-printable") {
        const std::optional<QByteArray> decoded = decodeQuotedPrintable(raw);
        if (!decoded) {
            *error = QStringLiteral("part %1 is not valid quoted-printable").arg(number);
            return std::nullopt;
        }
        part.body = *decoded;
    } else if (encoding.isEmpty() || encoding == "7bit" || encoding == "8bit" || encoding == "binary") {
        part.body = raw.toByteArray();
    } else {
        *error = QStringLiteral("part %1 has the unknown transfer encoding \"%2\"")
                     .arg(number)
                     .arg(QString::fromLatin1(encoding));
        return std::nullopt;
    }
    return part;
}

} // namespace

QByteArray MhtmlArchive::Part::mimeType() const
{
    return mimeTypeOf(contentType);
}

QByteArray MhtmlArchive::toBytes() const
{
    QByteArray out = "MIME-Version: 1.0" + crlf;
    if (!subject.isEmpty())
        out += "Subject: " + subject + crlf;
    out += "Content-Type: multipart/related; type=\"text/html\";" + crlf + "\tboundary=\"" + boundary + '"' + crlf + crlf;
    for (const Part &part : parts) {
        out += "--" + boundary + crlf;
        out += "Content-Type: " + part.contentType + crlf;
        if (!part.contentId.isEmpty())
            out += "Content-ID: <" + part.contentId + '>' + crlf;
        if (!part.contentLocation.isEmpty())
            out += "Content-Location: " + part.contentLocation + crlf;
        const bool text = isTextType(part.mimeType());
        out += "Content-Transfer-Encoding: " + QByteArray(text ? "quoted-printable" : "base64") + crlf + crlf;
        out += (text ? quotedPrintable(part.body) : base64Lines(part.body)) + crlf;
    }
    return out + "--" + boundary + "--" + crlf;
}

std::optional<MhtmlArchive> MhtmlArchive::parse(QByteArrayView bytes, QString *error)
{
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool bareLf = bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
        const bool bareCr = bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n');
        if (bareLf || bareCr) {
            *error = QStringLiteral("its line ends are not all CR LF");
            return std::nullopt;
        }
    }
    const qsizetype split = bytes.indexOf("\r\n\r\n");
    if (split < 0) {
        *error = QStringLiteral("it has no MIME header");
        return std::nullopt;
    }
    const Headers headers = parseHeaders(bytes.first(split));
    const QByteArray contentType = headers.value("content-type");
    if (mimeTypeOf(contentType) != "multipart/related") {
        *error = QStringLiteral("it is not a multipart/related archive");
        return std::nullopt;
    }
    const QByteArray delimiter = "--" + parameter(contentType, "boundary");
    if (delimiter.size() == 2) {
        *error = QStringLiteral("its Content-Type names no boundary");
        return std::nullopt;
    }

    MhtmlArchive archive;
    archive.subject = headers.value("subject");
    // Delimiters stand at the start of a line; the CR LF before one belongs to it.
    const QByteArray body = "\r\n" + bytes.sliced(split + 4).toByteArray();
    const QByteArray separator = "\r\n" + delimiter;
    qsizetype at = body.indexOf(separator);
    if (at < 0) {
        *error = QStringLiteral("it has no parts");
        return std::nullopt;
    }
    while (true) {
        const qsizetype afterDelimiter = at + separator.size();
        if (body.sliced(afterDelimiter).startsWith("--"))
            break;
        const qsizetype start = body.indexOf("\r\n", afterDelimiter);
        const qsizetype next = start < 0 ? -1 : body.indexOf(separator, start);
        if (next < 0) {
            *error = QStringLiteral("its closing boundary is missing");
            return std::nullopt;
        }
        const std::optional<Part> part = parsePart(QByteArrayView(body).sliced(start + 2, next - start - 2),
                                                   int(archive.parts.size() + 1), error);
        if (!part)
            return std::nullopt;
        archive.parts.append(*part);
        at = next;
    }
    if (archive.parts.isEmpty()) {
        *error = QStringLiteral("it has no parts");
        return std::nullopt;
    }
    return archive;
}

const MhtmlArchive::Part *MhtmlArchive::partWithContentId(QByteArrayView contentId) const
{
    for (const Part &part : parts) {
        if (part.contentId == contentId)
            return &part;
    }
    return nullptr;
}
