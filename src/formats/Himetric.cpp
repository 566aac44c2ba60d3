#include "formats/Himetric.h"

#include <limits>

int MulDivRounded(int a, int b, int c)
{
    if (c == 0)
        return 0;
    const std::int64_t product = std::int64_t(a) * std::int64_t(b);
    std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = c < 0 ? -std::int64_t(c) : std::int64_t(c);
    magnitude = (magnitude + divisor / 2) / divisor;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (result < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return int(result);
}

QSize PixelsToHimetric(QSize pixels, QSize dpi)
{
    return {MulDivRounded(pixels.width(), kHimetricPerInch, dpi.width()),
            MulDivRounded(pixels.height(), kHimetricPerInch, dpi.height())};
}

QSize HimetricToPixels(QSize himetric, QSize dpi)
{
    return {MulDivRounded(dpi.width(), himetric.width(), kHimetricPerInch),
            MulDivRounded(dpi.height(), himetric.height(), kHimetricPerInch)};
}
