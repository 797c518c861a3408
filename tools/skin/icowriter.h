#pragma once

#include <QByteArray>
#include <QImage>

// Encodes an image of at most 256 x 256 pixels as a single-image ICO: 32-bit
// colour with alpha, and the AND mask that older readers use for the fully
// transparent pixels.
QByteArray encodeIco(const QImage &image);
