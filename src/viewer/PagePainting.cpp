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
