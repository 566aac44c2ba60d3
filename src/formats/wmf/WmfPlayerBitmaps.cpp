#include "formats/wmf/WmfPlayer.h"

#include "formats/wmf/WmfRecordTypes.h"

#include <cmath>

// Bitmap records: the blits with and without a bitmap and pattern fills.
// Raster operations that combine with the picture beneath map onto Qt's
// composition modes where one does the same for the masks office programs
// draw transparent bitmaps with.

namespace wmf {

namespace {
enum Rop : int {
    kBlackness = 0x00,
    kNotSrcCopy = 0x33,
    kDstInvert = 0x55,
    kPatInvert = 0x5A,
    kSrcInvert = 0x66,
    kSrcAnd = 0x88,
    kDstNop = 0xAA,
    kSrcCopy = 0xCC,
    kSrcPaint = 0xEE,
    kPatCopy = 0xF0,
    kWhiteness = 0xFF,
};

int RopCode(quint32 rop) { return int((rop >> 16) & 0xFF); }

// The layout of a blit record: where its numbers and its bitmap lie.
struct BlitRecord {
    int srcHeight = 0, srcWidth = 0, ySrc = 0, xSrc = 0;
    int destHeight = 0, destWidth = 0, yDest = 0, xDest = 0;
    int bitmapWord = -1; // -1: the record has no bitmap
};

std::optional<BlitRecord> ReadBlit(const Record &r)
{
    BlitRecord b;
    // A record of exactly the size of its numbers carries no bitmap; then a
    // reserved word sits before the destination.
    switch (r.Function()) {
    case kStretchDib:
        if (!r.Has(11))
            return std::nullopt;
        b = {r.S16(3), r.S16(4), r.S16(5), r.S16(6), r.S16(7), r.S16(8), r.S16(9), r.S16(10), 11};
        return b;
    case kDibStretchBlt:
    case kStretchBlt:
        if (r.Words() == 11)
            b = {r.S16(2), r.S16(3), r.S16(4), r.S16(5), r.S16(7), r.S16(8), r.S16(9), r.S16(10), -1};
        else if (r.Has(10))
            b = {r.S16(2), r.S16(3), r.S16(4), r.S16(5), r.S16(6), r.S16(7), r.S16(8), r.S16(9), 10};
        else
            return std::nullopt;
        return b;
    case kDibBitBlt:
    case kBitBlt:
        if (r.Words() == 9)
            b = {r.S16(5), r.S16(6), r.S16(2), r.S16(3), r.S16(5), r.S16(6), r.S16(7), r.S16(8), -1};
        else if (r.Has(8))
            b = {r.S16(4), r.S16(5), r.S16(2), r.S16(3), r.S16(4), r.S16(5), r.S16(6), r.S16(7), 8};
        else
            return std::nullopt;
        return b;
    default: return std::nullopt;
    }
}
} // namespace

void Player::Blit(size_t index, const Record &r)
{
    const std::optional<BlitRecord> b = ReadBlit(r);
    if (!b)
        return;
    const quint32 rop = r.U32(0);
    const QRectF dest(b->xDest, b->yDest, b->destWidth, b->destHeight);
    if (b->bitmapWord < 0) {
        FillRop(dest.normalized(), rop);
        return;
    }
    const bool oldBitmap = r.Function() == kBitBlt || r.Function() == kStretchBlt;
    const int usage = r.Function() == kStretchDib ? r.U16(2) : 0;
    const Dib dib = bitmaps_.Get(index, [&] {
        if (oldBitmap)
            return Dib{DecodeBitmap16(r.BytesFrom(b->bitmapWord)), false};
        return DecodeDib(r.BytesFrom(b->bitmapWord), usage);
    });
    if (dib.image.isNull())
        return;
    // Only the bits-to-device record counts its source rows from the bottom
    // of a bottom-up bitmap; the others see it through a memory context.
    qreal top = b->ySrc;
    if (r.Function() == kStretchDib && dib.bottomUp)
        top = dib.image.height() - b->ySrc - b->srcHeight;
    DrawImage(dib.image, QRectF(b->xSrc, top, b->srcWidth, b->srcHeight), dest, rop);
}

void Player::PatBlt(const Record &r)
{
    if (!r.Has(6))
        return;
    FillRop(QRectF(r.S16(5), r.S16(4), r.S16(3), r.S16(2)).normalized(), r.U32(0));
}

void Player::DrawImage(const QImage &image, QRectF source, const QRectF &dest, quint32 rop)
{
    if (source.width() == 0 || source.height() == 0 || dest.width() == 0 || dest.height() == 0)
        return;
    if (!UseLogical())
        return;
    // Source outside the bitmap draws nothing; cut the destination with it.
    const QRectF inside = source.normalized() & QRectF(image.rect());
    if (inside.isEmpty())
        return;
    const qreal sx = dest.width() / source.width(), sy = dest.height() / source.height();
    QTransform place;
    place.translate(dest.x() + (inside.x() - source.x()) * sx, dest.y() + (inside.y() - source.y()) * sy);
    place.scale(sx, sy);

    const QTransform logical = painter_.worldTransform();
    QImage pixels = image;
    switch (RopCode(rop)) {
    case kSrcPaint: painter_.setCompositionMode(QPainter::CompositionMode_Lighten); break;
    case kSrcAnd: painter_.setCompositionMode(QPainter::CompositionMode_Multiply); break;
    case kSrcInvert: painter_.setCompositionMode(QPainter::CompositionMode_Difference); break;
    case kNotSrcCopy: pixels.invertPixels(); break;
    case kDstNop: return;
    default: break;
    }
    painter_.setWorldTransform(place * logical);
    painter_.drawImage(QRectF(0, 0, inside.width(), inside.height()), pixels, inside);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.setWorldTransform(logical);
}

void Player::FillRop(const QRectF &dest, quint32 rop)
{
    if (dest.isEmpty() || !UseLogical())
        return;
    switch (RopCode(rop)) {
    case kBlackness: painter_.fillRect(dest, Qt::black); break;
    case kWhiteness: painter_.fillRect(dest, Qt::white); break;
    case kDstInvert:
    case kPatInvert:
        painter_.setCompositionMode(QPainter::CompositionMode_Difference);
        painter_.fillRect(dest, RopCode(rop) == kDstInvert ? QBrush(Qt::white) : QtBrush(dc_.brush));
        painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
        break;
    case kDstNop: break;
    default:
        // Every other operation with a pattern paints the brush.
        painter_.fillRect(dest, QtBrush(dc_.brush));
        break;
    }
}

} // namespace wmf
