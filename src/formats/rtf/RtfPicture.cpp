#include "formats/rtf/RtfPicture.h"

#include "formats/wmf/WmfPicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {
// A device-independent bitmap in RTF lacks the 14-byte file header that
// Qt's BMP reader wants; the header's only real content is the offset of
// the pixel rows, which follows from the info header and the palette.
QByteArray BmpFileFromDib(const QByteArray &dib)
{
    if (dib.size() < 16)
        return {};
    const auto *p = reinterpret_cast<const uchar *>(dib.constData());
    const quint32 headerSize = qFromLittleEndian<quint32>(p);
    if (headerSize < 12 || headerSize > quint32(dib.size()))
        return {};
    quint32 paletteBytes = 0;
    if (headerSize == 12) {
        const quint16 bits = qFromLittleEndian<quint16>(p + 10);
        if (bits <= 8)
            paletteBytes = 3u << bits;
    } else if (headerSize >= 40 && dib.size() >= 40) {
        const quint16 bits = qFromLittleEndian<quint16>(p + 14);
        const quint32 compression = qFromLittleEndian<quint32>(p + 16);
        const quint32 used = qFromLittleEndian<quint32>(p + 32);
        const quint32 colours = used != 0 ? std::min<quint32>(used, 256) : (bits <= 8 ? 1u << bits : 0);
        paletteBytes = colours * 4;
        if (headerSize == 40 && (compression == 3 || compression == 6))
            paletteBytes += compression == 3 ? 12 : 16; // colour masks
    } else {
        return {};
    }
    const quint64 total = 14ull + quint64(dib.size());
    if (total > 0xffffffffull)
        return {};
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(total), file.data() + 2);
    qToLittleEndian<quint32>(14 + headerSize + paletteBytes, file.data() + 10);
    file += dib;
    return file;
}

// The file Qt's image readers take for a bitmap blip, with its format.
bool EncodedBitmap(const RtfPictureData &pict, QByteArray &file, const char *&format)
{
    switch (pict.kind) {
    case RtfPictureData::Kind::Png:
        file = pict.bytes;
        format = "PNG";
        return true;
    case RtfPictureData::Kind::Jpeg:
        file = pict.bytes;
        format = "JPEG";
        return true;
    case RtfPictureData::Kind::Dib:
        file = BmpFileFromDib(pict.bytes);
        format = "BMP";
        return !file.isEmpty();
    default: return false;
    }
}

QSize EncodedBitmapSize(const QByteArray &file, const char *format)
{
    QBuffer buffer(const_cast<QByteArray *>(&file));
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    return reader.size();
}

// A device-dependent bitmap: bare rows, top row first, described only by
// the group's \picw, \pich, \wbmbitspixel and \wbmwidthbytes.
QImage DecodeDdb(const RtfPictureData &pict)
{
    const int w = pict.width, h = pict.height;
    if (w <= 0 || h <= 0 || w > kMaxRtfPictureSide || h > kMaxRtfPictureSide)
        return {};
    QImage::Format format;
    int minStride;
    switch (pict.ddbBitsPerPixel) {
    case 1:
        format = QImage::Format_Mono;
        minStride = (w + 7) / 8;
        break;
    case 24:
        format = QImage::Format_BGR888;
        minStride = w * 3;
        break;
    case 32:
        format = QImage::Format_RGB32;
        minStride = w * 4;
        break;
    default: return {};
    }
    const int stride = pict.ddbWidthBytes > 0 ? pict.ddbWidthBytes : minStride;
    if (stride < minStride || qint64(stride) * h > pict.bytes.size())
        return {};
    QImage image(w, h, format);
    if (image.isNull())
        return {};
    if (format == QImage::Format_Mono) {
        image.setColorCount(2);
        image.setColor(0, qRgb(0, 0, 0));
        image.setColor(1, qRgb(255, 255, 255));
    }
    for (int y = 0; y < h; ++y)
        std::copy_n(pict.bytes.constData() + qint64(stride) * y, minStride, image.scanLine(y));
    return image.convertToFormat(QImage::Format_RGB32);
}

