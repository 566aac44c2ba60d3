#include "formats/wmf/WmfPlayer.h"

// Clipping. The clip is kept as a path in base coordinates, because the
// file may change its mapping after it set the clip and the clip must stay
// where it was set, as it does in a device context.

namespace wmf {

namespace {
constexpr int kMaxClipElements = 512;
} // namespace

void Player::ApplyClip()
{
    const QTransform saved = painter_.worldTransform();
    painter_.setWorldTransform(base_);
    painter_.setClipPath(dc_.hasClip ? dc_.clip : targetClip_, Qt::ReplaceClip);
    painter_.setWorldTransform(saved);
}

void Player::IntersectClip(const QRectF &logical, bool exclude)
{
    // A clip cut into thousands of pieces costs more at every step than it
    // adds; past that the file's further cuts are ignored.
    if (dc_.hasClip && dc_.clip.elementCount() > kMaxClipElements)
        return;
    const QTransform t = LogicalToBase();
    QPainterPath rect;
    rect.addPolygon(t.map(QPolygonF(logical)));
    rect.closeSubpath();
    const QPainterPath current = dc_.hasClip ? dc_.clip : targetClip_;
    dc_.clip = exclude ? current.subtracted(rect) : current.intersected(rect);
    dc_.hasClip = true;
    ApplyClip();
}

void Player::SelectClipRegion(int index)
{
    const Object *o = objects_.Get(index);
    const auto *region = o ? std::get_if<Region>(o) : nullptr;
    if (!region) {
        // No region: the whole picture again.
        dc_.hasClip = false;
        dc_.clip = QPainterPath();
    } else {
        const QTransform t = LogicalToBase();
        QPainterPath path;
        for (const QRect &r : region->rects)
            path.addPolygon(t.map(QPolygonF(QRectF(r.left(), r.top(), r.width(), r.height()))));
        dc_.clip = targetClip_.intersected(path.simplified());
        dc_.hasClip = true;
    }
    ApplyClip();
}

void Player::OffsetClip(const Record &r)
{
    if (!dc_.hasClip || !r.Has(2))
        return;
    const QTransform t = LogicalToBase();
    const QPointF shift = t.map(QPointF(r.S16(1), r.S16(0))) - t.map(QPointF(0, 0));
    dc_.clip = targetClip_.intersected(dc_.clip.translated(shift));
    ApplyClip();
}

} // namespace wmf
