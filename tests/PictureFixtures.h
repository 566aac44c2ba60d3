#pragma once

// Picture files made on the spot for the tests: Qt writes most formats; GIF
// (which Qt only reads), multi-entry icons and odd bitmaps are put together
// byte by byte here.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QImageWriter>
#include <QList>
#include <QPainter>
#include <QtEndian>

namespace fixtures {

inline QByteArray Encode(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image))
        return {};
    return bytes;
}

// Left half one colour, right half another: a stretch shows where each lands.
inline QImage TwoHalves(int width, int height, QColor left = Qt::red, QColor right = Qt::blue)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, width / 2, height, left);
    p.fillRect(width / 2, 0, width - width / 2, height, right);
    return image;
}

inline QImage Solid(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

// Two by two pixels, given row by row: an enlargement shows whether it
// blends them or repeats them.
inline QImage TwoByTwo(QRgb topLeft, QRgb topRight, QRgb bottomLeft, QRgb bottomRight)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, topLeft);
    image.setPixel(1, 0, topRight);
    image.setPixel(0, 1, bottomLeft);
    image.setPixel(1, 1, bottomRight);
    return image;
}

inline void PutLe16(QByteArray &b, int offset, int v) { qToLittleEndian<quint16>(quint16(v), b.data() + offset); }
inline void PutLe32(QByteArray &b, int offset, qint32 v) { qToLittleEndian<qint32>(v, b.data() + offset); }
inline qint32 Le32(const QByteArray &b, int offset) { return qFromLittleEndian<qint32>(b.constData() + offset); }

// The CRC-32 of PNG chunks and gzip files.
inline quint32 Crc32(const QByteArray &bytes)
{
    quint32 crc = 0xffffffffu;
    for (const char c : bytes) {
        crc ^= quint8(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// Several single-entry icons (as Qt writes them) joined into one file with a
// directory of several entries, in the given order.
inline QByteArray JoinIcons(const QList<QByteArray> &icons, int type = 1)
{
    const int count = int(icons.size());
    QByteArray header(6 + 16 * count, '\0');
    PutLe16(header, 0, 0);
    PutLe16(header, 2, type);
    PutLe16(header, 4, count);
    QByteArray data;
    for (int i = 0; i < count; ++i) {
        const QByteArray &icon = icons[i];
        const QByteArray entry = icon.mid(6, 16);
        const int size = Le32(icon, 6 + 8);
        const int offset = Le32(icon, 6 + 12);
        header.replace(6 + 16 * i, 16, entry);
        PutLe32(header, 6 + 16 * i + 12, 6 + 16 * count + int(data.size()));
        data += icon.mid(offset, size);
    }
    return header + data;
}

// A bottom-up bitmap as Qt writes it turned into its top-down form: negative height
// and the rows in the other order. Same picture, other layout.
inline QByteArray TopDownBmp(const QImage &image)
{
    QByteArray bmp = Encode(image.convertToFormat(QImage::Format_RGB32), "bmp");
    const int dataOffset = Le32(bmp, 10);
    const int height = Le32(bmp, 22);
    const int bitsPerPixel = qFromLittleEndian<quint16>(bmp.constData() + 28);
    const int stride = (image.width() * bitsPerPixel + 31) / 32 * 4;
    QByteArray rows = bmp.mid(dataOffset, qsizetype(stride) * height);
    QByteArray flipped;
    for (int y = height - 1; y >= 0; --y)
        flipped += rows.mid(qsizetype(y) * stride, stride);
    bmp.replace(dataOffset, flipped.size(), flipped);
    PutLe32(bmp, 22, -height);
    return bmp;
}

// A bitmap header of a 32-bit picture of the given size followed by only
// pixelBytes of pixels (the whole picture when -1).
inline QByteArray BmpClaiming(qint32 width, qint32 height, qint64 pixelBytes = 0)
{
    const qint64 full = qint64(width) * qAbs(qint64(height)) * 4;
    const qint64 present = pixelBytes < 0 ? full : pixelBytes;
    QByteArray b(54 + present, '\0');
    b[0] = 'B';
    b[1] = 'M';
    PutLe32(b, 2, qint32(qMin<qint64>(54 + full, 0x7fffffff)));
    PutLe32(b, 10, 54);
    PutLe32(b, 14, 40);
    PutLe32(b, 18, width);
    PutLe32(b, 22, height);
    PutLe16(b, 26, 1);
    PutLe16(b, 28, 32);
    return b;
}

// A GIF of solid frames, one colour each, written without compression (a
// clear code before every second pixel keeps the codes 3 bits wide).
inline QByteArray SolidGif(int width, int height, const QList<QColor> &frames)
{
    QByteArray g("GIF89a");
    auto le16 = [&g](int v) {
        g += char(v & 0xff);
        g += char((v >> 8) & 0xff);
    };
    le16(width);
    le16(height);
    g += char(0x80 | 0x01); // global table of 4 colours
    g += char(0);
    g += char(0);
    for (int i = 0; i < 4; ++i) {
        const QColor c = i < frames.size() ? frames[i] : QColor(Qt::black);
        g += char(c.red());
        g += char(c.green());
        g += char(c.blue());
    }
    for (int f = 0; f < frames.size(); ++f) {
        g += QByteArray::fromHex("21f904") + char(0x04) + QByteArray::fromHex("0a00") + char(0) + char(0);
        g += char(0x2c);
        le16(0);
        le16(0);
        le16(width);
        le16(height);
        g += char(0);
        g += char(2); // minimum code size
        QByteArray data;
        quint32 acc = 0;
        int bits = 0;
        auto put = [&](int code) {
            acc |= quint32(code) << bits;
            bits += 3;
            while (bits >= 8) {
                data += char(acc & 0xff);
                acc >>= 8;
                bits -= 8;
            }
        };
        const int pixels = width * height;
        for (int i = 0; i < pixels; ++i) {
            if (i % 2 == 0)
                put(4); // clear
            put(f);
        }
        put(5); // end
        if (bits > 0)
            data += char(acc & 0xff);
        for (qsizetype i = 0; i < data.size(); i += 255) {
            const QByteArray block = data.mid(i, 255);
            g += char(block.size());
            g += block;
        }
        g += char(0);
    }
    g += char(0x3b);
    return g;
}

} // namespace fixtures
