#include "gifwriter.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <climits>
#include <map>

namespace {

constexpr int MaxColours = 256;
constexpr int MaxCode = 4095;

struct ColourCount
{
    QRgb rgb = 0;
    qint64 count = 0;
};

int channel(QRgb rgb, int which)
{
    switch (which) {
    case 0:
        return qRed(rgb);
    case 1:
        return qGreen(rgb);
    default:
        return qBlue(rgb);
    }
}

// Median cut: split the box with the widest channel range at its weighted
// median until there are enough boxes; each box gives its mean colour.
QList<QRgb> medianCut(QList<ColourCount> colours, int wanted)
{
    struct Box
    {
        qsizetype begin;
        qsizetype end;
    };
    auto widestChannel = [&colours](const Box &box, int *range) {
        int best = 0;
        *range = -1;
        for (int c = 0; c < 3; ++c) {
            const auto [lo, hi] = std::minmax_element(
                colours.cbegin() + box.begin, colours.cbegin() + box.end,
                [c](const ColourCount &a, const ColourCount &b) { return channel(a.rgb, c) < channel(b.rgb, c); });
            const int r = channel(hi->rgb, c) - channel(lo->rgb, c);
            if (r > *range) {
                *range = r;
                best = c;
            }
        }
        return best;
    };

    QList<Box> boxes{{0, colours.size()}};
    while (boxes.size() < wanted) {
        qsizetype chosen = -1;
        int chosenRange = 0;
        int chosenChannel = 0;
        for (qsizetype i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2)
                continue;
            int range = 0;
            const int c = widestChannel(boxes[i], &range);
            if (range > chosenRange) {
                chosen = i;
                chosenRange = range;
                chosenChannel = c;
            }
        }
        if (chosen < 0)
            break;
        const Box box = boxes[chosen];
        std::stable_sort(colours.begin() + box.begin, colours.begin() + box.end,
                         [c = chosenChannel](const ColourCount &a, const ColourCount &b) {
                             return channel(a.rgb, c) < channel(b.rgb, c);
                         });
        qint64 total = 0;
        for (qsizetype i = box.begin; i < box.end; ++i)
            total += colours[i].count;
        qint64 running = 0;
        qsizetype split = box.begin + 1;
        for (qsizetype i = box.begin; i < box.end - 1; ++i) {
            running += colours[i].count;
            split = i + 1;
            if (2 * running >= total)
                break;
        }
        boxes[chosen] = {box.begin, split};
        boxes.append({split, box.end});
    }

    QList<QRgb> palette;
    for (const Box &box : std::as_const(boxes)) {
        qint64 sum[3] = {0, 0, 0};
        qint64 weight = 0;
        for (qsizetype i = box.begin; i < box.end; ++i) {
            for (int c = 0; c < 3; ++c)
                sum[c] += channel(colours[i].rgb, c) * colours[i].count;
            weight += colours[i].count;
        }
        palette.append(qRgb(int((sum[0] + weight / 2) / weight), int((sum[1] + weight / 2) / weight),
                            int((sum[2] + weight / 2) / weight)));
    }
    return palette;
}

int nearest(const QList<QRgb> &palette, QRgb rgb)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(rgb);
        const int dg = qGreen(palette[i]) - qGreen(rgb);
        const int db = qBlue(palette[i]) - qBlue(rgb);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

struct IndexedPicture
{
    QList<QRgb> palette;
    int transparentIndex = -1;
    QByteArray indices;
};

IndexedPicture quantise(const QImage &image)
{
    // std::map keeps the colours in a fixed order, so the output is the same on every run.
    std::map<QRgb, qint64> histogram;
    bool transparent = false;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                transparent = true;
            else
                ++histogram[line[x] | 0xff000000u];
        }
    }

    IndexedPicture result;
    const int room = transparent ? MaxColours - 1 : MaxColours;
    if (qsizetype(histogram.size()) <= room) {
        for (const auto &entry : histogram)
            result.palette.append(entry.first);
    } else {
        QList<ColourCount> colours;
        for (const auto &entry : histogram)
            colours.append({entry.first, entry.second});
        result.palette = medianCut(colours, room);
    }
    if (transparent) {
        result.transparentIndex = int(result.palette.size());
        result.palette.append(qRgb(255, 255, 255));
    }

    QHash<QRgb, int> lookup;
    result.indices.reserve(qsizetype(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128) {
                result.indices.append(char(result.transparentIndex));
                continue;
            }
            const QRgb rgb = line[x] | 0xff000000u;
            auto it = lookup.constFind(rgb);
            if (it == lookup.cend())
                it = lookup.insert(rgb, nearest(result.palette, rgb));
            result.indices.append(char(it.value()));
        }
    }
    return result;
}

