#pragma once

#include <QByteArrayView>
#include <QImage>

// Bitmaps inside metafile records: device-independent bitmaps (a header,
// an optional colour table and the pixel rows) and the old device-dependent
// Bitmap16. Sizes are bounded before anything is allocated, so a record that
// claims a huge picture costs nothing.

namespace wmf {

// More pixels than this are not decoded (a 8192 x 4096 scan at most).
inline constexpr qint64 kMaxBitmapPixels = 8192LL * 4096LL;

struct Dib {
    QImage image;         // null when the bitmap cannot be read
    bool bottomUp = true; // row 0 of the file is the bottom row
};

// colorUsage 0 (DIB_RGB_COLORS): the colour table holds RGB values;
// 1 (DIB_PAL_COLORS) holds palette indexes, which we cannot resolve and so
// do not draw.
Dib DecodeDib(QByteArrayView bytes, int colorUsage);

// The device-dependent bitmap of the oldest blit records (1, 24 or 32 bits
// a pixel). Null when it is none of those or its rows are cut short.
QImage DecodeBitmap16(QByteArrayView bytes);

} // namespace wmf
