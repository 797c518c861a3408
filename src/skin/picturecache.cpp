#include "picturecache.h"

#include "course/graphicsinstaller.h"

#include <QFileInfo>
#include <QImageReader>

PictureCache::PictureCache(QString dataDir)
    : m_dataDir(std::move(dataDir))
{
}

QPixmap PictureCache::picture(const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    const QString key = fileName.toLower();
    const auto found = m_pictures.constFind(key);
    if (found != m_pictures.constEnd())
        return *found;

    ++m_filesRead;
    // The skin's pictures are what their names say (the course tool checks
    // it). Told the format, the reader loads only that format's plugin;
    // guessing, it loaded every image plugin of the system at start-up.
    const QString path = Graphics::picturePath(m_dataDir, fileName);
    QImageReader reader(path, QFileInfo(path).suffix().toLower().toLatin1());
    reader.setAutoDetectImageFormat(false);
    const QPixmap pixmap = QPixmap::fromImage(reader.read());
    m_pictures.insert(key, pixmap);
    return pixmap;
}
