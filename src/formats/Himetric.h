#pragma once

#include <QSize>

#include <cstdint>

// HIMETRIC units (0.01 mm) per inch.
inline constexpr int kHimetricPerInch = 2540;

// a × b ÷ c with a 64-bit product, rounded to the nearest integer with halves
// away from zero; a zero divisor gives 0 and a result beyond 32 bits is
// clamped, so no caller ever sees an overflowed size.
int MulDivRounded(int a, int b, int c);

// Natural HIMETRIC size of a picture of the given pixel size shown at dpi, and
// back. Both round the same way, so a pixel size survives the round trip at
// any sane resolution (one picture pixel per screen pixel at 100 %).
QSize PixelsToHimetric(QSize pixels, QSize dpi);
QSize HimetricToPixels(QSize himetric, QSize dpi);
