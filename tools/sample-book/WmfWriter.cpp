#include "WmfWriter.h"

#include <QtEndian>

namespace {
constexpr quint16 kSetMapMode = 0x0103, kSetWindowOrg = 0x020B, kSetWindowExt = 0x020C, kSetBkMode = 0x0102,
                  kSelectObject = 0x012D, kDeleteObject = 0x01F0, kCreatePen = 0x02FA, kCreateBrush = 0x02FC,
                  kCreateFont = 0x02FB, kRectangle = 0x041B, kEllipse = 0x0418, kPolygon = 0x0324, kTextOut = 0x0521,
                  kSetTextColor = 0x0209, kEof = 0x0000;

void Put16(QByteArray &b, quint16 v)
{
    char c[2];
    qToLittleEndian(v, c);
    b.append(c, 2);
}

void Put32(QByteArray &b, quint32 v)
{
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
}

QByteArray ColorRef(QColor c)
{
    QByteArray b;
    b.append(char(c.red())).append(char(c.green())).append(char(c.blue())).append('\0');
    return b;
}
} // namespace

WmfWriter::WmfWriter(QSize extent, int unitsPerInch) : extent_(extent), unitsPerInch_(unitsPerInch)
{
    Words(kSetMapMode, {8});      // MM_ANISOTROPIC
    Words(kSetWindowOrg, {0, 0}); // y, x
    Words(kSetWindowExt, {qint16(extent.height()), qint16(extent.width())});
    Words(kSetBkMode, {1}); // TRANSPARENT
}

void WmfWriter::AppendRecord(quint16 function, const QByteArray &params)
{
    const quint32 words = 3 + quint32(params.size() + 1) / 2;
    Put32(records_, words);
    Put16(records_, function);
    records_.append(params);
    if (params.size() % 2)
        records_.append('\0');
    maxRecordWords_ = std::max(maxRecordWords_, words);
}

void WmfWriter::Words(quint16 function, const QList<qint16> &params)
{
    QByteArray b;
    for (qint16 p : params)
        Put16(b, quint16(p));
    AppendRecord(function, b);
}

// Objects go to fixed table slots: 0 pen, 1 brush, 2 font. A new object
// deletes the old one in its slot first, so the table never grows.
void WmfWriter::Replace(int slot, quint16 createFunction, const QByteArray &params)
{
    if (slotUsed_[slot])
        Words(kDeleteObject, {qint16(slot)});
    AppendRecord(createFunction, params);
    Words(kSelectObject, {qint16(slot)});
    slotUsed_[slot] = true;
}

void WmfWriter::SetPen(QColor colour, int width)
{
    QByteArray p;
    Put16(p, 0); // PS_SOLID
    Put16(p, quint16(width));
    Put16(p, 0);
    p.append(ColorRef(colour));
    Replace(0, kCreatePen, p);
}

void WmfWriter::SetBrush(QColor colour)
{
    QByteArray p;
    Put16(p, 0); // BS_SOLID
    p.append(ColorRef(colour));
    Put16(p, 0);
    Replace(1, kCreateBrush, p);
}

void WmfWriter::Rectangle(const QRect &r)
{
    Words(kRectangle, {qint16(r.bottom() + 1), qint16(r.right() + 1), qint16(r.top()), qint16(r.left())});
}

void WmfWriter::Ellipse(const QRect &r)
{
    Words(kEllipse, {qint16(r.bottom() + 1), qint16(r.right() + 1), qint16(r.top()), qint16(r.left())});
}

void WmfWriter::Polygon(const QList<QPoint> &points)
{
    QByteArray p;
    Put16(p, quint16(points.size()));
    for (const QPoint &pt : points) {
        Put16(p, quint16(qint16(pt.x())));
        Put16(p, quint16(qint16(pt.y())));
    }
    AppendRecord(kPolygon, p);
}

void WmfWriter::TextOut(QPoint at, const QByteArray &ascii, int height, QColor colour)
{
    QByteArray font;
    Put16(font, quint16(qint16(-height))); // character height
    for (int i = 0; i < 3; ++i)
        Put16(font, 0);                                   // width, escapement, orientation
    Put16(font, 700);                                     // bold
    font.append(char(0)).append(char(0)).append(char(0)); // italic, underline, strike-out
    font.append(char(0)).append(char(0)).append(char(0)).append(char(4)).append(char(0)); // charset ... pitch
    font.append("Arial");
    font.append('\0');
    Replace(2, kCreateFont, font);
    AppendRecord(kSetTextColor, ColorRef(colour));
    QByteArray p;
    Put16(p, quint16(ascii.size()));
    p.append(ascii);
    if (ascii.size() % 2)
        p.append('\0');
    Put16(p, quint16(qint16(at.y())));
    Put16(p, quint16(qint16(at.x())));
    AppendRecord(kTextOut, p);
}

QByteArray WmfWriter::Finish()
{
    AppendRecord(kEof, QByteArray());
    QByteArray out;
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum.
    QByteArray placeable;
    Put32(placeable, 0x9AC6CDD7u);
    Put16(placeable, 0);
    Put16(placeable, 0);
    Put16(placeable, 0);
    Put16(placeable, quint16(extent_.width()));
    Put16(placeable, quint16(extent_.height()));
    Put16(placeable, quint16(unitsPerInch_));
    Put32(placeable, 0);
    quint16 checksum = 0;
    for (int i = 0; i < 10; ++i)
        checksum ^= qFromLittleEndian<quint16>(placeable.constData() + 2 * i);
    Put16(placeable, checksum);
    out.append(placeable);
    // Standard header: type (disk), header words, version, total size in
    // words, object count, largest record, no parameters.
    const quint32 totalWords = 9 + quint32(records_.size() / 2);
    Put16(out, 1);
    Put16(out, 9);
    Put16(out, 0x0300);
    Put32(out, totalWords);
    Put16(out, 3);
    Put32(out, maxRecordWords_);
    Put16(out, 0);
    out.append(records_);
    return out;
}
