#pragma once

#include <QtGlobal>

// Function numbers of the metafile records the player knows. The high byte
// of a number is the parameter count the format's designers had in mind;
// the player never trusts it and reads each record's own length instead.

namespace wmf {

enum RecordFunction : quint16 {
    kSaveDc = 0x001E,
    kRealizePalette = 0x0035,
    kSetBkColor = 0x0201,
    kSetBkMode = 0x0102,
    kSetMapMode = 0x0103,
    kSetRop2 = 0x0104,
    kSetPolyFillMode = 0x0106,
    kSetStretchBltMode = 0x0107,
    kSetTextColor = 0x0209,
    kSetWindowOrg = 0x020B,
    kSetWindowExt = 0x020C,
    kSetViewportOrg = 0x020D,
    kSetViewportExt = 0x020E,
    kOffsetWindowOrg = 0x020F,
    kOffsetViewportOrg = 0x0211,
    kScaleWindowExt = 0x0410,
    kScaleViewportExt = 0x0412,
    kRestoreDc = 0x0127,
    kSetTextAlign = 0x012E,
    kSelectClipRegion = 0x012C,
    kSelectObject = 0x012D,
    kSelectPalette = 0x0234,
    kDeleteObject = 0x01F0,
    kCreatePalette = 0x00F7,
    kCreatePatternBrush = 0x01F9,
    kCreatePenIndirect = 0x02FA,
    kCreateFontIndirect = 0x02FB,
    kCreateBrushIndirect = 0x02FC,
    kCreateRegion = 0x06FF,
    kDibCreatePatternBrush = 0x0142,
    kLineTo = 0x0213,
    kMoveTo = 0x0214,
    kExcludeClipRect = 0x0415,
    kIntersectClipRect = 0x0416,
    kOffsetClipRgn = 0x0220,
    kFillRegion = 0x0228,
    kPaintRegion = 0x012B,
    kEllipse = 0x0418,
    kRectangle = 0x041B,
    kSetPixel = 0x041F,
    kRoundRect = 0x061C,
    kPatBlt = 0x061D,
    kArc = 0x0817,
    kPie = 0x081A,
    kChord = 0x0830,
    kPolygon = 0x0324,
    kPolyline = 0x0325,
    kPolyPolygon = 0x0538,
    kTextOut = 0x0521,
    kExtTextOut = 0x0A32,
    kEscape = 0x0626,
    kBitBlt = 0x0922,
    kStretchBlt = 0x0B23,
    kDibBitBlt = 0x0940,
    kDibStretchBlt = 0x0B41,
    kStretchDib = 0x0F43,
};

} // namespace wmf
