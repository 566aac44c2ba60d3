#pragma once

#include "formats/wmf/WmfRecords.h"

#include <QRectF>
#include <QSize>

#include <optional>

// Where a metafile's picture lies in its own units and how large it is.
//
// A placeable file says so in its header: the bounding box, and how many
// units make an inch. A plain file carries no physical size; we take its
// first window origin and extent as the picture and count 1440 units to the
// inch (twips, what office programs write them in).

namespace wmf {

inline constexpr int kHimetricPerInch = 2540;
inline constexpr int kPlainUnitsPerInch = 1440;

struct Frame {
    QRectF logical; // the picture's rectangle in metafile units
    QSize himetric; // natural size, both sides at least 1
};

// Null when the file names no non-empty frame.
std::optional<Frame> PictureFrame(const File &file);

} // namespace wmf
