#include "formats/raster/RasterPicture.h"

#include "formats/Himetric.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>

namespace {
// Icons and cursors keep several entries; Qt reads entry 0, which is usually
// the smallest. The directory sizes are cheap to ask for, so the largest
// entry is found without decoding the others.
int LargestEntry(QImageReader &reader)
{
    const int count = reader.imageCount();
    int best = 0;
    qint64 bestArea = -1;
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i))
            break;
        const QSize size = reader.size();
        const qint64 area = qint64(qAbs(size.width())) * qAbs(size.height());
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    return best;
}

bool IsIconFormat(const QByteArray &format) { return format == "ico" || format == "cur"; }
} // namespace

RasterPicture::RasterPicture(QImage image, QSize dpi)
    : image_(std::move(image)), himetric_(PixelsToHimetric(image_.size(), dpi))
{
}

void RasterPicture::Render(QPainter &painter, const QRectF &target) const
{
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter.drawImage(target, image_);
    painter.restore();
}

QImage DecodeRasterImage(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return {};
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kRasterAllocationLimitMb);
    // The size is taken from the decoded image, after orientation: the
    // reader's size() is unrotated for EXIF-rotated JPEGs and negative for
    // top-down bitmaps.
    reader.setAutoTransform(true);
    const QByteArray format = reader.format();
    // Compressed SVG inflates without a bound before the size is known.
    if (format.isEmpty() || format == "svgz")
        return {};
    if (IsIconFormat(format)) {
        const int entry = LargestEntry(reader);
        if (!reader.jumpToImage(entry))
            return {};
    }
    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return {};
    return image;
}

DecodedPicturePtr DecodeRasterPicture(const QByteArray &bytes, QSize dpi)
{
    QImage image = DecodeRasterImage(bytes);
    if (image.isNull())
        return nullptr;
    return std::make_unique<RasterPicture>(std::move(image), dpi);
}
