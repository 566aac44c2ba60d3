#include "formats/wmf/WmfTextLayout.h"

#include "formats/CodePage.h"

#include <QFont>
#include <QFontMetricsF>

#include <cmath>

namespace wmf {

namespace {
constexpr qreal kEmPixels = 256; // the size the Qt font is made at
// Chinese text in a font the system lacks still finds its glyphs here.
const char *const kCjkFallback = "Noto Sans CJK SC";

QFont MakeQtFont(const Font &f)
{
    QFont font;
    QStringList families;
    if (!f.face.isEmpty())
        families << f.face;
    families << QString::fromLatin1(kCjkFallback);
    font.setFamilies(families);
    font.setPixelSize(int(kEmPixels));
    font.setWeight(QFont::Weight(qBound(1, f.weight == 0 ? 400 : f.weight, 1000)));
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    font.setStrikeOut(f.strikeOut);
    // Hinting snaps glyphs to the pixels of the unscaled size; the text is
    // scaled afterwards, so it would only distort the shapes.
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}
} // namespace

TextRun LayOutText(const Font &f, QByteArrayView bytes, const std::vector<qint16> &dx, qreal defaultEm)
{
    TextRun run;
    QFont font = MakeQtFont(f);
    QFontMetricsF metrics(font);
    qreal em = defaultEm; // in metafile units
    if (f.height < 0)
        em = -qreal(f.height);
    else if (f.height > 0) // cell height: the em is the part without leading
        em = f.height * kEmPixels / qMax<qreal>(1, metrics.ascent() + metrics.descent());
    run.perUnit = em / kEmPixels;
    if (f.width != 0 && metrics.averageCharWidth() > 0) {
        const qreal wanted = std::abs(f.width) / run.perUnit;
        font.setStretch(qBound(1, int(std::lround(wanted / metrics.averageCharWidth() * 100)), 4000));
        metrics = QFontMetricsF(font);
    }
    run.ascent = metrics.ascent();
    run.descent = metrics.descent();

    // Glyphs go in as outlines: Qt's glyph cache is not made for the
    // extreme stretches and scales a metafile may ask for, and outlines are
    // what keeps the text sharp at any zoom anyway.
    const int codePage = CodePageOfCharset(f.charset);
    if (!dx.empty() && dx.size() >= size_t(bytes.size())) {
        // Each character at the advance the file gives for its bytes; a
        // double-byte character takes the advances of both its bytes.
        CodePageDecoder decoder(codePage);
        qreal x = 0, pending = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            pending += dx[size_t(i)] / run.perUnit;
            const QString piece = decoder.Decode(bytes.sliced(i, 1));
            if (!piece.isEmpty()) {
                run.glyphs.addText(QPointF(x, 0), font, piece);
                x += pending;
                pending = 0;
            }
        }
        const QString rest = decoder.Flush();
        if (!rest.isEmpty())
            run.glyphs.addText(QPointF(x, 0), font, rest);
        run.width = x + pending;
    } else {
        const QString text = DecodeCodePage(bytes, codePage);
        run.glyphs.addText(QPointF(0, 0), font, text);
        run.width = metrics.horizontalAdvance(text);
    }
    return run;
}

TextRun TextCache::Get(size_t index, const Font &font, qreal defaultEm, const std::function<TextRun()> &layOut)
{
    const auto found = runs_.find(index);
    if (found != runs_.end() && found->second.font == font
        && (font.height != 0 || found->second.defaultEm == defaultEm))
        return found->second.run;
    TextRun run = layOut();
    if (found != runs_.end())
        found->second = Entry{font, defaultEm, run};
    else if (runs_.size() < kMaxRuns)
        runs_.emplace(index, Entry{font, defaultEm, run});
    return run;
}

} // namespace wmf
