#pragma once

// Writes metafiles for the tests, record by record, so each test states the
// exact bytes the player gets; and plays them into pictures.

#include "Cases.h"
#include "TestImages.h"

#include "formats/wmf/WmfPicture.h"

#include <QPainter>

#include <initializer_list>

// Little-endian 16-bit words; negative values as two's complement.
inline QByteArray Words(std::initializer_list<int> words)
{
    QByteArray b;
    for (int w : words)
        b.append(char(w & 0xff)).append(char((w >> 8) & 0xff));
    return b;
}

inline QByteArray Dword(int d) { return Words({d & 0xffff, (d >> 16) & 0xffff}); }

class WmfBuilder {
public:
    // A placeable header: the frame in metafile units and units per inch.
    WmfBuilder &Placeable(int left, int top, int right, int bottom, int perInch)
    {
        placeable_ = Words({left, top, right, bottom, perInch});
        return *this;
    }

    // A record with its parameter words, as the format stores them.
    WmfBuilder &AppendRecord(int function, std::initializer_list<int> words)
    {
        return AppendRecord(function, Words(words));
    }

    WmfBuilder &AppendRecord(int function, QByteArray params)
    {
        if (params.size() % 2)
            params += '\0';
        records_ += Dword(3 + int(params.size()) / 2) + Words({function}) + params;
        return *this;
    }

    QByteArray Bytes() const
    {
        QByteArray out; // the placeable key, then reserved words and a checksum readers do not check
        if (!placeable_.isEmpty())
            out = Words({0xCDD7, 0x9AC6, 0}) + placeable_ + Words({0, 0, 0});
        return out + Words({1, 9, 0x0300, 0, 0, 16, 0, 0, 0}) + records_ + Words({3, 0, 0}); // header, end record
    }

private:
    QByteArray placeable_, records_;
};

// A colour reference as the two words the records hold.
inline int ColorLow(QColor c) { return c.red() | (c.green() << 8); }
inline int ColorHigh(QColor c) { return c.blue(); }

// Object slots: the pen takes 0, the brush 1 (lowest free index first).
inline void NoPenBrush(WmfBuilder &b, QColor color, int style = 0, int hatch = 0)
{
    b.AppendRecord(0x02FA, {5, 0, 0, 0, 0}).AppendRecord(0x012D, {0});
    b.AppendRecord(0x02FC, {style, ColorLow(color), ColorHigh(color), hatch}).AppendRecord(0x012D, {1});
}

// A bitmap info header: size, width, height, planes, bits, compression,
// image size, then resolutions and colour counts left zero.
inline QByteArray DibHeader(int width, int height, int bits, int compression = 0, int imageSize = 0)
{
    return Dword(40) + Dword(width) + Dword(height) + Words({1, bits}) + Dword(compression) + Dword(imageSize)
           + QByteArray(16, '\0');
}

// A bottom-up 24-bit DIB (no colour table) of the image, as blit records
// and pattern brushes carry it; Qt pads rows to 4 bytes as DIBs do.
inline QByteArray MakeDib24(const QImage &image)
{
    const QImage rows = image.convertToFormat(QImage::Format_BGR888).mirrored();
    return DibHeader(image.width(), image.height(), 24)
           + QByteArray(reinterpret_cast<const char *>(rows.constBits()), rows.sizeInBytes());
}

// The picture drawn into an image of the given size over white; a null
// image when the bytes do not decode.
inline QImage RenderWmf(const QByteArray &bytes, QSize size)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(bytes);
    if (!picture)
        return {};
    QImage image = White(size);
    QPainter painter(&image);
    picture->Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
