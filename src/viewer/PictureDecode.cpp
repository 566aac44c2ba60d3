#include "viewer/PictureDecode.h"

#include "document/FileIo.h"
#include "platform/EmfHeader.h"
#include "platform/Himetric.h"
#include "platform/PictureDecoder.h"
#include "platform/RasterPicture.h"
#include "platform/WmfPicture.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>

namespace {

QImage ToDrawingFormat(QImage image)
{
    // RGB32 draws fastest; alpha is kept premultiplied (icons, cursors, GIF
    // transparency) so that drawing over the background needs no conversion.
    if (image.hasAlphaChannel())
        return image.format() == QImage::Format_ARGB32_Premultiplied
                   ? image
                   : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

PagePicturePtr DecodeVector(const QByteArray &bytes, const DecodeRequest &request)
{
    DecodedPicturePtr decoded = DecodePicture(bytes, request.dpi);
    if (!decoded)
        return nullptr;
    auto picture = std::make_shared<PagePicture>();
    // A degenerate metafile may come out empty on one side; one pixel keeps
    // the view's arithmetic finite.
    picture->pixelSize = HimetricToPixels(decoded->NaturalSizeHimetric(), request.dpi).expandedTo(QSize(1, 1));
    picture->vector = std::move(decoded);
    return picture;
}

// A JPEG decoded no larger than the view will show it: the codec scales by
// 1/2, 1/4 or 1/8 while decoding, for a fraction of the work, but only at
// exactly those sizes (any other is a full decode plus a rescale, slower
// than the full decode alone). Nothing when the bytes are not a JPEG.
std::optional<QImage> DecodeJpegForView(const QByteArray &bytes, const DecodeRequest &request, QSize &fullSize)
{
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return std::nullopt;
    QImageReader reader(&buffer);
    if (reader.format() != "jpeg")
        return std::nullopt;
    reader.setAllocationLimit(kRasterAllocationLimitMb);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid() && !stored.isEmpty() && !request.fullResolution) {
        // An EXIF rotation by a quarter turn swaps the sides; the codec
        // scales the stored picture. Both sides are checked alike, so the
        // reduction is the same either way round.
        const bool quarterTurn = reader.transformation() & QImageIOHandler::TransformationRotate90;
        const QSize shown = quarterTurn ? stored.transposed() : stored;
        const int reduction = ReductionFor(shown, ExpectedDisplaySize(request.layout, shown));
        if (reduction > 1)
            reader.setScaledSize(ReducedSize(stored, reduction));
        fullSize = shown;
    }
    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return QImage();
    if (!fullSize.isValid() || fullSize.isEmpty())
        fullSize = image.size();
    return image;
}

} // namespace

QSize ExpectedDisplaySize(const CZoomScrollImpl &layout, QSize pixelSize)
{
    CZoomScrollImpl probe = layout;
    probe.SetZoomBoxWriter(nullptr);
    probe.PictureLoaded({pixelSize.width(), pixelSize.height()});
    probe.ZoomKeepingCentre(probe.LayoutPicture());
    const PictureRect r = probe.PictureRectInWindow();
    return QSize(std::max(0, r.right - r.left), std::max(0, r.bottom - r.top));
}

QSize ReducedSize(QSize fullSize, int reduction)
{
    return QSize((fullSize.width() + reduction - 1) / reduction, (fullSize.height() + reduction - 1) / reduction);
}

int ReductionFor(QSize fullSize, QSize displaySize)
{
    for (int reduction : {8, 4, 2}) {
        const QSize reduced = ReducedSize(fullSize, reduction);
        if (reduced.width() >= displaySize.width() && reduced.height() >= displaySize.height())
            return reduction;
    }
    return 1;
}

bool ResolutionSuffices(const PagePicture &picture, QSize displaySize)
{
    if (picture.IsVector() || !picture.IsReduced())
        return true;
    return picture.raster.width() >= displaySize.width() && picture.raster.height() >= displaySize.height();
}

PagePicturePtr DecodePagePicture(const DecodeRequest &request)
{
    if (request.path.isEmpty())
        return nullptr;
    const std::optional<QByteArray> bytes = ReadRegularFile(request.path);
    if (!bytes)
        return nullptr;
    return DecodePagePictureBytes(*bytes, request);
}

PagePicturePtr DecodePagePictureBytes(const QByteArray &bytes, const DecodeRequest &request)
{
    if (bytes.isEmpty())
        return nullptr;
    if (LooksLikeEmf(bytes) || LooksLikeWmf(bytes))
        return DecodeVector(bytes, request);

    // Everything but a JPEG is decoded whole, exactly as the picture holder
    // decodes it (largest icon entry, first animation frame, orientation).
    QSize fullSize;
    std::optional<QImage> decoded = DecodeJpegForView(bytes, request, fullSize);
    if (!decoded) {
        decoded = DecodeRasterImage(bytes);
        fullSize = decoded->size();
    }
    if (decoded->isNull())
        return nullptr;

    auto picture = std::make_shared<PagePicture>();
    picture->pixelSize = fullSize;
    picture->raster = ToDrawingFormat(std::move(*decoded));
    const QSize displaySize = ExpectedDisplaySize(request.layout, fullSize);
    if (displaySize == picture->raster.size())
        picture->displayCopy = picture->raster;
    else if (!displaySize.isEmpty() && displaySize.width() <= picture->raster.width()
             && displaySize.height() <= picture->raster.height())
        picture->displayCopy = picture->raster.scaled(displaySize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}
