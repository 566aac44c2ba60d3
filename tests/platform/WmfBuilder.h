#pragma once

// Writes metafiles for the tests, record by record, so each test states the
// exact bytes the player gets.

#include <QByteArray>
#include <QColor>
#include <QBuffer>
#include <QImage>
#include <QtEndian>

#include <initializer_list>
#include <vector>

class WmfBuilder {
public:
    // A placeable header: the frame in metafile units and units per inch.
    WmfBuilder &placeable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 perInch)
    {
        placeable_ = true;
        bounds_[0] = left;
        bounds_[1] = top;
        bounds_[2] = right;
        bounds_[3] = bottom;
        perInch_ = perInch;
        return *this;
    }

    // A record with its parameter words, as the format stores them.
    WmfBuilder &record(quint16 function, std::initializer_list<int> words)
    {
        QByteArray params;
        for (int w : words)
            AppendWord(params, quint16(w));
        return record(function, params);
    }

    WmfBuilder &record(quint16 function, const QByteArray &params)
    {
        QByteArray r;
        const quint32 size = quint32(3 + (params.size() + 1) / 2);
        AppendDword(r, size);
        AppendWord(r, function);
        r += params;
        if (params.size() % 2)
            r += '\0';
        records_ += r;
        return *this;
    }

    // Raw bytes after the records (damaged files).
    WmfBuilder &raw(const QByteArray &bytes)
    {
        records_ += bytes;
        return *this;
    }

    QByteArray bytes(quint16 objects = 16, bool eof = true) const
    {
        QByteArray out;
        if (placeable_) {
            AppendDword(out, 0x9AC6CDD7u);
            AppendWord(out, 0);
            for (qint16 b : bounds_)
                AppendWord(out, quint16(b));
            AppendWord(out, perInch_);
            AppendDword(out, 0);
            AppendWord(out, 0);  // checksum, not checked by readers
        }
        AppendWord(out, 1);
        AppendWord(out, 9);
        AppendWord(out, 0x0300);
        AppendDword(out, 0);
        AppendWord(out, objects);
        AppendDword(out, 0);
        AppendWord(out, 0);
        out += records_;
        if (eof) {
            AppendDword(out, 3);
            AppendWord(out, 0);
        }
        return out;
    }

    static void AppendWord(QByteArray &b, quint16 w)
    {
        char c[2];
        qToLittleEndian(w, c);
        b.append(c, 2);
    }
    static void AppendDword(QByteArray &b, quint32 d)
    {
        char c[4];
        qToLittleEndian(d, c);
        b.append(c, 4);
    }

private:
    bool placeable_ = false;
    qint16 bounds_[4] = {0, 0, 0, 0};
    quint16 perInch_ = 0;
    QByteArray records_;
};

// A colour reference as the two words the records hold.
inline int ColorLow(QColor c) { return c.red() | (c.green() << 8); }
inline int ColorHigh(QColor c) { return c.blue(); }

// A bottom-up 24-bit DIB (header, no colour table, rows padded to 4 bytes)
// of the image, as blit records and pattern brushes carry it.
inline QByteArray MakeDib24(const QImage &image)
{
    QByteArray dib;
    WmfBuilder::AppendDword(dib, 40);
    WmfBuilder::AppendDword(dib, quint32(image.width()));
    WmfBuilder::AppendDword(dib, quint32(image.height()));
    WmfBuilder::AppendWord(dib, 1);
    WmfBuilder::AppendWord(dib, 24);
    for (int i = 0; i < 6; ++i)
        WmfBuilder::AppendDword(dib, 0);
    const int stride = (image.width() * 3 + 3) / 4 * 4;
    for (int y = image.height() - 1; y >= 0; --y) {
        QByteArray row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row += char(qBlue(p));
            row += char(qGreen(p));
            row += char(qRed(p));
        }
        row.resize(stride, '\0');
        dib += row;
    }
    return dib;
}

// A DIB that carries a PNG file (BI_PNG) instead of rows.
inline QByteArray MakeDibPng(const QByteArray &png, int width, int height)
{
    QByteArray dib;
    WmfBuilder::AppendDword(dib, 40);
    WmfBuilder::AppendDword(dib, quint32(width));
    WmfBuilder::AppendDword(dib, quint32(height));
    WmfBuilder::AppendWord(dib, 1);
    WmfBuilder::AppendWord(dib, 0);
    WmfBuilder::AppendDword(dib, 5);  // BI_PNG
    WmfBuilder::AppendDword(dib, quint32(png.size()));
    for (int i = 0; i < 4; ++i)
        WmfBuilder::AppendDword(dib, 0);
    return dib + png;
}
