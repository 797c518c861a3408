#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// A question page as the question view loads it: a multipart/related MIME
// document with CR LF line ends whose first part is the HTML page; the style
// sheet and the pictures are further parts, addressed from the page by
// Content-ID ("cid:") because the view refuses parts addressed as local files.
class MhtmlArchive
{
public:
    struct Part
    {
        QByteArray contentType; // with its parameters: "text/html; charset=utf-8"
        QByteArray contentId;   // without the angle brackets; empty when none
        QByteArray contentLocation;
        QByteArray body;        // the decoded bytes

        // The lower-case type without parameters: "text/html".
        QByteArray mimeType() const;
    };

    QByteArray subject;
    QList<Part> parts;

    // Text parts are written quoted-printable, so a page stays readable in an
    // editor; everything else as base64. The same archive gives the same bytes.
    QByteArray toBytes() const;

    // Nothing, with *error saying why, when bytes are not such an archive.
    static std::optional<MhtmlArchive> parse(QByteArrayView bytes, QString *error);

    const Part *partWithContentId(QByteArrayView contentId) const;
};
