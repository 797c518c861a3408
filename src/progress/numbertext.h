#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Scores as the progress files hold them: plain decimal text with "." as the
// separator whatever the pupil's locale, so a file reads back the same on any
// machine. Only what is shown on screen may be localised.

// Rounds to one decimal place; an exact tie of the double value goes to the
// even digit (1.25 -> 1.2, 3.75 -> 3.8), a value just off a tie goes its own way.
double roundHalfEven1(double value);

// The value rounded as above, in its shortest form: "87.5", "66.7", "100", "0".
QString formatScore(double value);

// A stored score text; nullopt when it is empty or not a finite number.
std::optional<double> parseScore(QStringView text);
