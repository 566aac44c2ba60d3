#include "viewer/PagePainting.h"

#include <QPainter>

namespace {

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
    if (target.width() <= raster.width() && target.height() <= raster.height()) {
        const QImage *copy = &scaledCopy;
        if (page.displayCopy.size() == target.size())
            copy = &page.displayCopy;
        else if (scaledCopy.size() != target.size())
            scaledCopy = raster.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        painter.drawImage(visible.topLeft(), *copy, visible.translated(-target.topLeft()));
        return;
    }
    painter.save();
    painter.setClipRect(visible, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(target), raster);
    painter.restore();
}
