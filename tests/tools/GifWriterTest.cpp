#include "GifWriter.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {
QImage Pattern(int w, int h, int colours, quint32 seed)
{
    QRandomGenerator rng(seed);
    QList<QRgb> palette;
    for (int i = 0; i < colours; ++i)
        palette.append(qRgb(rng.bounded(256), rng.bounded(256), rng.bounded(256)));
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, palette[(x / 3 + y * 7 + rng.bounded(2)) % colours]);
    return image;
}
} // namespace

struct GifCase {
    int width, height, colours;
};

class GifWriterRoundTrip : public testing::TestWithParam<GifCase> {};

// Noisy pictures fill the 4096-code table many times over, so the clear
// codes and every code-size step are exercised.
TEST_P(GifWriterRoundTrip, QtReadsBackThePixelsWritten)
{
    const QImage source = Pattern(GetParam().width, GetParam().height, GetParam().colours, 7);
    QByteArray bytes = EncodeGif(source);
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "gif");
    const QImage back = reader.read();
    ASSERT_FALSE(back.isNull()) << reader.errorString().toStdString();
    ASSERT_EQ(back.size(), source.size());
    // With at most 256 colours the palette is exact, so every pixel is too.
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            ASSERT_EQ(back.pixel(x, y) | 0xFF000000u, source.pixel(x, y) | 0xFF000000u) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Sizes, GifWriterRoundTrip,
                         testing::Values(GifCase{1, 1, 1}, GifCase{7, 3, 2}, GifCase{64, 64, 16},
                                         GifCase{300, 200, 200}, GifCase{517, 389, 256}));
