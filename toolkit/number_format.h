#pragma once

#include <QString>

#include <optional>

// The one way numbers are shown in text boxes and read back from them.
//
// Patterns are the fixed display patterns of the windows ("###0.0", "0.00",
// "0.000", ...): the number of '0's after the point is the number of decimals,
// leading '#'s are optional digits (at least one digit is always written
// before the point). The decimal separator is the one of QLocale(); no group
// separator is ever written.

// What a display shows where there is no value: a blank and three hyphens.
QString noReading();

// Rounds half away from zero on the decimal value as it is written (the
// shortest text that reads back as the same double), so 0.125 -> "0.13" and
// 2.675 -> "2.68". A value that rounds to zero has no sign. NaN, infinities
// and magnitudes of 1e15 or more (too long for any display) give noReading().
QString formatNumber(double value, const QString &pattern);
QString formatNumber(std::optional<double> value, const QString &pattern);

// A number followed by its unit text (which brings its own leading blank), as
// the boxes of the windows show it; where the number has no reading the box
// shows noReading() alone, never a unit after it.
QString formatNumberWithUnit(std::optional<double> value, const QString &pattern, const QString &unit);

// The number in the text of an input box, read with the decimal separator of
// QLocale(); blanks around it are ignored. Group separators are not accepted,
// so a text is either one plain number or no number at all. Empty text, text
// that is not a number, NaN and infinities give std::nullopt.
std::optional<double> parseNumber(const QString &text);
