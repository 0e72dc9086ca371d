#pragma once
// Strict conversions of stored or typed text to numbers: the whole text must be the number,
// with no blanks and nothing after it.
#include <QString>
#include <optional>

namespace trelon {

// A whole number: optional sign, then decimal digits or '$' and hexadecimal digits ("-12",
// "$1F"). Nothing when the text is anything else or does not fit a 32-bit integer.
std::optional<int> strToInt(const QString& text);

// A decimal number with '.' or ',' as the separator and an optional exponent ("0,5", "2",
// "-1.5e3"). Nothing when the text is anything else or the number is not finite.
std::optional<double> strToFloat(const QString& text);

} // namespace trelon
