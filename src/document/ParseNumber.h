#pragma once

#include <QStringView>
#include <cstdint>
#include <optional>

// The one parser of numbers read from text (book files, reading state files).
// Blanks (space, tab) may stand on both sides of a decimal floating-point
// number; the value is truncated toward zero and saturated to the 32-bit
// range. Returns nothing when the text is not wholly a number: "", "12a",
// "-0", "inf", "nan" and hexadecimal are not numbers.
std::optional<std::int32_t> ParseNumber(QStringView text);