QSize MetafileNaturalPixels(const RtfPictureData &pict)
{
    // \picw and \pich of a metafile are HIMETRIC (0.01 mm).
    return QSize(int(std::lround(std::clamp(pict.width, 0, 1 << 24) * 96.0 / 2540.0)),
                 int(std::lround(std::clamp(pict.height, 0, 1 << 24) * 96.0 / 2540.0)));
}

QSize MetafileRenderSize(const RtfPictureData &pict)
{
    const QSize shown = RtfPictureDisplaySize(pict, MetafileNaturalPixels(pict));
    return shown.scaled(shown.boundedTo(QSize(kMaxRenderedMetafileSide, kMaxRenderedMetafileSide)), Qt::KeepAspectRatio)
        .expandedTo(QSize(1, 1));
}

QImage RenderWmf(const RtfPictureData &pict)
{
    const DecodedPicturePtr wmf = DecodeWmfPicture(pict.bytes);
    if (!wmf)
        return {};
    const QSize size = MetafileRenderSize(pict);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    wmf->Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
} // namespace

qint64 RtfPictureDecodedBytes(const RtfPictureData &picture)
{
    QByteArray file;
    const char *format = nullptr;
    if (EncodedBitmap(picture, file, format)) {
        const QSize size = EncodedBitmapSize(file, format);
        return size.isValid() && !size.isEmpty() ? qint64(size.width()) * size.height() * 4 : -1;
    }
    switch (picture.kind) {
    case RtfPictureData::Kind::Ddb:
        if (picture.width <= 0 || picture.height <= 0 || picture.width > kMaxRtfPictureSide
            || picture.height > kMaxRtfPictureSide)
            return -1;
        return qint64(picture.width) * picture.height * 4;
    case RtfPictureData::Kind::Wmf: {
        const QSize size = MetafileRenderSize(picture);
        return qint64(size.width()) * size.height() * 4;
    }
    default: return -1;
    }
}

QSize RtfPictureNaturalPixels(const RtfPictureData &picture, QSize decoded)
{
    if (picture.kind == RtfPictureData::Kind::Wmf || picture.kind == RtfPictureData::Kind::Emf)
        return MetafileNaturalPixels(picture);
    if (decoded.isValid() && !decoded.isEmpty())
        return decoded;
    return QSize(std::clamp(picture.width, 0, kMaxRtfPictureSide), std::clamp(picture.height, 0, kMaxRtfPictureSide));
}

QImage DecodeRtfPicture(const RtfPictureData &picture)
{
    QByteArray file;
    const char *format = nullptr;
    if (EncodedBitmap(picture, file, format))
        return QImage::fromData(file, format);
    switch (picture.kind) {
    case RtfPictureData::Kind::Png:
    case RtfPictureData::Kind::Jpeg:
    case RtfPictureData::Kind::Dib: return {};
    case RtfPictureData::Kind::Ddb: return DecodeDdb(picture);
    case RtfPictureData::Kind::Wmf: return RenderWmf(picture);
    case RtfPictureData::Kind::Emf: return {};
    case RtfPictureData::Kind::Unknown: break;
    }
    return {};
}

QSize RtfPictureDisplaySize(const RtfPictureData &picture, QSize naturalPixels)
{
    double w = picture.goalWidth > 0 ? picture.goalWidth / kTwipsPerPixel : naturalPixels.width();
    double h = picture.goalHeight > 0 ? picture.goalHeight / kTwipsPerPixel : naturalPixels.height();
    if (picture.scaleX > 0)
        w = w * std::min(picture.scaleX, 100000) / 100.0;
    if (picture.scaleY > 0)
        h = h * std::min(picture.scaleY, 100000) / 100.0;
    w = std::max(w, 1.0);
    h = std::max(h, 1.0);
    const double shrink = std::min(1.0, kMaxRtfPictureSide / std::max(w, h));
    return QSize(std::max(1, int(std::lround(w * shrink))), std::max(1, int(std::lround(h * shrink))));
}
