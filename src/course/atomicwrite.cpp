#include "atomicwrite.h"

#include <QSaveFile>

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    // QSaveFile::commit() alone does not notice a short write (a full disk
    // after part of the data), so the flush and the size are checked first.
    const bool stored = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
                        && file.size() == bytes.size();
    if (stored && file.commit())
        return true;
    if (error)
        *error = file.errorString();
    file.cancelWriting();
    return false;
}
