#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

// Dialog templates are laid out in dialog units, so a dialog grows with its
// font: one horizontal unit is a quarter of the font's average character
// width, one vertical unit an eighth of its character height.
struct DialogBaseUnits {
    int averageCharWidth = 0;
    int charHeight = 0;
};

// The average width is that of the 52 Latin letters (rounded), the measure
// dialog layouts have always used; a font's own "average" is too often the
// width of a CJK ideograph for a Chinese font.
DialogBaseUnits DialogBaseUnitsOf(const QFont &font);

// Units to pixels, rounded to the nearest pixel.
int DialogXToPixels(int units, const DialogBaseUnits &base);
int DialogYToPixels(int units, const DialogBaseUnits &base);
QSize DialogSizeToPixels(const QSize &units, const DialogBaseUnits &base);
QRect DialogRectToPixels(const QRect &units, const DialogBaseUnits &base);
