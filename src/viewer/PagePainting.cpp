#include "viewer/PagePainting.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace {

// A rectangle of logical pixels in the device pixels it covers.
QRect ToDevicePixels(const QRect &r, qreal ratio)
{
    const int left = int(std::floor(r.left() * ratio));
    const int top = int(std::floor(r.top() * ratio));
    const int right = int(std::ceil((r.right() + 1) * ratio));
    const int bottom = int(std::ceil((r.bottom() + 1) * ratio));
    return QRect(left, top, right - left, bottom - top);
}

// Only the decoded part is drawn: the rest of the window keeps its
// background until the whole page is there, and never shows stale pixels.
void PaintDecodedPart(QPainter &painter, const PagePicture &page, const QRect &target, const QRect &visible)
{
    const QRect part = page.decodedPart;
    if (target.size() == page.pixelSize) {
        // At 100 % every decoded pixel lands on one window pixel.
        const QRect shown = part.translated(target.topLeft()).intersected(visible);
        painter.drawImage(shown.topLeft(), page.raster, shown.translated(-target.topLeft() - part.topLeft()));
        return;
    }
    const double sx = double(target.width()) / page.pixelSize.width();
    const double sy = double(target.height()) / page.pixelSize.height();
    const QRectF partTarget(target.left() + part.left() * sx, target.top() + part.top() * sy, part.width() * sx,
                            part.height() * sy);
    painter.save();
    painter.setClipRect(visible, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(partTarget, page.raster);
    painter.restore();
}

} // namespace

void PaintPagePicture(QPainter &painter, const PagePicture &page, const QRect &target, const QRect &visible,
                      QImage &scaledCopy)
{
    if (target.isEmpty() || visible.isEmpty())
        return;
    if (page.IsVector()) {
        painter.save();
        painter.setClipRect(visible, Qt::IntersectClip);
        painter.setRenderHint(QPainter::Antialiasing);
        page.vector->Render(painter, QRectF(target));
        painter.restore();
        return;
    }
    const QImage &raster = page.raster;
    if (page.IsPartial()) {
        if (page.backdrop) {
            QImage backdropCopy;
            PaintPagePicture(painter, *page.backdrop, target, visible, backdropCopy);
        }
        PaintDecodedPart(painter, page, target, visible);
        return;
    }
    // A high-density screen has more pixels than the layout's logical ones:
    // the copy is made at the screen's own pixels and put there one to one.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QRect device = ratio == 1 ? target : ToDevicePixels(target, ratio);
    if (device.width() <= raster.width() && device.height() <= raster.height()) {
        const QImage *copy = &scaledCopy;
        if (page.displayCopy.size() == device.size())
            copy = &page.displayCopy;
        else if (scaledCopy.size() != device.size())
            scaledCopy = raster.scaled(device.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (ratio == 1) {
            painter.drawImage(visible.topLeft(), *copy, visible.translated(-target.topLeft()));
            return;
        }
        const QRect part = ToDevicePixels(visible, ratio).intersected(device);
        painter.save();
        painter.scale(1 / ratio, 1 / ratio);
        painter.drawImage(part.topLeft(), *copy, part.translated(-device.topLeft()));
        painter.restore();
        return;
    }
    painter.save();
    painter.setClipRect(visible, Qt::IntersectClip);
    // A picture at its own size is enlarged only by the screen: each of its
    // pixels becomes a sharp block, as every other picture on that screen.
    if (target.size() != raster.size())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target), raster);
    painter.restore();
}
