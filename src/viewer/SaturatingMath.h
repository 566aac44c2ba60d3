#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Conversions of the view's float and 64-bit arithmetic back to the 32-bit
// values the view keeps. Huge pictures, zero-sized windows and degenerate
// metafiles can push a product past the 32-bit range or make a quotient
// infinite or NaN; converting those with a plain cast is undefined, so they
// saturate instead (NaN becomes 0).

inline int TruncToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= 2147483647.0)
        return std::numeric_limits<int>::max();
    if (value <= -2147483648.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

inline int ClampToInt(std::int64_t value)
{
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// numerator / denominator rounded to nearest, halves away from zero;
// denominator > 0.
inline std::int64_t RoundedDivide(std::int64_t numerator, std::int64_t denominator)
{
    if (numerator >= 0)
        return (numerator + denominator / 2) / denominator;
    return -((-numerator + denominator / 2) / denominator);
}
