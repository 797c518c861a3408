#pragma once

#include <QString>
#include <QStringList>

// Progress fields hold whatever a pupil typed. The record format cannot hold
// ">", "#", line breaks or characters outside the file's code page, so those
// are escaped with a backslash when written and restored when read:
//   \\ backslash   \g >   \h #   \r CR   \n LF   \uXXXX any other UTF-16 unit
// Text without any of them is stored unchanged, so older files read the same.
// A backslash followed by anything else is read as it stands.
namespace FieldCodec {

QString escape(const QString &text);
QString unescape(const QString &text);

QStringList escapeAll(const QStringList &texts);
QStringList unescapeAll(const QStringList &texts);

} // namespace FieldCodec
