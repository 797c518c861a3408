#pragma once

#include <QByteArray>
#include <QString>

// Data files are single-byte Windows-1252 text whatever the system's locale:
// the result marks are the bytes 0xFC and 0xFB, and a file written here must
// read the same on any machine.
namespace Cp1252 {

QString decode(QByteArrayView bytes);

// Characters the code page cannot hold become '?'; callers that must keep
// every character escape them first (see fieldcodec.h).
QByteArray encode(QStringView text);

bool canEncode(QChar c);

} // namespace Cp1252
