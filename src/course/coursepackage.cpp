#include "coursepackage.h"

#include "atomicwrite.h"

#include <QDir>
#include <QFile>

CoursePackage::CoursePackage(QString root)
    : m_root(std::move(root))
{
}

CoursePackage CoursePackage::embedded()
{
    return CoursePackage(QStringLiteral(":/course"));
}

CoursePackage CoursePackage::fromFolder(const QString &folder)
{
    return CoursePackage(QDir(folder).absolutePath());
}

bool CoursePackage::isAvailable() const
{
    return QFile::exists(m_root + u'/' + QString::number(descriptorNumber()));
}

std::optional<QByteArray> CoursePackage::resource(int number) const
{
    QFile file(m_root + u'/' + QString::number(number));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

int ExtractResource(const CoursePackage &package, int id, const QString &type, const QString &path)
{
    if (type != u"Custom")
        return ExtractUnknownType;
    const std::optional<QByteArray> bytes = package.resource(id);
    if (!bytes)
        return ExtractNoSuchResource;
    if (!writeFileAtomically(path, *bytes))
        return ExtractWriteFailed;
    return 0;
}
