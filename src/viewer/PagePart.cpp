#include "viewer/PagePart.h"

#include "formats/raster/JpegRegion.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>

namespace {

// Below this share of the picture's pixels in view, the part is decoded
// first; above it the whole decode costs little more.
constexpr double kWorthwhileShare = 0.5;

// The window's part when the page is shown (or request.shownPart).
QRect VisiblePart(const DecodeRequest &request, QSize size)
{
    if (request.shownPart.isValid())
        return request.shownPart.adjusted(-1, -1, 1, 1).intersected(QRect(QPoint(), size));
    ZoomScrollModel probe = request.layout;
    probe.PictureLoaded({size.width(), size.height()});
    probe.ZoomKeepingCentre(probe.LayoutPicture());
    return WindowPart(probe, size);
}

} // namespace

QRect WindowPart(const ZoomScrollModel &probe, QSize size)
{
    const PictureRect r = probe.PictureRectInWindow();
    const QRect target(r.left, r.top, r.right - r.left, r.bottom - r.top);
    const QRect window = target.intersected(QRect(0, 0, probe.ClientSize().cx, probe.ClientSize().cy));
    if (window.isEmpty())
        return {};
    const double sx = double(size.width()) / target.width();
    const double sy = double(size.height()) / target.height();
    const int left = int(std::floor((window.left() - target.left()) * sx)) - 1;
    const int top = int(std::floor((window.top() - target.top()) * sy)) - 1;
    const int right = int(std::ceil((window.right() + 1 - target.left()) * sx)) + 1;
    const int bottom = int(std::ceil((window.bottom() + 1 - target.top()) * sy)) + 1;
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).intersected(QRect(QPoint(), size));
}

namespace {

bool StoredAsShown(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    QImageReader reader(&buffer, "jpeg");
    return reader.transformation() == QImageIOHandler::TransformationNone;
}

} // namespace

std::optional<QRect> PartShownFirst(const QByteArray &bytes, const DecodeRequest &request)
{
    const QSize size = JpegRegionPictureSize(bytes);
    if (!size.isValid() || size.isEmpty())
        return std::nullopt;
    if (!request.fullResolution && ReductionFor(size, DisplaySizeFor(request, size)) > 1)
        return std::nullopt;
    const QRect part = VisiblePart(request, size);
    if (part.isEmpty() || double(part.width()) * part.height() > kWorthwhileShare * size.width() * size.height())
        return std::nullopt;
    if (!StoredAsShown(bytes))
        return std::nullopt;
    return part;
}

PagePicturePtr DecodePagePart(const QByteArray &bytes, const QRect &part)
{
    QImage pixels = DecodeJpegRegion(bytes, part);
    if (pixels.isNull())
        return nullptr;
    auto picture = std::make_shared<PagePicture>();
    picture->pixelSize = JpegRegionPictureSize(bytes);
    picture->decodedPart = part;
    picture->raster = std::move(pixels);
    return picture;
}
