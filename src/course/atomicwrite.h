#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at path with bytes through a temporary file and a rename,
// so a crash, a full disk or a read-only folder leaves the old file whole.
// Returns false (with the reason in error) when the new bytes were not all
// stored; the old file is then untouched.
bool writeFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);
