#include "platform/RtfPicture.h"

#include "platform/WmfPicture.h"

#include <QPainter>
#include <QtEndian>

#include <algorithm>
#include <cmath>

namespace {
// A device-independent bitmap in RTF lacks the 14-byte file header that
// Qt's BMP reader wants; the header's only real content is the offset of
// the pixel rows, which follows from the info header and the palette.
QImage DecodeDib(const QByteArray &dib)
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
    QByteArray file(14, '\0');
    const quint64 total = 14ull + quint64(dib.size());
    if (total > 0xffffffffull)
        return {};
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(total), file.data() + 2);
    qToLittleEndian<quint32>(14 + headerSize + paletteBytes, file.data() + 10);
    file += dib;
    return QImage::fromData(file, "BMP");
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
    case 1: format = QImage::Format_Mono; minStride = (w + 7) / 8; break;
    case 24: format = QImage::Format_BGR888; minStride = w * 3; break;
    case 32: format = QImage::Format_RGB32; minStride = w * 4; break;
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

QImage RenderWmf(const RtfPictureData &pict)
{
    const DecodedPicturePtr wmf = DecodeWmfPicture(pict.bytes);
    if (!wmf)
        return {};
    const QSize size = RtfPictureDisplaySize(pict, MetafileNaturalPixels(pict));
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    wmf->Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
} // namespace

QImage DecodeRtfPicture(const RtfPictureData &picture)
{
    switch (picture.kind) {
    case RtfPictureData::Kind::Png: return QImage::fromData(picture.bytes, "PNG");
    case RtfPictureData::Kind::Jpeg: return QImage::fromData(picture.bytes, "JPEG");
    case RtfPictureData::Kind::Dib: return DecodeDib(picture.bytes);
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
