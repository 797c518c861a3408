#include "picturefile.h"

#include "gifwriter.h"
#include "icowriter.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

bool writePictureFile(const QImage &picture, const QString &path, QString *errorString)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *errorString = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    errorString->clear();
    bool written = false;
    if (suffix == QLatin1String("bmp")) {
        // Windows bitmaps carry no alpha: Qt writes RGB32 as a 24-bit BMP.
        QImageWriter writer(&file, "bmp");
        written = writer.write(picture.convertToFormat(QImage::Format_RGB32));
        if (!written)
            *errorString = QStringLiteral("%1: %2").arg(path, writer.errorString());
    } else if (suffix == QLatin1String("png")) {
        QImageWriter writer(&file, "png");
        written = writer.write(picture.convertToFormat(QImage::Format_ARGB32));
        if (!written)
            *errorString = QStringLiteral("%1: %2").arg(path, writer.errorString());
    } else if (suffix == QLatin1String("gif") || suffix == QLatin1String("ico")) {
        const QByteArray bytes = suffix == QLatin1String("gif") ? encodeGif(picture) : encodeIco(picture);
        written = !bytes.isEmpty() && file.write(bytes) == bytes.size();
    } else {
        *errorString = QStringLiteral("%1: no picture format for this file name").arg(path);
        file.cancelWriting();
        return false;
    }
    if (!written || !file.commit()) {
        if (errorString->isEmpty())
            *errorString = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}
