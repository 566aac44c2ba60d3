#pragma once

#include "formats/DecodedPicture.h"

#include <QImage>

// Decoded pixels are limited to this many megabytes. Qt's own default
// (128 MB) refuses a 6000 × 6000 32-bit bitmap, which a picture book must
// show; 1 GiB still admits a 16384 × 16384 picture and refuses a header that
// merely claims more.
inline constexpr int kRasterAllocationLimitMb = 1024;

// A raster picture: its pixels and its natural size for the resolution it was
// decoded for.
class RasterPicture final : public DecodedPicture {
public:
    RasterPicture(QImage image, QSize dpi);

    QSize NaturalSizeHimetric() const override { return himetric_; }
    void Render(QPainter &painter, const QRectF &target) const override;

    const QImage &Image() const { return image_; }

private:
    QImage image_;
    QSize himetric_;
};

// Every format the installed Qt image plugins read (BMP, JPEG, GIF, PNG,
// ICO, CUR, TIFF, WebP, ...), EXIF orientation applied, the first frame of an
// animation and the largest entry of an icon or cursor. The natural size is
// the pixel size at dpi. Null for bytes no plugin decodes.
DecodedPicturePtr DecodeRasterPicture(const QByteArray &bytes, QSize dpi);

// The same, up to the decoded image (null image on failure).
QImage DecodeRasterImage(const QByteArray &bytes);
