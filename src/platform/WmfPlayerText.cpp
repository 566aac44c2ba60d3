#include "platform/WmfPlayer.h"

#include "platform/CodePage.h"

#include <QFontMetricsF>
#include <QPainterPath>

#include <cmath>

// Text: the font's charset picks the code page, the glyphs are drawn as
// outlines through a font made at a fixed size and scaled, so the text is
// as sharp as the lines around it at any zoom.

namespace wmf {

namespace {
constexpr qreal kEmPixels = 256;  // the size the Qt font is made at
constexpr int kTaUpdateCp = 1;
constexpr int kTaRight = 2, kTaCenter = 6, kTaHorizontal = 6;
constexpr int kTaBottom = 8, kTaBaseline = 24, kTaVertical = 24;
constexpr int kEtoOpaque = 2, kEtoClipped = 4;
constexpr int kOpaque = 2;
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

void Player::textOut(const Record &r)
{
    const int count = r.u16(0);
    const int after = 1 + (count + 1) / 2;
    if (!r.has(after + 2))
        return;
    drawText(QPointF(r.s16(after + 1), r.s16(after)), r.bytes(1, count), {}, 0, {});
}

void Player::extTextOut(const Record &r)
{
    if (!r.has(4))
        return;
    const QPointF at(r.s16(1), r.s16(0));
    const int count = r.u16(2);
    const int options = r.u16(3);
    int word = 4;
    QRectF rect;
    if (options & (kEtoOpaque | kEtoClipped)) {
        if (!r.has(8))
            return;
        rect = QRectF(QPointF(r.s16(4), r.s16(5)), QPointF(r.s16(6), r.s16(7))).normalized();
        word = 8;
    }
    QByteArrayView bytes = r.bytes(word, count);
    if (bytes.isEmpty() && count > 0)
        bytes = r.bytesFrom(word);  // cut short: the characters that are there
    std::vector<qint16> dx;
    const int dxWord = word + (count + 1) / 2;
    if (count > 0 && r.has(dxWord + count)) {
        dx.reserve(size_t(count));
        for (int i = 0; i < count; ++i)
            dx.push_back(r.s16(dxWord + i));
    }
    drawText(at, bytes, dx, options, rect);
}

void Player::drawText(QPointF at, QByteArrayView bytes, const std::vector<qint16> &dx,
                      int options, const QRectF &rect)
{
    const QTransform logical = logicalToBase();
    if (!useLogical())
        return;
    if ((options & kEtoOpaque) && !rect.isEmpty())
        painter_.fillRect(rect, dc_.bkColor);
    if (bytes.isEmpty())
        return;

    QFont font = MakeQtFont(dc_.font);
    QFontMetricsF metrics(font);
    qreal em = 0;  // in logical units
    if (dc_.font.height < 0)
        em = -qreal(dc_.font.height);
    else if (dc_.font.height > 0)
        em = dc_.font.height * kEmPixels / qMax<qreal>(1, metrics.ascent() + metrics.descent());
    else
        em = 16 / qMax<qreal>(1e-9, std::abs(logical.m22()));
    const qreal perUnit = em / kEmPixels;  // logical units per font pixel
    if (dc_.font.width != 0 && metrics.averageCharWidth() > 0) {
        const qreal wanted = std::abs(dc_.font.width) / perUnit;
        font.setStretch(qBound(1, int(std::lround(wanted / metrics.averageCharWidth() * 100)), 4000));
        metrics = QFontMetricsF(font);
    }

    const int codePage = CodePageOfCharset(dc_.font.charset);
    const bool spaced = !dx.empty() && dx.size() >= size_t(bytes.size());
    qreal width = 0;
    QString text;
    if (spaced) {
        for (qsizetype i = 0; i < bytes.size(); ++i)
            width += dx[size_t(i)];
        width /= perUnit;
    } else {
        text = DecodeCodePage(bytes, codePage);
        width = metrics.horizontalAdvance(text);
    }

    const bool updateCp = dc_.textAlign & kTaUpdateCp;
    const QPointF anchor = updateCp ? dc_.position : at;
    qreal x0 = 0;
    switch (dc_.textAlign & kTaHorizontal) {
    case kTaCenter: x0 = -width / 2; break;
    case kTaRight: x0 = -width; break;
    default: break;
    }
    qreal baseline = metrics.ascent();
    switch (dc_.textAlign & kTaVertical) {
    case kTaBaseline: baseline = 0; break;
    case kTaBottom: baseline = -metrics.descent(); break;
    default: break;
    }
    if (updateCp) {
        const int h = dc_.textAlign & kTaHorizontal;
        if (h != kTaCenter)
            dc_.position.rx() += (h == kTaRight ? -width : width) * perUnit;
    }

    painter_.save();
    if ((options & kEtoClipped) && !rect.isEmpty())
        painter_.setClipRect(rect, Qt::IntersectClip);
    QTransform place;
    place.translate(logical.map(anchor).x(), logical.map(anchor).y());
    place.rotate(-dc_.font.escapement / 10.0);
    place.scale(std::abs(logical.m11()) * perUnit, std::abs(logical.m22()) * perUnit);
    if (!std::isfinite(place.m11()) || !std::isfinite(place.m22()) || !std::isfinite(place.dx())
        || !std::isfinite(place.dy()) || place.determinant() == 0) {
        painter_.restore();
        return;
    }
    painter_.setWorldTransform(place * base_);
    if (dc_.bkMode == kOpaque && !(options & kEtoOpaque))
        painter_.fillRect(QRectF(x0, baseline - metrics.ascent(), width,
                                 metrics.ascent() + metrics.descent()),
                          dc_.bkColor);
    // Glyphs go in as outlines: Qt's glyph cache is not made for the
    // extreme stretches and scales a metafile may ask for, and outlines are
    // what keeps the text sharp at any zoom anyway.
    QPainterPath glyphs;
    if (spaced) {
        // Each character at the advance the file gives for its bytes; a
        // double-byte character takes the advances of both its bytes.
        CodePageDecoder decoder(codePage);
        qreal x = x0, pending = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            pending += dx[size_t(i)] / perUnit;
            const QString piece = decoder.decode(bytes.sliced(i, 1));
            if (!piece.isEmpty()) {
                glyphs.addText(QPointF(x, baseline), font, piece);
                x += pending;
                pending = 0;
            }
        }
        const QString rest = decoder.flush();
        if (!rest.isEmpty())
            glyphs.addText(QPointF(x, baseline), font, rest);
    } else {
        glyphs.addText(QPointF(x0, baseline), font, text);
    }
    painter_.fillPath(glyphs, dc_.textColor);
    painter_.restore();
    transformDirty_ = true;
}

} // namespace wmf
