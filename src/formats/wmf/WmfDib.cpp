#include "formats/wmf/WmfDib.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QtEndian>

namespace wmf {

namespace {
constexpr quint32 kCoreHeader = 12;
constexpr quint32 kInfoHeader = 40;
constexpr quint32 kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiJpeg = 4, kBiPng = 5;

template <typename T>
T Read(QByteArrayView b, qsizetype offset)
{
    return qFromLittleEndian<T>(b.data() + offset);
}

bool ValidBitCount(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }
} // namespace

Dib DecodeDib(QByteArrayView b, int colorUsage)
{
    Dib dib;
    if (colorUsage != 0 || b.size() < qsizetype(kCoreHeader))
        return dib;
    const quint32 headerSize = Read<quint32>(b, 0);
    qint64 width = 0, height = 0;
    int bits = 0;
    quint32 compression = kBiRgb;
    qint64 tableBytes = 0;
    if (headerSize == kCoreHeader) {
        width = Read<quint16>(b, 4);
        height = Read<quint16>(b, 6);
        bits = Read<quint16>(b, 10);
        if (bits <= 8)
            tableBytes = 3LL << bits;
    } else if (headerSize >= kInfoHeader && qint64(headerSize) <= b.size()) {
        width = Read<qint32>(b, 4);
        height = Read<qint32>(b, 8);
        bits = Read<quint16>(b, 14);
        compression = Read<quint32>(b, 16);
        const quint32 used = Read<quint32>(b, 32);
        if (bits == 0)
            tableBytes = 0; // an embedded JPEG or PNG carries its own colours
        else if (bits <= 8)
            tableBytes = 4LL * ((used > 0 && used < (1u << bits)) ? used : (1u << bits));
        else
            tableBytes = 4LL * qMin<quint32>(used, 256);
        if (compression == kBiBitfields && headerSize == kInfoHeader)
            tableBytes += 12;
    } else {
        return dib;
    }
    dib.bottomUp = height > 0;
    const qint64 rows = height < 0 ? -height : height;
    if (width <= 0 || rows <= 0 || width * rows > kMaxBitmapPixels)
        return dib;
    const qint64 offBits = qint64(headerSize) + tableBytes;
    if (offBits > b.size())
        return dib;

    if (compression == kBiJpeg || compression == kBiPng) {
        // The embedded file's own size decides, and is checked before any
        // pixel is decoded.
        const QByteArrayView file = b.sliced(offBits);
        const bool signature =
            compression == kBiJpeg ? file.startsWith("\xFF\xD8") : file.startsWith("\x89PNG\r\n\x1A\n");
        if (!signature)
            return dib;
        QByteArray data(file.data(), file.size());
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, compression == kBiJpeg ? "JPEG" : "PNG");
        const QSize size = reader.size();
        if (size.isValid() && qint64(size.width()) * size.height() <= kMaxBitmapPixels)
            dib.image = reader.read();
        dib.bottomUp = false;
        return dib;
    }
    if (!ValidBitCount(bits))
        return dib;
    if (compression == kBiRgb || compression == kBiBitfields) {
        // Uncompressed rows must all be there: this is what keeps a short
        // record from making the decoder allocate a huge empty picture.
        const qint64 stride = ((width * bits + 31) / 32) * 4;
        if (stride * rows > b.size() - offBits)
            return dib;
    } else if (compression != kBiRle8 && compression != kBiRle4) {
        return dib;
    }

    // Wrap it as a BMP file and let Qt's BMP reader do the pixel work.
    QByteArray file;
    file.reserve(14 + b.size());
    file.append("BM", 2);
    const quint32 fileSize = quint32(qMin<qint64>(14 + b.size(), 0xFFFFFFFF));
    char word[4];
    qToLittleEndian<quint32>(fileSize, word);
    file.append(word, 4);
    qToLittleEndian<quint32>(0, word);
    file.append(word, 4);
    qToLittleEndian<quint32>(quint32(14 + offBits), word);
    file.append(word, 4);
    file.append(b.data(), b.size());
    dib.image = QImage::fromData(file, "BMP");
    return dib;
}

QImage DecodeBitmap16(QByteArrayView b)
{
    // type, width, height, widthBytes (words), planes, bitsPixel (bytes)
    constexpr qsizetype kHead = 10;
    if (b.size() < kHead)
        return {};
    const qint64 width = Read<qint16>(b, 2);
    const qint64 height = Read<qint16>(b, 4);
    const qint64 widthBytes = Read<qint16>(b, 6);
    const int planes = uchar(b[8]);
    const int bits = uchar(b[9]);
    if (width <= 0 || height <= 0 || planes != 1 || width * height > kMaxBitmapPixels)
        return {};
    if ((bits != 1 && bits != 24 && bits != 32) || widthBytes < (width * bits + 7) / 8)
        return {};
    if (widthBytes * height > b.size() - kHead)
        return {};
    const uchar *data = reinterpret_cast<const uchar *>(b.data()) + kHead;
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (int y = 0; y < int(height); ++y) {
        const uchar *row = data + y * widthBytes;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < int(width); ++x) {
            if (bits == 1) {
                // A set bit is the background (white) in a monochrome bitmap.
                const bool set = row[x / 8] & (0x80 >> (x % 8));
                out[x] = set ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
            } else {
                const uchar *p = row + x * (bits / 8);
                out[x] = qRgb(p[2], p[1], p[0]);
            }
        }
    }
    return image;
}

} // namespace wmf
