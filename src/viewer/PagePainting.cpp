#include "viewer/PagePainting.h"

#include <QPainter>

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
