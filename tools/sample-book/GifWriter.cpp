#include "GifWriter.h"

#include <QImage>

#include <vector>

namespace {
class BitWriter {
public:
    void Write(unsigned code, int bits)
    {
        buffer_ |= code << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes_.append(char(buffer_ & 0xFF));
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    QByteArray Finish()
    {
        if (count_ > 0)
            bytes_.append(char(buffer_ & 0xFF));
        return bytes_;
    }

private:
    QByteArray bytes_;
    unsigned buffer_ = 0;
    int count_ = 0;
};

void Put16(QByteArray &b, int v) { b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); }

QByteArray Lzw(const QImage &indexed)
{
    constexpr int kMinCodeSize = 8;
    constexpr unsigned kClear = 1u << kMinCodeSize, kEnd = kClear + 1;
    // Child table: code -> next byte -> code (0 = none).
    std::vector<unsigned short> next(4096 * 256, 0);
    BitWriter out;
    int codeSize = kMinCodeSize + 1;
    unsigned maxCode = kEnd;
    out.Write(kClear, codeSize);
    int current = -1;
    for (int y = 0; y < indexed.height(); ++y) {
        const uchar *row = indexed.constScanLine(y);
        for (int x = 0; x < indexed.width(); ++x) {
            const uchar value = row[x];
            if (current < 0) {
                current = value;
                continue;
            }
            unsigned short &child = next[size_t(current) * 256 + value];
            if (child) {
                current = child;
                continue;
            }
            out.Write(unsigned(current), codeSize);
            child = static_cast<unsigned short>(++maxCode);
            if (maxCode >= (1u << codeSize))
                ++codeSize;
            if (maxCode == 4095) {
                out.Write(kClear, codeSize);
                std::fill(next.begin(), next.end(), 0);
                codeSize = kMinCodeSize + 1;
                maxCode = kEnd;
            }
            current = value;
        }
    }
    if (current >= 0)
        out.Write(unsigned(current), codeSize);
    out.Write(kEnd, codeSize);
    return out.Finish();
}
} // namespace

QByteArray EncodeGif(const QImage &image)
{
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither);
    QByteArray gif("GIF89a");
    Put16(gif, indexed.width());
    Put16(gif, indexed.height());
    gif.append(char(0xF7)).append('\0').append('\0'); // 256-entry global colour table
    const QList<QRgb> colours = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        const QRgb c = i < colours.size() ? colours[i] : 0;
        gif.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
    }
    gif.append(',');
    Put16(gif, 0);
    Put16(gif, 0);
    Put16(gif, indexed.width());
    Put16(gif, indexed.height());
    gif.append('\0');
    gif.append(char(8)); // minimum code size
    const QByteArray data = Lzw(indexed);
    for (qsizetype i = 0; i < data.size(); i += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - i);
        gif.append(char(n));
        gif.append(data.constData() + i, n);
    }
    gif.append('\0');
    gif.append(';');
    return gif;
}
