#pragma once

#include <QFont>
#include <QRect>

// Dialog units of a font: a quarter of its average character width across,
// an eighth of its line height down, rounded to the nearest pixel. Window
// layouts given in these units grow with the user's font.
QRect DialogUnitsToPixels(const QRect &units, const QFont &font);
