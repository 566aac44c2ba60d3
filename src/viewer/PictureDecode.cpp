#include "viewer/PictureDecode.h"

#include "document/FileIo.h"
#include "formats/Himetric.h"
#include "formats/PictureDecoder.h"
#include "formats/emf/EmfHeader.h"
#include "formats/raster/JpegRegion.h"
#include "formats/raster/RasterPicture.h"
#include "formats/wmf/WmfPicture.h"

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

bool IsIconFormat(const QByteArray &format) { return format == "ico" || format == "cur"; }

qint64 Area(QSize size) { return size.isValid() ? qint64(size.width()) * size.height() : 0; }

// The interlace byte of a PNG's header chunk, which comes first. An
// interlaced picture is only whole after its last pass, so it cannot be
// scaled row by row.
bool InterlacedPng(const QByteArray &bytes)
{
    return bytes.size() > 28 && bytes.mid(12, 4) == "IHDR" && bytes.at(28) != 0;
}

// How a raster picture is decoded for the view, from its header.
struct RasterPlan {
    QSize stored;              // as the file holds it, before any EXIF turn
    QSize shown;               // after the turn: the natural size
    QSize scaled;              // the size asked of the reader (stored orientation); invalid: every pixel
    bool codecReduces = false; // the codec makes the scaled size without holding every pixel
};

// Nothing for formats decoded whole by the picture holder's decoder (icons
// pick their largest entry) or when the header tells no size.
std::optional<RasterPlan> PlanRaster(QImageReader &reader, const QByteArray &bytes, const DecodeRequest &request)
{
    const QByteArray format = reader.format();
    if (format.isEmpty() || format == "svgz" || IsIconFormat(format))
        return std::nullopt;
    RasterPlan plan;
    plan.stored = reader.size();
    if (!plan.stored.isValid() || plan.stored.isEmpty())
        return std::nullopt;
    // An EXIF rotation by a quarter turn swaps the sides; the reader scales
    // the stored picture. Both sides are checked alike, so the reduction is
    // the same either way round.
    const bool quarterTurn = reader.transformation() & QImageIOHandler::TransformationRotate90;
    plan.shown = quarterTurn ? plan.stored.transposed() : plan.stored;
    // JPEG scales in the codec, PNG row by row as it reads; other codecs
    // make every pixel before the reader scales them.
    plan.codecReduces = format == "jpeg" || (format == "png" && !InterlacedPng(bytes));
    if (!request.fullResolution) {
        // A JPEG decodes at exactly 1/2, 1/4 or 1/8 in the codec, for a
        // fraction of the work (any other size is a full decode plus a
        // rescale). The same sizes serve the other codecs: they keep room
        // for a slightly larger window without a new decode.
        const int reduction = ReductionFor(plan.shown, DisplaySizeFor(request, plan.shown));
        if (reduction > 1)
            plan.scaled = ReducedSize(plan.stored, reduction);
    }
    return plan;
}

bool OpenReader(QBuffer &buffer, QImageReader &reader, const QByteArray &bytes)
{
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    reader.setDevice(&buffer);
    reader.setAllocationLimit(kRasterAllocationLimitMb);
    reader.setAutoTransform(true);
    return true;
}

// A raster decoded no larger than the view needs. Nothing when the picture
// holder's decoder must take it (see PlanRaster).
std::optional<QImage> DecodeRasterForView(const QByteArray &bytes, const DecodeRequest &request, QSize &fullSize,
                                          const std::atomic<bool> *cancelled)
{
    QBuffer buffer;
    QImageReader reader;
    if (!OpenReader(buffer, reader, bytes))
        return std::nullopt;
    const std::optional<RasterPlan> plan = PlanRaster(reader, bytes, request);
    if (!plan)
        return std::nullopt;
    if (plan->scaled.isValid())
        reader.setScaledSize(plan->scaled);
    fullSize = plan->shown;
    if (!plan->scaled.isValid() && reader.format() == "jpeg"
        && reader.transformation() == QImageIOHandler::TransformationNone) {
        // The same pixels through libjpeg itself, which lets a decode for a
        // page the reader has left stop at once.
        QImage whole = DecodeJpegRegion(bytes, QRect(QPoint(), plan->stored), cancelled);
        if (!whole.isNull() || (cancelled && cancelled->load()))
            return whole;
    }
    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return QImage();
    return image;
}

} // namespace

