#pragma once

#include <QImage>
#include <QString>

// Writes a drawn picture in the format its file name asks for: 24-bit BMP,
// 32-bit ICO, GIF or PNG with alpha. The file is replaced only when the
// whole picture was written.
bool writePictureFile(const QImage &picture, const QString &path, QString *errorString);
