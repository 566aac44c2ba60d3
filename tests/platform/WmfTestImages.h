#pragma once

// Rendering and comparing pictures in the metafile tests.

#include "platform/WmfPicture.h"

#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdlib>

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
    painter.end();
    return image;
}

// Mean absolute difference per colour channel, 0..255.
inline double MeanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                   + std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

inline bool Near(QColor a, QColor b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

// The box of every pixel that is not near the background colour.
inline QRect InkBox(const QImage &image, QColor background = Qt::white, int tolerance = 60)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!Near(image.pixelColor(x, y), background, tolerance))
                box |= QRect(x, y, 1, 1);
    return box;
}

// How many pixels are near the colour.
inline int CountNear(const QImage &image, QColor color, int tolerance = 40)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += Near(image.pixelColor(x, y), color, tolerance) ? 1 : 0;
    return n;
}
