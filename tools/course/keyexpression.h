#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// An exact fraction, always in lowest terms with a positive denominator, so
// the sums a course writes beside its keys are checked without rounding.
class Fraction
{
public:
    Fraction() = default;
    // Fails on a zero denominator or when the terms do not fit.
    static std::optional<Fraction> make(qint64 numerator, qint64 denominator);
    static Fraction whole(qint64 value) { return Fraction(value, 1); }

    qint64 numerator() const { return m_numerator; }
    qint64 denominator() const { return m_denominator; }

    std::optional<Fraction> plus(const Fraction &other) const;
    std::optional<Fraction> minus(const Fraction &other) const;
    std::optional<Fraction> times(const Fraction &other) const;
    std::optional<Fraction> dividedBy(const Fraction &other) const;

    bool operator==(const Fraction &other) const
    {
        return m_numerator == other.m_numerator && m_denominator == other.m_denominator;
    }
    bool operator!=(const Fraction &other) const { return !(*this == other); }

    // "7", "3.85" when the value has a finite decimal form, else "-1 2/3".
    QString toString() const;

private:
    Fraction(qint64 numerator, qint64 denominator)
        : m_numerator(numerator)
        , m_denominator(denominator)
    {
    }

    qint64 m_numerator = 0;
    qint64 m_denominator = 1;
};

// The `= ...` sums written beside answer keys: numbers with an optional
// decimal point, + - * /, unary minus and brackets.
namespace KeyExpression {

// The value of expression, or nothing with *error saying what is wrong.
std::optional<Fraction> evaluate(QStringView expression, QString *error);

// The number a key writes: "145", "-3.85", "2/3" or the mixed number "1 2/3"
// (one space between the whole number and the fraction). Nothing for a key
// that is not written as a number.
std::optional<Fraction> keyValue(QStringView key);

} // namespace KeyExpression
