#include "formats/wmf/WmfFrame.h"

#include "formats/wmf/WmfRecordTypes.h"

#include <cmath>

namespace wmf {

namespace {
int ToHimetric(qreal units, int unitsPerInch)
{
    const qreal value = std::round(std::abs(units) * kHimetricPerInch / unitsPerInch);
    return int(qBound<qreal>(1, value, 0x7FFFFFFF));
}

Frame MakeFrame(QRectF logical, int unitsPerInch)
{
    return Frame{logical, QSize(ToHimetric(logical.width(), unitsPerInch), ToHimetric(logical.height(), unitsPerInch))};
}
} // namespace

std::optional<Frame> PictureFrame(const File &file)
{
    const Header &h = file.header;
    if (h.placeable) {
        // QRect's right/bottom are inclusive; the header's are not.
        const qreal left = h.bounds.left(), top = h.bounds.top();
        const qreal width = qreal(h.bounds.right()) + 1 - left;
        const qreal height = qreal(h.bounds.bottom()) + 1 - top;
        if (width != 0 && height != 0) {
            const int perInch = h.unitsPerInch > 0 ? h.unitsPerInch : kPlainUnitsPerInch;
            return MakeFrame(QRectF(left, top, width, height), perInch);
        }
    }
    std::optional<QPointF> origin;
    for (const Record &r : file.records) {
        if (r.Function() == kSetWindowOrg && !origin && r.Has(2))
            origin = QPointF(r.S16(1), r.S16(0));
        if (r.Function() == kSetWindowExt && r.Has(2) && r.S16(0) != 0 && r.S16(1) != 0) {
            const QPointF at = origin.value_or(QPointF(0, 0));
            return MakeFrame(QRectF(at.x(), at.y(), r.S16(1), r.S16(0)), kPlainUnitsPerInch);
        }
    }
    return std::nullopt;
}

} // namespace wmf
