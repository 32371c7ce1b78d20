#include "number_format.h"

#include <QLocale>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

struct PatternShape {
    int integerDigits = 1; // digits always written before the point
    int decimals = 0;      // digits written after the point
};

PatternShape shapeOf(const QString &pattern)
{
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? pattern : pattern.left(point);
    PatternShape shape;
    shape.integerDigits = std::max<int>(1, integerPart.count(QLatin1Char('0')));
    if (point >= 0)
        shape.decimals = int(pattern.mid(point + 1).count(QLatin1Char('0')));
    return shape;
}

// A finite double as the shortest decimal that reads back as the same double:
// digits d0 d1 ... with the decimal point after `pointPosition` of them
// (which may lie before the first or after the last digit).
struct DecimalText {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;
};

DecimalText shortestDecimal(double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    const std::string text(buffer, result.ptr);  // e.g. "-2.675e+00"
    const std::size_t e = text.find('e');

    DecimalText decimal;
    decimal.negative = text.front() == '-';
    for (std::size_t i = decimal.negative ? 1 : 0; i < e; ++i) {
        if (text[i] != '.')
            decimal.digits += text[i];
    }
    decimal.pointPosition = std::stoi(text.substr(e + 1)) + 1;
    return decimal;
}

// Adds one unit in the last place of a string of decimal digits.
void incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// The digits of |value| x 10^decimals rounded half away from zero to a whole number.
std::string roundedDigits(const DecimalText &decimal, int decimals)
{
    const long long keep = static_cast<long long>(decimal.pointPosition) + decimals;
    if (keep < 0)
        return "0";
    const std::size_t kept = static_cast<std::size_t>(keep);
    std::string digits = decimal.digits.substr(0, std::min(kept, decimal.digits.size()));
    digits.resize(kept, '0');
    if (kept < decimal.digits.size() && decimal.digits[kept] >= '5')
        incrementDigits(digits);
    return digits.empty() ? "0" : digits;
}

} // namespace

QString noReading()
{
    return QStringLiteral(" ---");
}

QString formatNumber(double value, const QString &pattern)
{
    // Beyond this no display of the windows has room for the digits, and no
    // quantity they show comes near it but from nonsense typed into a box.
    constexpr double kLargestShown = 1e15;
    if (!std::isfinite(value) || std::abs(value) >= kLargestShown)
        return noReading();

    const PatternShape shape = shapeOf(pattern);
    const DecimalText decimal = shortestDecimal(value);
    std::string digits = roundedDigits(decimal, shape.decimals);

    const std::size_t minimumLength = std::size_t(shape.integerDigits + shape.decimals);
    if (digits.size() < minimumLength)
        digits.insert(0, minimumLength - digits.size(), '0');
    const std::size_t firstSignificant = std::min(digits.find_first_not_of('0'), digits.size() - minimumLength);
    digits.erase(0, firstSignificant);

    const bool isZero = digits.find_first_not_of('0') == std::string::npos;
    const std::size_t integerLength = digits.size() - std::size_t(shape.decimals);

    QString text;
    if (decimal.negative && !isZero)
        text += QLatin1Char('-');
    text += QString::fromLatin1(digits.data(), qsizetype(integerLength));
    if (shape.decimals > 0) {
        text += QLocale().decimalPoint();
        text += QString::fromLatin1(digits.data() + integerLength, shape.decimals);
    }
    return text;
}

QString formatNumber(std::optional<double> value, const QString &pattern)
{
    return value ? formatNumber(*value, pattern) : noReading();
}

QString formatNumberWithUnit(std::optional<double> value, const QString &pattern, const QString &unit)
{
    const QString number = formatNumber(value, pattern);
    return number == noReading() ? number : number + unit;
}

std::optional<double> parseNumber(const QString &text)
{
    QLocale locale;
    locale.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = locale.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}
