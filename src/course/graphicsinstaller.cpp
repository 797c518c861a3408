#include "graphicsinstaller.h"

#include "coursepackage.h"
#include "picturetable.h"

#include <QDir>
#include <QFileInfo>

namespace Graphics {

QString folder(const QString &dataDir)
{
    return dataDir + QStringLiteral("/Graphics");
}

int InstallGraphics(const CoursePackage &package, const QString &dataDir)
{
    const QString target = folder(dataDir);
    QDir().mkpath(target);
    int written = 0;
    for (const PictureEntry &entry : pictureTable()) {
        if (ExtractResource(package, entry.number, QStringLiteral("Custom"), target + u'/' + entry.fileName) == 0)
            ++written;
    }
    return written;
}

QString picturePath(const QString &dataDir, const QString &name)
{
    const QString exact = folder(dataDir) + u'/' + name;
    if (QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder(dataDir)).entryList(QDir::Files);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder(dataDir) + u'/' + entry;
    }
    return exact;
}

} // namespace Graphics
