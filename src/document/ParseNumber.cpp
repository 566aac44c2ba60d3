#include "document/ParseNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {
bool IsBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
} // namespace

std::optional<std::int32_t> ParseNumber(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    const qsizetype start = i;

    // Scan the decimal syntax ourselves: the standard converters also take
    // "inf", "nan" and hexadecimal, which are not numbers here.
    std::string ascii;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    qsizetype mantissaDigits = 0;
    while (i < n && IsDigit(text[i])) {
        ascii += char(text[i].unicode());
        ++i;
        ++mantissaDigits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ascii += '.';
        ++i;
        while (i < n && IsDigit(text[i])) {
            ascii += char(text[i].unicode());
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return std::nullopt;
    bool negativeExponent = false;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        std::string exponent = "e";
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-'))) {
            negativeExponent = text[j] == QLatin1Char('-');
            exponent += char(text[j].unicode());
            ++j;
        }
        if (j < n && IsDigit(text[j])) {
            while (j < n && IsDigit(text[j])) {
                exponent += char(text[j].unicode());
                ++j;
            }
            ascii += exponent;
            i = j;
        }
        // An "e" without digits is not part of the number: it is trailing text.
    }
    const qsizetype end = i;
    while (i < n && IsBlank(text[i]))
        ++i;
    if (i != n)
        return std::nullopt;

    double value = 0;
    const auto [ptr, ec] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ec == std::errc::result_out_of_range)
        value = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
    else if (ec != std::errc() || ptr != ascii.data() + ascii.size() || end == start)
        return std::nullopt;
    if (negative)
        value = -value;

    // A zero read from a text that does not start with "0" ("-0", ".5e-400")
    // counts as no number.
    if (value == 0.0 && text[start] != QLatin1Char('0'))
        return std::nullopt;

    const double truncated = std::trunc(value);
    if (truncated >= 2147483647.0)
        return std::numeric_limits<std::int32_t>::max();
    if (truncated <= -2147483648.0)
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(truncated);
}
