#include "numbertext.h"

#include <QLocale>

#include <cmath>

double roundHalfEven1(double value)
{
    const double tenths = value * 10;
    const double lower = std::floor(tenths);
    double rounded = std::round(tenths);
    if (tenths - lower == 0.5) {
        // The product itself may have been rounded onto the tie; its exact
        // error tells on which side of the tie the double value really lies.
        const double error = std::fma(value, 10, -tenths);
        if (error < 0)
            rounded = lower;
        else if (error > 0)
            rounded = lower + 1;
        else
            rounded = std::fmod(lower, 2) == 0 ? lower : lower + 1;
    }
    return rounded / 10;
}

QString formatScore(double value)
{
    // Adding 0.0 turns a negative zero into "0" rather than "-0".
    const double rounded = roundHalfEven1(value) + 0.0;
    return QString::number(rounded, 'f', QLocale::FloatingPointShortest);
}

std::optional<double> parseScore(QStringView text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
