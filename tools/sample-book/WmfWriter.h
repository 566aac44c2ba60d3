#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>

// Writes a small placeable Windows metafile, so the sample book has a vector
// page of our own making. Only what the sample drawing needs.
class WmfWriter {
public:
    // The picture's logical extent and its size in logical units per inch.
    WmfWriter(QSize extent, int unitsPerInch);

    void SetBrush(QColor colour);          // solid brush, replaces the previous one
    void SetPen(QColor colour, int width); // solid pen, replaces the previous one
    void Rectangle(const QRect &r);
    void Ellipse(const QRect &r);
    void Polygon(const QList<QPoint> &points);
    void TextOut(QPoint at, const QByteArray &ascii, int height, QColor colour);

    QByteArray Finish();

private:
    void Words(quint16 function, const QList<qint16> &params);
    void AppendRecord(quint16 function, const QByteArray &params);
    void Replace(int slot, quint16 createFunction, const QByteArray &params);

    QSize extent_;
    int unitsPerInch_;
    QByteArray records_;
    quint32 maxRecordWords_ = 0;
    bool slotUsed_[3] = {false, false, false};
};