QSize ExpectedDisplaySize(const ZoomScrollModel &layout, QSize pixelSize)
{
    ZoomScrollModel probe = layout;
    probe.PictureLoaded({pixelSize.width(), pixelSize.height()});
    probe.ZoomKeepingCentre(probe.LayoutPicture());
    const PictureRect r = probe.PictureRectInWindow();
    return QSize(std::max(0, r.right - r.left), std::max(0, r.bottom - r.top));
}

QSize DisplaySizeFor(const DecodeRequest &request, QSize pixelSize)
{
    if (request.displaySize.isValid())
        return request.displaySize;
    // The layout counts logical pixels; a high-density screen shows more.
    const QSize logical = ExpectedDisplaySize(request.layout, pixelSize);
    if (request.devicePixelRatio == 1)
        return logical;
    return (QSizeF(logical) * request.devicePixelRatio).toSize();
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

std::optional<QByteArray> ReadPagePictureFile(const QString &path)
{
    if (path.isEmpty())
        return std::nullopt;
    std::optional<QByteArray> bytes = ReadRegularFile(path);
    if (!bytes || bytes->isEmpty())
        return std::nullopt;
    return bytes;
}

PagePicturePtr DecodePagePicture(const DecodeRequest &request)
{
    const std::optional<QByteArray> bytes = ReadPagePictureFile(request.path);
    if (!bytes)
        return nullptr;
    return DecodePagePictureBytes(*bytes, request);
}

QSize HeaderPixelSize(const QByteArray &bytes)
{
    if (LooksLikeEmf(bytes) || LooksLikeWmf(bytes))
        return {};
    QBuffer buffer;
    QImageReader reader;
    if (!OpenReader(buffer, reader, bytes))
        return {};
    DecodeRequest request;
    request.fullResolution = true;
    const std::optional<RasterPlan> plan = PlanRaster(reader, bytes, request);
    return plan ? plan->shown : QSize();
}

qint64 DecodePeakBytes(const QByteArray &bytes, const DecodeRequest &request)
{
    constexpr qint64 kBytesPerPixel = 4;
    // Metafiles keep their records or converted drawing, a few times the file.
    if (LooksLikeEmf(bytes) || LooksLikeWmf(bytes))
        return 4 * qint64(bytes.size());
    QBuffer buffer;
    QImageReader reader;
    if (!OpenReader(buffer, reader, bytes))
        return bytes.size();
    const std::optional<RasterPlan> plan = PlanRaster(reader, bytes, request);
    if (!plan)
        return bytes.size() + kBytesPerPixel * Area(reader.size());
    const QSize decoded = plan->scaled.isValid() ? plan->scaled : plan->stored;
    qint64 pixels = Area(decoded);
    // A codec that cannot reduce makes every pixel before they are scaled.
    if (plan->scaled.isValid() && !plan->codecReduces)
        pixels += Area(plan->stored);
    // The display copy is a picture of its own unless it is the decoded one.
    const QSize display = DisplaySizeFor(request, plan->shown);
    if (display != (plan->shown == plan->stored ? decoded : decoded.transposed()))
        pixels += Area(display);
    return bytes.size() + kBytesPerPixel * pixels;
}

PagePicturePtr DecodePagePictureBytes(const QByteArray &bytes, const DecodeRequest &request,
                                      const std::atomic<bool> *cancelled)
{
    if (bytes.isEmpty())
        return nullptr;
    if (LooksLikeEmf(bytes) || LooksLikeWmf(bytes))
        return DecodeVector(bytes, request);

    // Icons are decoded whole, exactly as the picture holder decodes them
    // (largest entry); the first animation frame and the orientation come
    // out of the reader alike either way.
    QSize fullSize;
    std::optional<QImage> decoded = DecodeRasterForView(bytes, request, fullSize, cancelled);
    if (!decoded) {
        decoded = DecodeRasterImage(bytes);
        fullSize = decoded->size();
    }
    if (decoded->isNull())
        return nullptr;

    auto picture = std::make_shared<PagePicture>();
    picture->pixelSize = fullSize;
    picture->raster = ToDrawingFormat(std::move(*decoded));
    const QSize displaySize = DisplaySizeFor(request, fullSize);
    if (displaySize == picture->raster.size())
        picture->displayCopy = picture->raster;
    else if (!displaySize.isEmpty() && displaySize.width() <= picture->raster.width()
             && displaySize.height() <= picture->raster.height())
        picture->displayCopy = picture->raster.scaled(displaySize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return picture;
}
