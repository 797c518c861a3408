#include "atomicwrite.h"

#include <QSaveFile>

#include <memory>
#include <vector>

namespace {

// QSaveFile::commit() alone does not notice a short write (a full disk after
// part of the data), so the flush and the size are checked first.
bool store(QSaveFile &file, const QByteArray &bytes)
{
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush()
           && file.size() == bytes.size();
}

} // namespace

bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    return writeFilesAtomically({{path, bytes}}, error);
}

bool writeFilesAtomically(const QList<std::pair<QString, QByteArray>> &files, QString *error)
{
    // A QSaveFile that is never committed takes its temporary file with it.
    std::vector<std::unique_ptr<QSaveFile>> stored;
    for (const auto &[path, bytes] : files) {
        auto file = std::make_unique<QSaveFile>(path);
        if (!store(*file, bytes)) {
            if (error)
                *error = file->errorString();
            return false;
        }
        stored.push_back(std::move(file));
    }
    for (const auto &file : stored) {
        if (!file->commit()) {
            if (error)
                *error = file->errorString();
            return false;
        }
    }
    return true;
}
