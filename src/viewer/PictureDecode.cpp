#include "viewer/PictureDecode.h"

#include "document/FileIo.h"
#include "platform/WmfPicture.h"
#include "viewer/SaturatingMath.h"

#include <QBuffer>
#include <QImageReader>

#include <cmath>

namespace {

// A page picture bigger than this is not decoded: 24 megapixels are common,
// a quarter of a gigapixel is not a photograph a book holds.
constexpr qint64 kMaxDecodedPixels = 256ll * 1024 * 1024 / 4;

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
    DecodedPicturePtr decoded = DecodeWmfPicture(bytes);
    if (!decoded)
        return nullptr;
    auto picture = std::make_shared<PagePicture>();
    picture->pixelSize = HimetricToPixels(decoded->NaturalSizeHimetric(), request.dpiX, request.dpiY);
    picture->vector = std::move(decoded);
    return picture;
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

QSize HimetricToPixels(QSize himetric, double dpiX, double dpiY)
{
    const auto convert = [](int units, double dpi) { return TruncToInt(std::round(dpi * double(units) / 2540.0)); };
    QSize pixels(convert(himetric.width(), dpiX), convert(himetric.height(), dpiY));
    // A degenerate metafile may come out empty on one side; one pixel keeps
    // the view's arithmetic finite.
    return pixels.expandedTo(QSize(1, 1));
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
    if (LooksLikeWmf(bytes))
        return DecodeVector(bytes, request);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    QSize fullSize = reader.size();
    if (fullSize.isValid() && qint64(fullSize.width()) * fullSize.height() > kMaxDecodedPixels)
        return nullptr;
    // Only the JPEG codec decodes a reduced picture for less than a full
    // decode, and only at exactly 1/2^n: any other size is a full decode
    // plus a rescale, slower than the full decode alone.
    if (fullSize.isValid() && !fullSize.isEmpty() && !request.fullResolution && reader.format() == "jpeg") {
        const int reduction = ReductionFor(fullSize, ExpectedDisplaySize(request.layout, fullSize));
        if (reduction > 1)
            reader.setScaledSize(ReducedSize(fullSize, reduction));
    }
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return nullptr;
    // Some codecs know the size only once they have decoded.
    if (!fullSize.isValid() || fullSize.isEmpty())
        fullSize = image.size();
    const QSize displaySize = ExpectedDisplaySize(request.layout, fullSize);

    auto picture = std::make_shared<PagePicture>();
    picture->pixelSize = fullSize;
    picture->raster = ToDrawingFormat(std::move(image));
    if (displaySize == picture->raster.size())
        picture->displayCopy = picture->raster;
    else if (!displaySize.isEmpty() && displaySize.width() <= picture->raster.width()
             && displaySize.height() <= picture->raster.height())
        picture->displayCopy = picture->raster.scaled(displaySize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}
