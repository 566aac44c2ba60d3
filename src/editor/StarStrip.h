#pragma once

#include <QImage>
#include <QList>

// The form's image strip: ten 16 × 16 cells, transparent where nothing is
// drawn. The rating control draws its lit star from cell 5 and its unlit star
// from cell 6; the other cells are kept empty so that the cell numbers stay
// those the form hands to the control.
using ImageStrip = QList<QImage>;

inline constexpr int kStripCellSize = 16;
inline constexpr int kStripCellCount = 10;
inline constexpr int kLitStarCell = 5;
inline constexpr int kUnlitStarCell = 6;

// Builds the strip from our star artwork (compiled-in SVG).
ImageStrip MakeFormImageStrip();
