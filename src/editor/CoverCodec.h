#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringView>

#include <optional>

// The cover as a book stores it: a 24-byte little-endian description (type 0,
// width, height, row bytes, planes 1, bits per pixel, a pointer field written
// as 0) followed by the pixel rows, top row first, all as Base64 text.
//
// We write 32 bits per pixel: blue, green, red and a zero byte, rows of
// width × 4 bytes. We read 32, 24, 16 (5-6-5), 8 (grey) and 1 (black and
// white) bits per pixel into a bitmap of the display format (RGB32); bytes
// missing at the end leave black, surplus bytes are ignored.

inline constexpr int kCoverHeaderBytes = 24;
// A cover is a thumbnail; a description larger than this is damage or
// malice, and decoding it would only allocate memory.
inline constexpr int kMaxCoverSide = 4096;
// The widest row any readable cover needs (kMaxCoverSide pixels of 4 bytes);
// a description claiming longer rows is refused.
inline constexpr qint64 kMaxCoverRowBytes = 4ll * kMaxCoverSide;

// The description and rows of a bitmap (any format; converted to RGB32
// first). An empty bitmap gives empty bytes.
QByteArray CoverBytesFromBitmap(const QImage &bitmap);

// The bitmap the bytes describe, in RGB32; nothing when the bytes are
// shorter than the description, when width, height, planes or bits per pixel
// are not positive, when a side exceeds kMaxCoverSide, when the depth is not
// one we read, or when the row bytes are too short for the width or longer
// than kMaxCoverRowBytes.
std::optional<QImage> CoverBitmapFromBytes(const QByteArray &bytes);

// The same through the Base64 text codec.
QString CoverTextFromBitmap(const QImage &bitmap);
std::optional<QImage> CoverBitmapFromText(QStringView text);
