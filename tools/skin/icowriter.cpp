#include "icowriter.h"

// Qt's own ICO writer leaves the padding of the mask rows uninitialised, so
// its files differ from run to run; this one writes every byte.

namespace {

void appendWord(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xff));
    bytes.append(char((value >> 8) & 0xff));
}

void appendLong(QByteArray &bytes, int value)
{
    appendWord(bytes, value & 0xffff);
    appendWord(bytes, (value >> 16) & 0xffff);
}

} // namespace

QByteArray encodeIco(const QImage &image)
{
    if (image.isNull() || image.width() > 256 || image.height() > 256)
        return {};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int width = argb.width();
    const int height = argb.height();
    const int maskStride = ((width + 31) / 32) * 4;
    constexpr int HeaderSize = 40;
    const int dataSize = HeaderSize + width * height * 4 + maskStride * height;

    QByteArray ico;
    appendWord(ico, 0); // reserved
    appendWord(ico, 1); // an icon, not a cursor
    appendWord(ico, 1); // one image
    ico.append(char(width & 0xff)); // 0 stands for 256
    ico.append(char(height & 0xff));
    ico.append(char(0)); // no palette
    ico.append(char(0));
    appendWord(ico, 1);  // colour planes
    appendWord(ico, 32); // bits per pixel
    appendLong(ico, dataSize);
    appendLong(ico, 6 + 16); // the image follows this one directory entry

    appendLong(ico, HeaderSize);
    appendLong(ico, width);
    appendLong(ico, height * 2); // colour rows and mask rows together
    appendWord(ico, 1);
    appendWord(ico, 32);
    for (int i = 0; i < 6; ++i)
        appendLong(ico, 0); // no compression, sizes and palette left to the reader

    // Rows run bottom to top in both the colour data and the mask.
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            ico.append(char(qBlue(line[x])));
            ico.append(char(qGreen(line[x])));
            ico.append(char(qRed(line[x])));
            ico.append(char(qAlpha(line[x])));
        }
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        QByteArray mask(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (qAlpha(line[x]) == 0)
                mask[x / 8] = char(mask[x / 8] | (0x80 >> (x % 8)));
        }
        ico.append(mask);
    }
    return ico;
}
