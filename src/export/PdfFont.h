#pragma once

#include <QFont>

// The font of the texts the export writes itself: the program's font, with
// the Simplified Chinese face for what it lacks (left to itself, the font
// matcher may pick the Japanese one, whose forms differ).
QFont PdfTextFont(double points, bool bold = false);
