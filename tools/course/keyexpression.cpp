#include "keyexpression.h"

#include <QtNumeric>

#include <numeric>

std::optional<Fraction> Fraction::make(qint64 numerator, qint64 denominator)
{
    if (denominator == 0 || numerator == std::numeric_limits<qint64>::min()
        || denominator == std::numeric_limits<qint64>::min())
        return std::nullopt;
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    const qint64 divisor = std::gcd(numerator, denominator);
    return Fraction(numerator / divisor, denominator / divisor);
}

std::optional<Fraction> Fraction::plus(const Fraction &other) const
{
    qint64 left = 0;
    qint64 right = 0;
    qint64 sum = 0;
    qint64 denominator = 0;
    if (qMulOverflow(m_numerator, other.m_denominator, &left) || qMulOverflow(other.m_numerator, m_denominator, &right)
        || qAddOverflow(left, right, &sum) || qMulOverflow(m_denominator, other.m_denominator, &denominator))
        return std::nullopt;
    return make(sum, denominator);
}

std::optional<Fraction> Fraction::minus(const Fraction &other) const
{
    return plus(Fraction(-other.m_numerator, other.m_denominator));
}

std::optional<Fraction> Fraction::times(const Fraction &other) const
{
    qint64 numerator = 0;
    qint64 denominator = 0;
    if (qMulOverflow(m_numerator, other.m_numerator, &numerator)
        || qMulOverflow(m_denominator, other.m_denominator, &denominator))
        return std::nullopt;
    return make(numerator, denominator);
}

std::optional<Fraction> Fraction::dividedBy(const Fraction &other) const
{
    if (other.m_numerator == 0)
        return std::nullopt;
    return times(Fraction(other.m_denominator, other.m_numerator));
}

QString Fraction::toString() const
{
    if (m_denominator == 1)
        return QString::number(m_numerator);
    qint64 rest = m_denominator;
    int twos = 0;
    int fives = 0;
    for (; rest % 2 == 0; rest /= 2)
        ++twos;
    for (; rest % 5 == 0; rest /= 5)
        ++fives;
    const QString sign = m_numerator < 0 ? QStringLiteral("-") : QString();
    const qint64 magnitude = m_numerator < 0 ? -m_numerator : m_numerator;
    const qint64 whole = magnitude / m_denominator;
    const qint64 part = magnitude % m_denominator;
    const int places = std::max(twos, fives);
    if (rest == 1 && places <= 15) {
        // A terminating decimal: scale the remainder to 10^places exactly.
        qint64 scale = 1;
        for (int i = 0; i < places; ++i)
            scale *= 10;
        const qint64 digits = part * (scale / m_denominator);
        return sign + QString::number(whole) + u'.'
               + QStringLiteral("%1").arg(digits, places, 10, QLatin1Char('0'));
    }
    const QString fraction = QString::number(part) + u'/' + QString::number(m_denominator);
    return sign + (whole ? QString::number(whole) + u' ' + fraction : fraction);
}

namespace KeyExpression {

namespace {

// A number written with digits and at most one decimal point, at least one digit.
std::optional<Fraction> decimalValue(QStringView text)
{
    qint64 numerator = 0;
    qint64 denominator = 1;
    bool point = false;
    int digits = 0;
    for (const QChar c : text) {
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > u'9')
            return std::nullopt;
        ++digits;
        if (qMulOverflow(numerator, qint64(10), &numerator) || qAddOverflow(numerator, qint64(c.digitValue()), &numerator))
            return std::nullopt;
        if (point && qMulOverflow(denominator, qint64(10), &denominator))
            return std::nullopt;
    }
    if (digits == 0)
        return std::nullopt;
    return Fraction::make(numerator, denominator);
}

// Recursive descent over: sum := product (('+'|'-') product)*,
// product := factor (('*'|'/') factor)*, factor := ('-'|'+') factor | number | '(' sum ')'.
class Parser
{
public:
    explicit Parser(QStringView text)
        : m_text(text)
    {
    }

    std::optional<Fraction> parse(QString *error)
    {
        std::optional<Fraction> value = sum();
        skipSpaces();
        if (value && m_pos < m_text.size())
            fail(QStringLiteral("unexpected \"%1\"").arg(m_text.mid(m_pos).toString()));
        if (!m_error.isEmpty()) {
            if (error)
                *error = m_error;
            return std::nullopt;
        }
        return value;
    }

private:
    void skipSpaces()
    {
        while (m_pos < m_text.size() && m_text.at(m_pos).isSpace())
            ++m_pos;
    }

