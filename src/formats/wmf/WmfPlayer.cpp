#include "formats/wmf/WmfPlayer.h"

#include "formats/wmf/WmfRecordTypes.h"

#include <QElapsedTimer>

#include <cmath>

namespace wmf {

namespace {
constexpr int kMmIsotropic = 7;
constexpr int kRecordsPerClockLook = 16;

bool Finite(const QTransform &t)
{
    return std::isfinite(t.m11()) && std::isfinite(t.m22()) && std::isfinite(t.dx()) && std::isfinite(t.dy())
           && t.m11() != 0 && t.m22() != 0;
}

template <typename T>
Object ToObject(const std::optional<T> &value)
{
    return value ? Object(*value) : Object();
}

qreal NonZero(qreal v) { return v == 0 ? 1 : v; }
} // namespace

Player::Player(const File &file, const Frame &frame, PlayCache &cache, QPainter &painter, const QRectF &target)
    : file_(file), frame_(frame), bitmaps_(cache.bitmaps), texts_(cache.texts), painter_(painter), target_(target),
      base_(painter.worldTransform()), objects_(file.header.objectCount)
{
    dc_.windowOrg = frame.logical.topLeft();
    dc_.windowExt = QPointF(frame.logical.width(), frame.logical.height());
    dc_.viewportExt = QPointF(1, 1);
}

void Player::Play()
{
    // A negative width or height mirrors the picture; an empty or
    // non-finite rectangle draws nothing.
    const qreal sides[] = {target_.x(), target_.y(), target_.width(), target_.height()};
    for (qreal v : sides)
        if (!std::isfinite(v))
            return;
    if (target_.width() == 0 || target_.height() == 0)
        return;
    painter_.save();
    painter_.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    // Nothing of the picture spills out of its rectangle, and a clip the
    // caller set stays in force.
    targetClip_.addRect(target_.normalized());
    if (painter_.hasClipping())
        targetClip_ = targetClip_.intersected(painter_.clipPath());
    ApplyClip();

    QElapsedTimer clock;
    clock.start();
    for (size_t i = 0; i < file_.records.size(); ++i) {
        if (i % kRecordsPerClockLook == 0 && clock.elapsed() > kTimeBudgetMs)
            break;
        Dispatch(i, file_.records[i]);
    }
    painter_.restore();
}

void Player::Dispatch(size_t index, const Record &r)
{
    switch (r.Function()) {
    case kSetMapMode:
        dc_.mapMode = r.U16(0);
        transformDirty_ = true;
        break;
    case kSetWindowOrg:
        if (r.Has(2))
            dc_.windowOrg = QPointF(r.S16(1), r.S16(0));
        transformDirty_ = true;
        break;
    case kSetWindowExt:
        if (r.Has(2))
            dc_.windowExt = QPointF(r.S16(1), r.S16(0));
        transformDirty_ = true;
        break;
    case kOffsetWindowOrg:
        if (r.Has(2))
            dc_.windowOrg += QPointF(r.S16(1), r.S16(0));
        transformDirty_ = true;
        break;
    case kScaleWindowExt:
        if (r.Has(4)) {
            dc_.windowExt.rx() = dc_.windowExt.x() * r.S16(3) / NonZero(r.S16(2));
            dc_.windowExt.ry() = dc_.windowExt.y() * r.S16(1) / NonZero(r.S16(0));
        }
        transformDirty_ = true;
        break;
    case kSetViewportOrg:
        if (r.Has(2)) {
            dc_.viewportOrg = QPointF(r.S16(1), r.S16(0));
            if (!firstViewportOrg_)
                firstViewportOrg_ = dc_.viewportOrg;
            dc_.viewportOrgSet = true;
        }
        transformDirty_ = true;
        break;
    case kSetViewportExt:
        if (r.Has(2) && r.S16(0) != 0 && r.S16(1) != 0) {
            dc_.viewportExt = QPointF(r.S16(1), r.S16(0));
            if (!firstViewportExt_)
                firstViewportExt_ = dc_.viewportExt;
            dc_.viewportExtSet = true;
        }
        transformDirty_ = true;
        break;
    case kOffsetViewportOrg:
        if (r.Has(2)) {
            dc_.viewportOrg += QPointF(r.S16(1), r.S16(0));
            dc_.viewportOrgSet = true;
        }
        transformDirty_ = true;
        break;
    case kScaleViewportExt:
        if (r.Has(4)) {
            dc_.viewportExt.rx() = dc_.viewportExt.x() * r.S16(3) / NonZero(r.S16(2));
            dc_.viewportExt.ry() = dc_.viewportExt.y() * r.S16(1) / NonZero(r.S16(0));
            dc_.viewportExtSet = true;
        }
        transformDirty_ = true;
        break;
    case kSaveDc: SaveDc(); break;
    case kRestoreDc: RestoreDc(r.S16(0)); break;

    // A record too short to read still takes its slot, so the indexes of
    // later objects stay where the writer put them.
    case kCreatePenIndirect: CreateObject(ToObject(ReadPen(r))); break;
    case kCreateBrushIndirect: CreateObject(ToObject(ReadBrush(r))); break;
    case kCreateFontIndirect: CreateObject(ToObject(ReadFont(r))); break;
    case kCreatePalette: CreateObject(ToObject(ReadPalette(r))); break;
    case kCreateRegion: CreateObject(ToObject(ReadRegion(r))); break;
    case kDibCreatePatternBrush: {
        const int usage = r.U16(1);
        const Dib dib = bitmaps_.Get(index, [&] { return DecodeDib(r.BytesFrom(2), usage); });
        Brush brush;
        // A pattern we cannot read paints like a plain black brush.
        brush.style = dib.image.isNull() ? 0 : 5;
        brush.color = Qt::black;
        brush.pattern = dib.image;
        CreateObject(brush);
        break;
    }
    // The oldest pattern brushes (device bitmaps) are mostly dithered
    // greys; one grey stands in for them and keeps the later indexes right.
    case kCreatePatternBrush: CreateObject(Brush{0, QColor(128, 128, 128), 0, {}}); break;
    case kSelectObject: SelectObject(r.U16(0)); break;
    case kSelectPalette:
        if (const Object *o = objects_.Get(r.U16(0)); o && std::holds_alternative<Palette>(*o))
            dc_.palette = std::get<Palette>(*o).colors;
        break;
    case kDeleteObject: objects_.Remove(r.U16(0)); break;

    case kSetBkMode: dc_.bkMode = r.U16(0); break;
    case kSetBkColor: dc_.bkColor = ColorFromRef(r.U32(0), &dc_.palette); break;
    case kSetTextColor: dc_.textColor = ColorFromRef(r.U32(0), &dc_.palette); break;
    case kSetTextAlign: dc_.textAlign = r.U16(0); break;
    case kSetPolyFillMode: dc_.polyFillMode = r.U16(0); break;
    case kSetRop2: dc_.rop2 = r.U16(0); break;

    case kMoveTo: dc_.position = QPointF(r.S16(1), r.S16(0)); break;
    case kLineTo: LineTo(r); break;
    case kPolyline: Polyline(r); break;
    case kPolygon: Polygon(r); break;
    case kPolyPolygon: PolyPolygon(r); break;
    case kRectangle: Rectangle(r, false); break;
    case kRoundRect: Rectangle(r, true); break;
    case kEllipse: Ellipse(r); break;
    case kArc:
    case kPie:
    case kChord: Arc(r, r.Function()); break;
    case kSetPixel: SetPixel(r); break;
    case kFillRegion: {
        const Object *region = objects_.Get(r.U16(0));
        const Object *brush = objects_.Get(r.U16(1));
        if (region && brush && std::holds_alternative<Region>(*region) && std::holds_alternative<Brush>(*brush))
            FillRegion(std::get<Region>(*region), std::get<Brush>(*brush));
        break;
    }
    case kPaintRegion:
        if (const Object *o = objects_.Get(r.U16(0)); o && std::holds_alternative<Region>(*o))
            FillRegion(std::get<Region>(*o), dc_.brush);
        break;

    case kTextOut: TextOut(index, r); break;
    case kExtTextOut: ExtTextOut(index, r); break;

    case kBitBlt:
    case kStretchBlt:
    case kDibBitBlt:
    case kDibStretchBlt:
    case kStretchDib: Blit(index, r); break;
    case kPatBlt: PatBlt(r); break;

    case kIntersectClipRect:
    case kExcludeClipRect:
        if (r.Has(4)) {
            const QRectF rect(QPointF(r.S16(3), r.S16(2)), QPointF(r.S16(1), r.S16(0)));
            IntersectClip(rect.normalized(), r.Function() == kExcludeClipRect);
        }
        break;
    case kSelectClipRegion: SelectClipRegion(r.U16(0)); break;
    case kOffsetClipRgn: OffsetClip(r); break;

    // Printer escapes, palette realisation and stretch modes change nothing
    // on a picture drawn as vectors; unknown records are skipped as well.
    default: break;
    }
}

void Player::SaveDc()
{
    if (saved_.size() >= size_t(kMaxSaveDepth)) {
        ++unsavedLevels_;
        return;
    }
    saved_.push_back(dc_);
}

void Player::RestoreDc(int level)
{
    // Negative: that many levels back; positive: the level of that number.
    int pops = 0;
    const int depth = int(saved_.size()) + unsavedLevels_;
    if (level < 0)
        pops = -level;
    else if (level > 0)
        pops = depth - level + 1;
    if (pops <= 0 || pops > depth)
        return;
    const int fromUnsaved = qMin(pops, unsavedLevels_);
    unsavedLevels_ -= fromUnsaved;
    pops -= fromUnsaved;
    if (pops == 0)
        return;
    dc_ = saved_[saved_.size() - size_t(pops)];
    saved_.resize(saved_.size() - size_t(pops));
    transformDirty_ = true;
    ApplyClip();
}

void Player::CreateObject(Object object) { objects_.Add(std::move(object)); }

void Player::SelectObject(int index)
{
    const Object *o = objects_.Get(index);
    if (!o)
        return;
    if (const auto *pen = std::get_if<Pen>(o))
        dc_.pen = *pen;
    else if (const auto *brush = std::get_if<Brush>(o))
        dc_.brush = *brush;
    else if (const auto *font = std::get_if<Font>(o))
        dc_.font = *font;
    else if (std::holds_alternative<Region>(*o))
        SelectClipRegion(index);
}

QTransform Player::LogicalToBase() const
{
    // Viewport values count relative to the first ones the file set, which
    // stand for the target rectangle.
    const QPointF firstExt = firstViewportExt_.value_or(QPointF(1, 1));
    const QPointF firstOrg = firstViewportOrg_.value_or(QPointF(0, 0));
    const QPointF extRatio(dc_.viewportExtSet ? dc_.viewportExt.x() / firstExt.x() : 1,
                           dc_.viewportExtSet ? dc_.viewportExt.y() / firstExt.y() : 1);
    const QPointF orgShift(dc_.viewportOrgSet ? (dc_.viewportOrg.x() - firstOrg.x()) / firstExt.x() : 0,
                           dc_.viewportOrgSet ? (dc_.viewportOrg.y() - firstOrg.y()) / firstExt.y() : 0);
    qreal sx = extRatio.x() / NonZero(dc_.windowExt.x()) * target_.width();
    qreal sy = extRatio.y() / NonZero(dc_.windowExt.y()) * target_.height();
    if (dc_.mapMode == kMmIsotropic) {
        const qreal m = qMin(std::abs(sx), std::abs(sy));
        sx = std::copysign(m, sx);
        sy = std::copysign(m, sy);
    }
    const qreal tx = target_.left() + orgShift.x() * target_.width() - dc_.windowOrg.x() * sx;
    const qreal ty = target_.top() + orgShift.y() * target_.height() - dc_.windowOrg.y() * sy;
    return QTransform(sx, 0, 0, sy, tx, ty);
}

bool Player::UseLogical()
{
    if (transformDirty_) {
        const QTransform t = LogicalToBase();
        logicalValid_ = Finite(t);
        if (logicalValid_)
            painter_.setWorldTransform(t * base_);
        transformDirty_ = false;
    }
    return logicalValid_;
}

void Player::UseBase()
{
    painter_.setWorldTransform(base_);
    transformDirty_ = true;
}

} // namespace wmf
