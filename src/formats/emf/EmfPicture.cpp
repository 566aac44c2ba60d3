#include "formats/emf/EmfPicture.h"

#include "formats/emf/EmfConversion.h"
#include "formats/emf/EmfHeader.h"

#include <QPainter>

EmfPicture::EmfPicture(std::unique_ptr<QSvgRenderer> renderer, QSize frameHimetric)
    : renderer_(std::move(renderer)), frame_(frameHimetric)
{
}

void EmfPicture::Render(QPainter &painter, const QRectF &target) const
{
    painter.save();
    // The converted drawing keeps what the metafile drew past its frame (a
    // background and outer lines reach some pixels beyond it); the page ends
    // at its rectangle, as a Windows metafile's does.
    painter.setClipRect(target, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    renderer_->render(&painter, target);
    painter.restore();
}

DecodedPicturePtr DecodeEmfPicture(const QByteArray &bytes)
{
    const std::optional<EmfHeader> header = ReadEmfHeader(bytes);
    if (!header)
        return nullptr;
    const std::optional<QByteArray> svg = ConvertEmfToSvg(bytes);
    if (!svg)
        return nullptr;
    auto renderer = std::make_unique<QSvgRenderer>(*svg);
    if (!renderer->isValid())
        return nullptr;
    // The SVG's own size is the device bounds; it is stretched over the
    // frame's rectangle wherever it is drawn.
    renderer->setAspectRatioMode(Qt::IgnoreAspectRatio);
    return std::make_unique<EmfPicture>(std::move(renderer), EmfFrameSize(*header));
}
