#include "figurecheck.h"

#include <QBuffer>
#include <QImageReader>
#include <QXmlStreamReader>

namespace FigureCheck {

QByteArray mimeTypeForFileName(const QString &fileName)
{
    const QString suffix = fileName.section(u'.', -1).toLower();
    if (suffix == u"svg")
        return QByteArrayLiteral("image/svg+xml");
    if (suffix == u"png")
        return QByteArrayLiteral("image/png");
    if (suffix == u"gif")
        return QByteArrayLiteral("image/gif");
    if (suffix == u"jpg" || suffix == u"jpeg")
        return QByteArrayLiteral("image/jpeg");
    return QByteArray();
}

bool isDrawable(const QByteArray &bytes, const QByteArray &mimeType, QString *why)
{
    if (mimeType == "image/svg+xml") {
        // Well-formed XML whose root is <svg>; the view draws it itself.
        QXmlStreamReader xml(bytes);
        bool rootIsSvg = false;
        while (xml.readNextStartElement()) {
            rootIsSvg = xml.name() == u"svg";
            break;
        }
        if (!rootIsSvg) {
            *why = QStringLiteral("it is not an SVG drawing");
            return false;
        }
        while (!xml.atEnd())
            xml.readNext();
        if (xml.hasError()) {
            *why = QStringLiteral("its SVG is not well formed (line %1: %2)").arg(xml.lineNumber()).arg(xml.errorString());
            return false;
        }
        return true;
    }
    const QByteArray format = mimeType.mid(mimeType.indexOf('/') + 1);
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    if (reader.read().isNull()) {
        *why = QStringLiteral("it is not a readable %1 picture (%2)")
                   .arg(QString::fromLatin1(format).toUpper(), reader.errorString());
        return false;
    }
    return true;
}

} // namespace FigureCheck
