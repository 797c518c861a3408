#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an image as a single-frame GIF89a. Images with more than 256
// colours are reduced by median cut; pixels with alpha below 128 become the
// transparent colour, the others are written as if opaque.
QByteArray encodeGif(const QImage &image);
