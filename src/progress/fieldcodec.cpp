#include "fieldcodec.h"

#include "course/codepage.h"

namespace FieldCodec {

namespace {

bool needsHexEscape(QChar c)
{
    return c.unicode() < 0x20 || !Cp1252::canEncode(c);
}

int hexValue(QChar c)
{
    if (c >= u'0' && c <= u'9')
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return -1;
}

// The UTF-16 unit of "XXXX" at text[from], or -1.
int hexUnit(const QString &text, qsizetype from)
{
    if (from + 4 > text.size())
        return -1;
    int unit = 0;
    for (qsizetype i = from; i < from + 4; ++i) {
        const int digit = hexValue(text.at(i));
        if (digit < 0)
            return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

} // namespace

QString escape(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'\\': out += QStringLiteral("\\\\"); break;
        case u'>': out += QStringLiteral("\\g"); break;
        case u'#': out += QStringLiteral("\\h"); break;
        case u'\r': out += QStringLiteral("\\r"); break;
        case u'\n': out += QStringLiteral("\\n"); break;
        case u'\t': out += c; break;
        default:
            if (needsHexEscape(c))
                out += QStringLiteral("\\u") + QStringLiteral("%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    return out;
}

QString unescape(const QString &text)
{
    if (!text.contains(u'\\'))
        return text;
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\\' || i + 1 == text.size()) {
            out += c;
            continue;
        }
        const QChar code = text.at(i + 1);
        switch (code.unicode()) {
        case u'\\': out += u'\\'; ++i; break;
        case u'g': out += u'>'; ++i; break;
        case u'h': out += u'#'; ++i; break;
        case u'r': out += u'\r'; ++i; break;
        case u'n': out += u'\n'; ++i; break;
        case u'u': {
            const int unit = hexUnit(text, i + 2);
            if (unit < 0) {
                out += c;
            } else {
                out += QChar(char16_t(unit));
                i += 5;
            }
            break;
        }
        default: out += c;
        }
    }
    return out;
}

QStringList escapeAll(const QStringList &texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QString &text : texts)
        out.append(escape(text));
    return out;
}

QStringList unescapeAll(const QStringList &texts)
{
    QStringList out;
    out.reserve(texts.size());
    for (const QString &text : texts)
        out.append(unescape(text));
    return out;
}

} // namespace FieldCodec