// Codes go out least significant bit first, packed into bytes.
class BitWriter
{
public:
    void write(int code, int width)
    {
        m_buffer |= quint32(code) << m_bits;
        m_bits += width;
        while (m_bits >= 8) {
            m_bytes.append(char(m_buffer & 0xff));
            m_buffer >>= 8;
            m_bits -= 8;
        }
    }
    QByteArray finish()
    {
        if (m_bits > 0)
            m_bytes.append(char(m_buffer & 0xff));
        return m_bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_buffer = 0;
    int m_bits = 0;
};

// Variable-width LZW as GIF uses it: the code width grows when the next free
// code no longer fits, and a clear code starts a fresh table when it is full.
QByteArray lzwCompress(const QByteArray &indices, int minCodeSize)
{
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;
    BitWriter out;
    QHash<int, int> table;
    int codeSize = minCodeSize + 1;
    int lastCode = endCode;

    out.write(clearCode, codeSize);
    int prefix = quint8(indices.at(0));
    for (qsizetype i = 1; i < indices.size(); ++i) {
        const int next = quint8(indices.at(i));
        const int key = (prefix << 8) | next;
        const auto found = table.constFind(key);
        if (found != table.cend()) {
            prefix = found.value();
            continue;
        }
        out.write(prefix, codeSize);
        table.insert(key, ++lastCode);
        if (lastCode >= (1 << codeSize))
            ++codeSize;
        if (lastCode == MaxCode) {
            out.write(clearCode, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            lastCode = endCode;
        }
        prefix = next;
    }
    out.write(prefix, codeSize);
    out.write(endCode, codeSize);
    return out.finish();
}

void appendWord(QByteArray &bytes, int value)
{
    bytes.append(char(value & 0xff));
    bytes.append(char((value >> 8) & 0xff));
}

} // namespace

QByteArray encodeGif(const QImage &image)
{
    if (image.isNull())
        return {};
    const IndexedPicture picture = quantise(image.convertToFormat(QImage::Format_ARGB32));

    int tableBits = 1;
    while ((1 << tableBits) < picture.palette.size())
        ++tableBits;
    const int minCodeSize = std::max(2, tableBits);

    QByteArray gif("GIF89a");
    appendWord(gif, image.width());
    appendWord(gif, image.height());
    gif.append(char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1))); // global table, its size
    gif.append(char(0));                                                 // background colour index
    gif.append(char(0));                                                 // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const QRgb rgb = i < picture.palette.size() ? picture.palette[i] : 0;
        gif.append(char(qRed(rgb)));
        gif.append(char(qGreen(rgb)));
        gif.append(char(qBlue(rgb)));
    }

    if (picture.transparentIndex >= 0) {
        gif.append("\x21\xf9\x04\x01", 4); // graphic control: transparent colour given
        appendWord(gif, 0);
        gif.append(char(picture.transparentIndex));
        gif.append(char(0));
    }

    gif.append(char(0x2c)); // image descriptor: whole screen, no local table, not interlaced
    appendWord(gif, 0);
    appendWord(gif, 0);
    appendWord(gif, image.width());
    appendWord(gif, image.height());
    gif.append(char(0));

    gif.append(char(minCodeSize));
    const QByteArray data = lzwCompress(picture.indices, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype length = std::min<qsizetype>(255, data.size() - at);
        gif.append(char(length));
        gif.append(data.constData() + at, length);
    }
    gif.append(char(0));
    gif.append(char(0x3b));
    return gif;
}
