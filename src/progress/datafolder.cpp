#include "datafolder.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QObject>
#include <QStandardPaths>
#include <QTemporaryFile>

DataFolder::DataFolder(QString path)
    : m_path(QDir(path).absolutePath())
{
}

DataFolder::~DataFolder() = default;

QString DataFolder::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

bool DataFolder::create(QString *error) const
{
    if (!QDir().mkpath(m_path)) {
        if (error)
            *error = QObject::tr("The folder %1 could not be created.").arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    QTemporaryFile probe(m_path + QStringLiteral("/probe-XXXXXX"));
    if (!probe.open()) {
        if (error)
            *error = QObject::tr("The folder %1 cannot be written to.").arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    return true;
}

DataFolder::Lock DataFolder::lock()
{
    m_lock = std::make_unique<QLockFile>(m_path + QStringLiteral("/quorvale.lock"));
    if (m_lock->tryLock(0))
        return Lock::Taken;
    return m_lock->error() == QLockFile::LockFailedError ? Lock::HeldByAnother : Lock::Failed;
}
