#include "editor/CoverCodec.h"

#include "document/Base64Text.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace {
constexpr quint16 kWrittenBitsPerPixel = 32;

void AppendLe32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian<quint32>(value, bytes);
    out.append(bytes, 4);
}

void AppendLe16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian<quint16>(value, bytes);
    out.append(bytes, 2);
}

struct CoverDescription {
    qint32 width = 0;
    qint32 height = 0;
    qint32 rowBytes = 0;
    quint16 planes = 0;
    quint16 bitsPerPixel = 0;
};

CoverDescription ReadDescription(const char *p)
{
    CoverDescription d;
    d.width = qFromLittleEndian<qint32>(p + 4);
    d.height = qFromLittleEndian<qint32>(p + 8);
    d.rowBytes = qFromLittleEndian<qint32>(p + 12);
    d.planes = qFromLittleEndian<quint16>(p + 16);
    d.bitsPerPixel = qFromLittleEndian<quint16>(p + 18);
    return d;
}

bool IsReadableDepth(quint16 bits) { return bits == 1 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

bool IsSound(const CoverDescription &d)
{
    if (d.width <= 0 || d.height <= 0 || d.planes == 0 || d.bitsPerPixel == 0)
        return false;
    if (d.width > kMaxCoverSide || d.height > kMaxCoverSide || !IsReadableDepth(d.bitsPerPixel))
        return false;
    const qint64 needed = (static_cast<qint64>(d.width) * d.bitsPerPixel + 7) / 8;
    return d.rowBytes >= needed && d.rowBytes <= kMaxCoverRowBytes;
}

quint8 Expand5(unsigned v) { return static_cast<quint8>((v << 3) | (v >> 2)); }
quint8 Expand6(unsigned v) { return static_cast<quint8>((v << 2) | (v >> 4)); }

// One row of the stored depth into display pixels; `row` holds the whole
// row, zero-filled where the text ran out.
void ConvertRow(const quint8 *row, int width, quint16 bits, QRgb *out)
{
    switch (bits) {
    case 32:
        for (int x = 0; x < width; ++x, row += 4)
            out[x] = qRgb(row[2], row[1], row[0]);
        break;
    case 24:
        for (int x = 0; x < width; ++x, row += 3)
            out[x] = qRgb(row[2], row[1], row[0]);
        break;
    case 16:
        for (int x = 0; x < width; ++x, row += 2) {
            const unsigned w = qFromLittleEndian<quint16>(row);
            out[x] = qRgb(Expand5((w >> 11) & 0x1f), Expand6((w >> 5) & 0x3f), Expand5(w & 0x1f));
        }
        break;
    case 8:
        for (int x = 0; x < width; ++x)
            out[x] = qRgb(row[x], row[x], row[x]);
        break;
    case 1:
        // A monochrome bitmap: set bits are white, leftmost pixel in the
        // most significant bit.
        for (int x = 0; x < width; ++x)
            out[x] = (row[x / 8] >> (7 - x % 8)) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
        break;
    default: break;
    }
}
} // namespace

QByteArray CoverBytesFromBitmap(const QImage &bitmap)
{
    if (bitmap.isNull())
        return {};
    const QImage image =
        bitmap.format() == QImage::Format_RGB32 ? bitmap : bitmap.convertToFormat(QImage::Format_RGB32);
    const qint32 width = image.width();
    const qint32 height = image.height();
    const qint32 rowBytes = width * 4;
    QByteArray out;
    out.reserve(kCoverHeaderBytes + static_cast<qsizetype>(rowBytes) * height);
    AppendLe32(out, 0);
    AppendLe32(out, static_cast<quint32>(width));
    AppendLe32(out, static_cast<quint32>(height));
    AppendLe32(out, static_cast<quint32>(rowBytes));
    AppendLe16(out, 1);
    AppendLe16(out, kWrittenBitsPerPixel);
    AppendLe32(out, 0);
    const qsizetype start = out.size();
    out.resize(start + static_cast<qsizetype>(rowBytes) * height);
    auto *dst = reinterpret_cast<quint8 *>(out.data() + start);
    for (int y = 0; y < height; ++y) {
        const auto *src = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            *dst++ = static_cast<quint8>(qBlue(src[x]));
            *dst++ = static_cast<quint8>(qGreen(src[x]));
            *dst++ = static_cast<quint8>(qRed(src[x]));
            // The fourth byte carries no colour; zero keeps the text stable.
            *dst++ = 0;
        }
    }
    return out;
}

std::optional<QImage> CoverBitmapFromBytes(const QByteArray &bytes)
{
    if (bytes.size() < kCoverHeaderBytes)
        return std::nullopt;
    const CoverDescription d = ReadDescription(bytes.constData());
    if (!IsSound(d))
        return std::nullopt;
    QImage image(d.width, d.height, QImage::Format_RGB32);
    if (image.isNull())
        return std::nullopt;
    const qsizetype available = bytes.size() - kCoverHeaderBytes;
    const auto *rows = reinterpret_cast<const quint8 *>(bytes.constData() + kCoverHeaderBytes);
    QByteArray row(d.rowBytes, '\0');
    for (int y = 0; y < d.height; ++y) {
        const qsizetype offset = static_cast<qsizetype>(y) * d.rowBytes;
        const qsizetype present = std::clamp<qsizetype>(available - offset, 0, d.rowBytes);
        row.fill('\0');
        if (present > 0)
            std::memcpy(row.data(), rows + offset, static_cast<size_t>(present));
        ConvertRow(reinterpret_cast<const quint8 *>(row.constData()), d.width, d.bitsPerPixel,
                   reinterpret_cast<QRgb *>(image.scanLine(y)));
    }
    return image;
}

QString CoverTextFromBitmap(const QImage &bitmap)
{
    const QByteArray bytes = CoverBytesFromBitmap(bitmap);
    return bytes.isEmpty() ? QString() : EncodeBase64Text(bytes);
}

std::optional<QImage> CoverBitmapFromText(QStringView text) { return CoverBitmapFromBytes(DecodeBase64Text(text)); }
