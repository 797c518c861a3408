#include "pagecheck.h"

#include "figurecheck.h"
#include "mhtmlarchive.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

namespace PageCheck {

namespace {

QStringList referencesIn(const QString &text)
{
    static const QRegularExpression attribute(QStringLiteral("\\b(?:src|href)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression cssUrl(QStringLiteral("url\\(\\s*[\"']?([^\"')]*)[\"']?\\s*\\)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QStringList references;
    for (const QRegularExpressionMatch &match : attribute.globalMatch(text))
        references.append(match.capturedLength(1) ? match.captured(1) : match.captured(2));
    for (const QRegularExpressionMatch &match : cssUrl.globalMatch(text))
        references.append(match.captured(1));
    return references;
}

std::optional<QString> decodedText(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Empty when the reference reaches a part of the archive; otherwise why not.
QString unreachable(const MhtmlArchive &archive, const QString &reference)
{
    if (reference.isEmpty() || reference.startsWith(u'#') || reference.startsWith(QStringLiteral("data:")))
        return QString();
    if (reference.startsWith(QStringLiteral("cid:"), Qt::CaseInsensitive)) {
        if (archive.partWithContentId(reference.mid(4).toUtf8()))
            return QString();
        return QStringLiteral("refers to %1, which no part of the archive holds").arg(reference);
    }
    const QUrl base(QString::fromUtf8(archive.parts.first().contentLocation));
    const QUrl url = base.resolved(QUrl(reference));
    if (url.isLocalFile() || url.scheme().isEmpty())
        return QStringLiteral("refers to the local file %1, which the question view refuses to load").arg(reference);
    for (const MhtmlArchive::Part &part : archive.parts) {
        if (!part.contentLocation.isEmpty() && QUrl(QString::fromUtf8(part.contentLocation)) == url)
            return QString();
    }
    return QStringLiteral("refers to %1, which no part of the archive holds").arg(reference);
}

} // namespace

QStringList problems(const QByteArray &bytes)
{
    QString error;
    const std::optional<MhtmlArchive> archive = MhtmlArchive::parse(bytes, &error);
    if (!archive)
        return {QStringLiteral("not a readable web archive: %1").arg(error)};
    if (archive->parts.first().mimeType() != "text/html")
        return {QStringLiteral("the first part of the archive is %1, not the HTML page")
                    .arg(QString::fromLatin1(archive->parts.first().mimeType()))};

    QStringList found;
    for (int i = 0; i < archive->parts.size(); ++i) {
        const MhtmlArchive::Part &part = archive->parts.at(i);
        if (part.contentLocation.startsWith("file:"))
            found.append(QStringLiteral("part %1 is addressed as the local file %2, which the question view refuses")
                             .arg(i + 1)
                             .arg(QString::fromUtf8(part.contentLocation)));
        const QByteArray type = part.mimeType();
        if (type == "text/html" || type == "text/css") {
            const std::optional<QString> text = decodedText(part.body);
            if (!text) {
                found.append(QStringLiteral("part %1 (%2) is not UTF-8 text").arg(i + 1).arg(QString::fromLatin1(type)));
                continue;
            }
            for (const QString &reference : referencesIn(*text)) {
                const QString why = unreachable(*archive, reference);
                if (!why.isEmpty())
                    found.append(QStringLiteral("part %1 (%2) %3").arg(i + 1).arg(QString::fromLatin1(type), why));
            }
        } else if (type.startsWith("image/")) {
            QString why;
            if (!FigureCheck::isDrawable(part.body, type, &why))
                found.append(QStringLiteral("part %1 (%2) cannot be shown: %3").arg(i + 1).arg(QString::fromLatin1(type), why));
        }
    }
    return found;
}

} // namespace PageCheck
