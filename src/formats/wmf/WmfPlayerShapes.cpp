#include "formats/wmf/WmfPlayer.h"

#include "formats/wmf/WmfRecordTypes.h"

#include <QPolygonF>

#include <cmath>

// Lines, polygons, rectangles, ellipses, arcs and region fills.

namespace wmf {

namespace {
constexpr int kPsNull = 5;
constexpr int kBsSolid = 0, kBsNull = 1, kBsHatched = 2, kBsPattern = 3, kBsDibPattern = 5;
constexpr int kR2Black = 1, kR2Not = 6, kR2XorPen = 7, kR2MaskPen = 9, kR2Nop = 11, kR2MergePen = 15, kR2White = 16;
constexpr int kWinding = 2;

// Points from word `first` on, as many as are wholly in the record.
QPolygonF ReadPoints(const Record &r, int first, int count)
{
    QPolygonF points;
    const int available = qMax(0, (r.Words() - first) / 2);
    const int n = qBound(0, count, available);
    points.reserve(n);
    for (int i = 0; i < n; ++i)
        points.append(QPointF(r.S16(first + 2 * i), r.S16(first + 2 * i + 1)));
    return points;
}

// A rectangle stored as bottom, right, top, left from word `first`.
QRectF ReadRect(const Record &r, int first)
{
    return QRectF(QPointF(r.S16(first + 3), r.S16(first + 2)), QPointF(r.S16(first + 1), r.S16(first))).normalized();
}

// The angle Qt's arcTo wants for the point where the ray from the centre
// through `p` leaves the ellipse (Qt's angles are of the unstretched circle).
qreal ArcAngle(const QRectF &box, QPointF p)
{
    const QPointF c = box.center();
    const qreal rx = box.width() / 2, ry = box.height() / 2;
    if (rx == 0 || ry == 0)
        return 0;
    return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180 / M_PI;
}

Qt::BrushStyle HatchStyle(int hatch)
{
    switch (hatch) {
    case 0: return Qt::HorPattern;
    case 1: return Qt::VerPattern;
    case 2: return Qt::FDiagPattern;
    case 3: return Qt::BDiagPattern;
    case 4: return Qt::CrossPattern;
    default: return Qt::DiagCrossPattern;
    }
}
} // namespace

QColor Player::RopColor(QColor color) const
{
    switch (dc_.rop2) {
    case kR2Black: return Qt::black;
    case kR2White:
    case kR2Not: return Qt::white;
    default: return color;
    }
}

QPen Player::QtPen() const
{
    const int style = dc_.pen.style & 0x0F;
    if (style == kPsNull)
        return Qt::NoPen;
    QPen pen(RopColor(dc_.pen.color));
    const qreal scale = std::abs(painter_.worldTransform().m11());
    // A pen thinner than a pixel still draws one pixel wide.
    const bool hairline = dc_.pen.width == 0 || dc_.pen.width * scale < 1;
    if (hairline) {
        pen.setCosmetic(true);
        pen.setWidthF(1);
    } else {
        pen.setWidthF(dc_.pen.width);
    }
    // Styled lines exist only for pens of one pixel; wider pens draw solid.
    if (hairline && style >= 1 && style <= 4) {
        static const QList<qreal> patterns[] = {{18, 6}, {3, 3}, {9, 6, 3, 6}, {9, 3, 3, 3, 3, 3}};
        pen.setDashPattern(patterns[style - 1]);
    }
    switch (dc_.pen.style & 0x0F00) {
    case 0x100: pen.setCapStyle(Qt::SquareCap); break;
    case 0x200: pen.setCapStyle(Qt::FlatCap); break;
    default: pen.setCapStyle(Qt::RoundCap); break;
    }
    switch (dc_.pen.style & 0xF000) {
    case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
    case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
    default: pen.setJoinStyle(Qt::RoundJoin); break;
    }
    return pen;
}

QBrush Player::QtBrush(const Brush &brush) const
{
    // Hatches and patterns repeat per device pixel as they do on screen,
    // not per metafile unit.
    const QTransform world = painter_.worldTransform();
    const QTransform perPixel =
        QTransform::fromScale(world.m11() != 0 ? 1 / world.m11() : 1, world.m22() != 0 ? 1 / world.m22() : 1);
    switch (brush.style) {
    case kBsNull: return Qt::NoBrush;
    case kBsHatched: {
        QBrush b(RopColor(brush.color), HatchStyle(brush.hatch));
        b.setTransform(perPixel);
        return b;
    }
    case kBsPattern:
    case kBsDibPattern:
        if (!brush.pattern.isNull()) {
            QBrush b(brush.pattern);
            b.setTransform(perPixel);
            return b;
        }
        return QBrush(RopColor(Qt::black));
    case kBsSolid:
    default: return QBrush(RopColor(brush.color));
    }
}

void Player::DrawShape(const QPainterPath &path, bool fill, bool stroke)
{
    if (dc_.rop2 == kR2Nop || !UseLogical())
        return;
    switch (dc_.rop2) {
    case kR2Not:
    case kR2XorPen: painter_.setCompositionMode(QPainter::CompositionMode_Difference); break;
    case kR2MaskPen: painter_.setCompositionMode(QPainter::CompositionMode_Multiply); break;
    case kR2MergePen: painter_.setCompositionMode(QPainter::CompositionMode_Lighten); break;
    default: break;
    }
    QBrush brush = fill ? QtBrush(dc_.brush) : QBrush(Qt::NoBrush);
    if (fill && dc_.brush.style == kBsHatched && dc_.bkMode == 2)
        painter_.fillPath(path, dc_.bkColor);
    painter_.setPen(stroke ? QtPen() : QPen(Qt::NoPen));
    painter_.setBrush(brush);
    painter_.drawPath(path);
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void Player::LineTo(const Record &r)
{
    if (!r.Has(2))
        return;
    const QPointF to(r.S16(1), r.S16(0));
    QPainterPath path(dc_.position);
    path.lineTo(to);
    dc_.position = to;
    DrawShape(path, false, true);
}

void Player::Polyline(const Record &r)
{
    const QPolygonF points = ReadPoints(r, 1, r.U16(0));
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(points);
    DrawShape(path, false, true);
}

void Player::Polygon(const Record &r)
{
    const QPolygonF points = ReadPoints(r, 1, r.U16(0));
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.setFillRule(dc_.polyFillMode == kWinding ? Qt::WindingFill : Qt::OddEvenFill);
    path.addPolygon(points);
    path.closeSubpath();
    DrawShape(path, true, true);
}

void Player::PolyPolygon(const Record &r)
{
    const int polygons = r.U16(0);
    if (!r.Has(1 + polygons))
        return;
    QPainterPath path;
    path.setFillRule(dc_.polyFillMode == kWinding ? Qt::WindingFill : Qt::OddEvenFill);
    int word = 1 + polygons;
    for (int i = 0; i < polygons; ++i) {
        const int count = r.U16(1 + i);
        const QPolygonF points = ReadPoints(r, word, count);
        if (points.size() >= 2) {
            path.addPolygon(points);
            path.closeSubpath();
        }
        if (points.size() < count)
            break;
        word += 2 * count;
    }
    DrawShape(path, true, true);
}

void Player::Rectangle(const Record &r, bool rounded)
{
    if (!r.Has(rounded ? 6 : 4))
        return;
    QPainterPath path;
    if (rounded) {
        const QRectF box = ReadRect(r, 2);
        path.addRoundedRect(box, std::abs(r.S16(1)) / 2.0, std::abs(r.S16(0)) / 2.0);
    } else {
        path.addRect(ReadRect(r, 0));
    }
    DrawShape(path, true, true);
}

void Player::Ellipse(const Record &r)
{
    if (!r.Has(4))
        return;
    QPainterPath path;
    path.addEllipse(ReadRect(r, 0));
    DrawShape(path, true, true);
}

void Player::Arc(const Record &r, int kind)
{
    if (!r.Has(8))
        return;
    const QRectF box = ReadRect(r, 4);
    const qreal start = ArcAngle(box, QPointF(r.S16(3), r.S16(2)));
    const qreal end = ArcAngle(box, QPointF(r.S16(1), r.S16(0)));
    // Arcs run counter-clockwise from the start to the end point; equal
    // points make a whole ellipse.
    qreal sweep = std::fmod(end - start + 720, 360);
    if (sweep <= 1e-9)
        sweep = 360;
    QPainterPath path;
    if (kind == kPie) {
        path.moveTo(box.center());
        path.arcTo(box, start, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(box, start);
        path.arcTo(box, start, sweep);
        if (kind == kChord)
            path.closeSubpath();
    }
    DrawShape(path, kind != kArc, true);
}

void Player::SetPixel(const Record &r)
{
    if (!r.Has(4) || !UseLogical())
        return;
    const QPointF at(r.S16(3), r.S16(2));
    const QColor color = ColorFromRef(r.U32(0), &dc_.palette);
    // One device pixel, whatever the scale.
    const QPointF device = painter_.worldTransform().map(at);
    painter_.save();
    painter_.resetTransform();
    painter_.fillRect(QRectF(device, QSizeF(1, 1)), color);
    painter_.restore();
}

void Player::FillRegion(const Region &region, const Brush &brush)
{
    if (region.rects.empty() || !UseLogical())
        return;
    QPainterPath path;
    for (const QRect &rect : region.rects)
        path.addRect(QRectF(rect.left(), rect.top(), rect.width(), rect.height()));
    painter_.fillPath(path, QtBrush(brush));
}

} // namespace wmf
