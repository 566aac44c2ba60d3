#pragma once

#include <QByteArray>

// A PDF font's text map (its ToUnicode CMap) names each glyph by one
// character, the one copying and searching give. Qt names a glyph by the
// lowest code point the font maps to it, and CJK fonts draw the radicals
// (U+2E80–U+2FDF) with the glyphs of the ideographs they stand for, so 片
// came out as the Kangxi radical ⽚ and 页 as the supplement radical ⻚.
// This gives such glyphs their ideograph back; every hex code keeps its
// four digits, so the map keeps its length.
QByteArray NameGlyphsByIdeographs(const QByteArray &textMap);

// The ideograph a radical's glyph stands for, or the radical itself when
// it has none.
char16_t IdeographForRadical(char16_t radical);
