#include "formats/wmf/WmfPlayer.h"

#include <cmath>

// Text records: where a run goes, how it is aligned, its background and
// clip. The run itself (code page, font, outlines) comes from the layout.

namespace wmf {

namespace {
constexpr int kTaUpdateCp = 1;
constexpr int kTaRight = 2, kTaCenter = 6, kTaHorizontal = 6;
constexpr int kTaBottom = 8, kTaBaseline = 24, kTaVertical = 24;
constexpr int kEtoOpaque = 2, kEtoClipped = 4, kEtoGlyphIndex = 0x10;
constexpr int kOpaque = 2;
// A font of height 0 is the device's default size, about this many pixels.
constexpr qreal kDefaultFontPixels = 16;

bool Finite(const QTransform &t)
{
    return std::isfinite(t.m11()) && std::isfinite(t.m12()) && std::isfinite(t.m21()) && std::isfinite(t.m22())
           && std::isfinite(t.dx()) && std::isfinite(t.dy()) && t.determinant() != 0;
}
} // namespace

void Player::TextOut(size_t index, const Record &r)
{
    const int count = r.U16(0);
    const int after = 1 + (count + 1) / 2;
    if (!r.Has(after + 2))
        return;
    DrawText(index, QPointF(r.S16(after + 1), r.S16(after)), r.Bytes(1, count), {}, 0, {});
}

void Player::ExtTextOut(size_t index, const Record &r)
{
    if (!r.Has(4))
        return;
    const QPointF at(r.S16(1), r.S16(0));
    const int count = r.U16(2);
    const int options = r.U16(3);
    int word = 4;
    QRectF rect;
    if (options & (kEtoOpaque | kEtoClipped)) {
        if (!r.Has(8))
            return;
        rect = QRectF(QPointF(r.S16(4), r.S16(5)), QPointF(r.S16(6), r.S16(7))).normalized();
        word = 8;
    }
    QByteArrayView bytes = r.Bytes(word, count);
    if (bytes.isEmpty() && count > 0)
        bytes = r.BytesFrom(word); // cut short: the characters that are there
    std::vector<qint16> dx;
    const int dxWord = word + (count + 1) / 2;
    if (count > 0 && r.Has(dxWord + count)) {
        dx.reserve(size_t(count));
        for (int i = 0; i < count; ++i)
            dx.push_back(r.S16(dxWord + i));
    }
    DrawText(index, at, bytes, dx, options, rect);
}

void Player::DrawText(size_t index, QPointF at, QByteArrayView bytes, const std::vector<qint16> &dx, int options,
                      const QRectF &rect)
{
    const QTransform logical = LogicalToBase();
    if (!UseLogical())
        return;
    if ((options & kEtoOpaque) && !rect.isEmpty())
        painter_.fillRect(rect, dc_.bkColor);
    // Glyph indexes belong to the writer's font file, which we do not have;
    // read as characters they would be nonsense.
    if (bytes.isEmpty() || (options & kEtoGlyphIndex))
        return;

    const qreal defaultEm = kDefaultFontPixels / std::abs(logical.m22());
    const TextRun run =
        texts_.Get(index, dc_.font, defaultEm, [&] { return LayOutText(dc_.font, bytes, dx, defaultEm); });

    const bool updateCp = dc_.textAlign & kTaUpdateCp;
    const QPointF anchor = updateCp ? dc_.position : at;
    qreal x0 = 0;
    switch (dc_.textAlign & kTaHorizontal) {
    case kTaCenter: x0 = -run.width / 2; break;
    case kTaRight: x0 = -run.width; break;
    default: break;
    }
    qreal baseline = run.ascent;
    switch (dc_.textAlign & kTaVertical) {
    case kTaBaseline: baseline = 0; break;
    case kTaBottom: baseline = -run.descent; break;
    default: break;
    }
    if (updateCp) {
        const int h = dc_.textAlign & kTaHorizontal;
        if (h != kTaCenter)
            dc_.position.rx() += (h == kTaRight ? -run.width : run.width) * run.perUnit;
    }

    // Text stays upright and unmirrored whatever the mapping's signs, as on
    // a screen; escapement turns it counter-clockwise.
    QTransform place;
    place.translate(logical.map(anchor).x(), logical.map(anchor).y());
    place.rotate(-dc_.font.escapement / 10.0);
    place.scale(std::abs(logical.m11()) * run.perUnit, std::abs(logical.m22()) * run.perUnit);
    place.translate(x0, baseline);
    if (!Finite(place))
        return;

    painter_.save();
    if ((options & kEtoClipped) && !rect.isEmpty())
        painter_.setClipRect(rect, Qt::IntersectClip);
    painter_.setWorldTransform(place * base_);
    if (dc_.bkMode == kOpaque && !(options & kEtoOpaque))
        painter_.fillRect(QRectF(0, -run.ascent, run.width, run.ascent + run.descent), dc_.bkColor);
    painter_.fillPath(run.glyphs, dc_.textColor);
    painter_.restore();
    transformDirty_ = true;
}

} // namespace wmf