    bool take(QChar c)
    {
        skipSpaces();
        if (m_pos < m_text.size() && m_text.at(m_pos) == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    std::optional<Fraction> fail(const QString &message)
    {
        if (m_error.isEmpty())
            m_error = message;
        return std::nullopt;
    }

    std::optional<Fraction> overflowed() { return fail(QStringLiteral("the numbers grow too large")); }

    std::optional<Fraction> sum()
    {
        std::optional<Fraction> value = product();
        while (value) {
            if (take(u'+'))
                value = combine(*value, product(), &Fraction::plus);
            else if (take(u'-'))
                value = combine(*value, product(), &Fraction::minus);
            else
                break;
        }
        return value;
    }

    std::optional<Fraction> product()
    {
        std::optional<Fraction> value = factor();
        while (value) {
            if (take(u'*')) {
                value = combine(*value, factor(), &Fraction::times);
            } else if (take(u'/')) {
                const std::optional<Fraction> divisor = factor();
                if (divisor && divisor->numerator() == 0)
                    return fail(QStringLiteral("division by zero"));
                value = combine(*value, divisor, &Fraction::dividedBy);
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<Fraction> factor()
    {
        if (take(u'-')) {
            const std::optional<Fraction> value = factor();
            return value ? combine(Fraction::whole(0), value, &Fraction::minus) : value;
        }
        if (take(u'+'))
            return factor();
        if (take(u'(')) {
            const std::optional<Fraction> value = sum();
            if (value && !take(u')'))
                return fail(QStringLiteral("a bracket is not closed"));
            return value;
        }
        return number();
    }

    std::optional<Fraction> number()
    {
        skipSpaces();
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && (m_text.at(m_pos).isDigit() || m_text.at(m_pos) == u'.'))
            ++m_pos;
        if (m_pos == start) {
            if (m_pos == m_text.size())
                return fail(QStringLiteral("the sum ends too early"));
            return fail(QStringLiteral("unexpected \"%1\"").arg(m_text.mid(m_pos).toString()));
        }
        const QStringView digits = m_text.mid(start, m_pos - start);
        const std::optional<Fraction> value = decimalValue(digits);
        if (!value)
            return fail(QStringLiteral("\"%1\" is not a number").arg(digits.toString()));
        return value;
    }

    std::optional<Fraction> combine(const Fraction &left, const std::optional<Fraction> &right,
                                    std::optional<Fraction> (Fraction::*operation)(const Fraction &) const)
    {
        if (!right)
            return std::nullopt;
        const std::optional<Fraction> result = (left.*operation)(*right);
        return result ? result : overflowed();
    }

    QStringView m_text;
    qsizetype m_pos = 0;
    QString m_error;
};

} // namespace

std::optional<Fraction> evaluate(QStringView expression, QString *error)
{
    return Parser(expression).parse(error);
}

std::optional<Fraction> keyValue(QStringView key)
{
    bool negative = false;
    if (key.startsWith(u'-')) {
        negative = true;
        key = key.mid(1);
    }
    std::optional<Fraction> value;
    const qsizetype space = key.indexOf(u' ');
    const qsizetype slash = key.indexOf(u'/');
    if (slash < 0) {
        value = space < 0 ? decimalValue(key) : std::nullopt;
    } else {
        const QStringView fraction = space < 0 ? key : key.mid(space + 1);
        const qsizetype bar = fraction.indexOf(u'/');
        const std::optional<Fraction> top = decimalValue(fraction.first(bar));
        const std::optional<Fraction> bottom = decimalValue(fraction.mid(bar + 1));
        if (top && bottom && top->denominator() == 1 && bottom->denominator() == 1 && bottom->numerator() != 0)
            value = top->dividedBy(*bottom);
        if (value && space >= 0) {
            const std::optional<Fraction> whole = decimalValue(key.first(space));
            value = whole && whole->denominator() == 1 ? whole->plus(*value) : std::nullopt;
        }
    }
    if (value && negative)
        return Fraction::whole(0).minus(*value);
    return value;
}

} // namespace KeyExpression
