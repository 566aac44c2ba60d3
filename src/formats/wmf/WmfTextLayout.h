#pragma once

#include "formats/wmf/WmfObjects.h"

#include <QByteArrayView>
#include <QPainterPath>

#include <functional>
#include <unordered_map>
#include <vector>

// A text record's characters laid out as glyph outlines in a font made at a
// fixed pixel size; the player places and scales the run. Runs are kept
// between paints, so a repaint neither decodes the text nor asks the font
// system for outlines again.

namespace wmf {

struct TextRun {
    QPainterPath glyphs; // from x 0 on the baseline (y 0), in font pixels
    qreal width = 0;     // advance of the whole run, font pixels
    qreal ascent = 0, descent = 0;
    qreal perUnit = 1; // metafile units per font pixel
};

// defaultEm: the character height in metafile units for a font of height 0.
// dx: the advances the record gives per byte, or empty.
TextRun LayOutText(const Font &font, QByteArrayView bytes, const std::vector<qint16> &dx, qreal defaultEm);

class TextCache {
public:
    static constexpr size_t kMaxRuns = 20000;

    // The run of record `index`, laid out by `layOut` unless a run made
    // with the same font is kept.
    TextRun Get(size_t index, const Font &font, qreal defaultEm, const std::function<TextRun()> &layOut);

private:
    struct Entry {
        Font font;
        qreal defaultEm;
        TextRun run;
    };
    std::unordered_map<size_t, Entry> runs_;
};

} // namespace wmf
