#include "editor/StarStrip.h"

#include <QPainter>
#include <QSvgRenderer>

namespace {
QImage RenderCell(const QString &resource)
{
    QImage cell(kStripCellSize, kStripCellSize, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&cell);
        renderer.render(&painter, QRectF(0, 0, kStripCellSize, kStripCellSize));
    }
    return cell;
}
} // namespace

ImageStrip MakeFormImageStrip()
{
    ImageStrip strip;
    for (int i = 0; i < kStripCellCount; ++i) {
        QImage empty(kStripCellSize, kStripCellSize, QImage::Format_ARGB32_Premultiplied);
        empty.fill(Qt::transparent);
        strip.append(empty);
    }
    strip[kLitStarCell] = RenderCell(QStringLiteral(":/editor/star-lit.svg"));
    strip[kUnlitStarCell] = RenderCell(QStringLiteral(":/editor/star-unlit.svg"));
    return strip;
}
