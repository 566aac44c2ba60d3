#pragma once

// Looking at rendered pictures: colours near each other, how much two
// pictures differ, where the ink is.

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>

inline QImage White(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline bool Near(QColor a, QColor b, int tolerance = 40)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

// Mean absolute difference per colour channel, 0..255, over the area (the
// whole picture when empty).
inline double MeanDifference(const QImage &a, const QImage &b, QRect area = {})
{
    if (a.size() != b.size() || a.isNull())
        return 255;
    area = area.isEmpty() ? a.rect() : area;
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * area.width() * area.height());
}

// The box of the pixels near the colour (or, with `unlike`, of those that
// are not), and how many there are.
struct Ink {
    QRect box;
    int count = 0;
};

inline Ink InkOf(const QImage &image, QColor colour, bool unlike = false, int tolerance = 40)
{
    Ink ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixelColor(x, y), colour, tolerance) != unlike) {
                ink.box |= QRect(x, y, 1, 1);
                ++ink.count;
            }
    return ink;
}
