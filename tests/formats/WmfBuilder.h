#pragma once

// Writes metafiles for the tests, record by record, so each test states the
// exact bytes the player gets; and plays them into pictures.

#include "Cases.h"
#include "TestImages.h"

#include "formats/wmf/WmfPicture.h"

#include <QByteArray>
#include <QPainter>
#include <QtEndian>

#include <initializer_list>

inline void AppendWord(QByteArray &b, quint16 w) { b.append(char(w & 0xff)).append(char(w >> 8)); }
inline void AppendDword(QByteArray &b, quint32 d)
{
    AppendWord(b, quint16(d & 0xffff));
    AppendWord(b, quint16(d >> 16));
}

inline QByteArray Words(std::initializer_list<int> words)
{
    QByteArray b;
    for (int w : words)
        AppendWord(b, quint16(w));
    return b;
}

class WmfBuilder {
public:
    // A placeable header: the frame in metafile units and units per inch.
    WmfBuilder &Placeable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 perInch)
    {
        placeable_ = Words({left, top, right, bottom, perInch});
        return *this;
    }

    // A record with its parameter words, as the format stores them.
    WmfBuilder &AppendRecord(quint16 function, std::initializer_list<int> words)
    {
        return AppendRecord(function, Words(words));
    }

    WmfBuilder &AppendRecord(quint16 function, const QByteArray &params)
    {
        AppendDword(records_, quint32(3 + (params.size() + 1) / 2));
        AppendWord(records_, function);
        records_ += params;
        if (params.size() % 2)
            records_ += '\0';
        return *this;
    }

    // Raw bytes after the records (damaged files).
    WmfBuilder &Raw(const QByteArray &bytes)
    {
        records_ += bytes;
        return *this;
    }

    QByteArray Bytes(quint16 objects = 16) const
    {
        QByteArray out;
        if (!placeable_.isEmpty()) {
            AppendDword(out, 0x9AC6CDD7u);
            out += Words({0}) + placeable_ + Words({0, 0, 0}); // reserved, checksum (not checked by readers)
        }
        out += Words({1, 9, 0x0300, 0, 0, objects, 0, 0, 0}) + records_ + Words({3, 0, 0}); // header, EOF record
        return out;
    }

private:
    QByteArray placeable_;
    QByteArray records_;
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

inline void PenNoBrush(WmfBuilder &b, QColor color, int width)
{
    b.AppendRecord(0x02FA, {0, width, 0, ColorLow(color), ColorHigh(color)}).AppendRecord(0x012D, {0});
    b.AppendRecord(0x02FC, {1, 0, 0, 0}).AppendRecord(0x012D, {1});
}

// A bitmap info header.
inline QByteArray DibHeader(qint32 width, qint32 height, int bits, int compression = 0, quint32 imageSize = 0)
{
    QByteArray dib;
    for (quint32 d : {40u, quint32(width), quint32(height)})
        AppendDword(dib, d);
    dib += Words({1, bits});
    for (quint32 d : {quint32(compression), imageSize, 0u, 0u, 0u, 0u})
        AppendDword(dib, d);
    return dib;
}

// A bottom-up 24-bit DIB (no colour table, rows padded to 4 bytes) of the
// image, as blit records and pattern brushes carry it.
inline QByteArray MakeDib24(const QImage &image)
{
    QByteArray dib = DibHeader(image.width(), image.height(), 24);
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row.append(char(qBlue(p))).append(char(qGreen(p))).append(char(qRed(p)));
        }
        row.resize((image.width() * 3 + 3) / 4 * 4, '\0');
        dib += row;
    }
    return dib;
}

// A DIB that carries a PNG file (BI_PNG) instead of rows.
inline QByteArray MakeDibPng(const QByteArray &png, int width, int height)
{
    return DibHeader(width, height, 0, 5, quint32(png.size())) + png;
}

// The picture drawn into an image of the given size over `background`;
// a null image when the bytes do not decode.
inline QImage RenderWmf(const QByteArray &bytes, QSize size, QColor background = Qt::white)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(bytes);
    if (!picture)
        return {};
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    picture->Render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}
