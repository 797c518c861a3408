#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <utility>

// Replaces the file at path with bytes through a temporary file and a rename,
// so a crash, a full disk or a read-only folder leaves the old file whole.
// Returns false (with the reason in error) when the new bytes were not all
// stored; the old file is then untouched.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Replaces several files that belong together (path, bytes): every new file
// is stored in full before the first one replaces its old file, so a full
// disk or a read-only folder leaves them all as they were. Only a crash
// between the renames can leave some replaced and the rest old.
bool writeFilesAtomically(const QList<std::pair<QString, QByteArray>> &files, QString *error = nullptr);
