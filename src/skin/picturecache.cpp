#include "picturecache.h"

#include "course/graphicsinstaller.h"

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
    QImageReader reader(Graphics::picturePath(m_dataDir, fileName));
    const QPixmap pixmap = QPixmap::fromImage(reader.read());
    m_pictures.insert(key, pixmap);
    return pixmap;
}
