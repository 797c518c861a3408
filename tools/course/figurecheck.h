#pragma once

#include <QByteArray>
#include <QString>

// The pictures a question page may show: SVG, PNG, GIF or JPEG.
namespace FigureCheck {

// "image/svg+xml" for "bar.svg"; empty for a file type pages cannot show.
QByteArray mimeTypeForFileName(const QString &fileName);

// True when bytes are a picture of mimeType the question view can draw;
// otherwise *why says what is wrong.
bool isDrawable(const QByteArray &bytes, const QByteArray &mimeType, QString *why);

} // namespace FigureCheck
