#pragma once

#include <QByteArray>
#include <QImage>
#include <QRect>

#include <atomic>

// Part of a JPEG decoded by libjpeg itself, which can skip the rows above a
// band and crop the columns beside it: a window's worth of a 24-megapixel
// page decodes in a fraction of the whole. The pixels are those Qt's JPEG
// reader makes for the same part of the whole picture (same inverse DCT,
// same smooth chroma upsampling, RGB32), so a page can be shown part first
// and completed later without a visible seam.

// The stored size of a JPEG this decoder takes (8-bit greyscale, YCbCr or
// RGB; baseline or progressive); invalid for anything else, CMYK included.
// The EXIF orientation is not looked at: the caller decides whether the
// stored pixels are the shown ones.
QSize JpegRegionPictureSize(const QByteArray &bytes);

// Decodes `region` (in stored pixels, clipped to the picture) into an RGB32
// image of the clipped region's size. Null when the bytes are not a JPEG
// this decoder takes, when the data is broken, or when `cancelled` is set
// while decoding (checked between bands of rows).
QImage DecodeJpegRegion(const QByteArray &bytes, const QRect &region, const std::atomic<bool> *cancelled = nullptr);
