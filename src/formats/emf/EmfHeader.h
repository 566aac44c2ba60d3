#pragma once

#include <QByteArray>
#include <QRect>

#include <optional>

// What the program takes from an enhanced metafile's header record before
// the file goes anywhere near the converter.
struct EmfHeader {
    QRect bounds; // device bounds of the drawing (rclBounds), inclusive edges
    QRect frame;  // picture frame in HIMETRIC (rclFrame), inclusive edges
};

// Sides of the device bounds beyond this are refused: mutated files declare
// drawings of millions of pixels, and the converter sizes its output by them.
inline constexpr int kMaxEmfBoundsSide = 16384;
// The frame is in 0.01 mm; 10 m is far beyond any page.
inline constexpr int kMaxEmfFrameSide = 1000000;

// Whether the bytes start with an EMF header record (type 1 and the " EMF"
// signature).
bool LooksLikeEmf(const QByteArray &bytes);

// The header, when both rectangles are sane: positive extents within the
// limits above. The converter divides by a zero-height bounds rectangle, so
// such a file is refused here.
std::optional<EmfHeader> ReadEmfHeader(const QByteArray &bytes);

// The frame's extent in HIMETRIC; its edges are inclusive.
QSize EmfFrameSize(const EmfHeader &header);
