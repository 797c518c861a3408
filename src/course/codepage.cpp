#include "codepage.h"

#include <array>

namespace {

// 0x80..0x9F differ from Latin-1; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> highControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t toUnicode(uchar byte)
{
    if (byte >= 0x80 && byte <= 0x9F) {
        const char16_t mapped = highControls[byte - 0x80];
        return mapped ? mapped : char16_t(byte);
    }
    return char16_t(byte);
}

int toByte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    if (u <= 0x9F && highControls[u - 0x80] == 0)
        return u; // an undefined byte read from a file goes back unchanged
    for (size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == u)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

namespace Cp1252 {

QString decode(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char b : bytes)
        *out++ = QChar(toUnicode(uchar(b)));
    return text;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (QChar c : text) {
        const int b = toByte(c);
        *out++ = b < 0 ? '?' : char(b);
    }
    return bytes;
}

bool canEncode(QChar c)
{
    return toByte(c) >= 0;
}

} // namespace Cp1252
