#include "graphicsinstaller.h"

#include "atomicwrite.h"
#include "coursepackage.h"
#include "picturetable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Graphics {

QString folder(const QString &dataDir)
{
    return dataDir + QStringLiteral("/Graphics");
}

namespace {

bool holds(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

} // namespace

int InstallGraphics(const CoursePackage &package, const QString &dataDir)
{
    const QString target = folder(dataDir);
    QDir().mkpath(target);
    int inPlace = 0;
    for (const PictureEntry &entry : pictureTable()) {
        const QString path = target + u'/' + entry.fileName;
        // Reading a picture back costs far less than replacing it, so a
        // start after the first writes nothing.
        const std::optional<QByteArray> bytes = package.resource(entry.number);
        if (bytes && (holds(path, *bytes) || writeFileAtomically(path, *bytes)))
            ++inPlace;
    }
    return inPlace;
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
