// Parts of JPEGs decoded by libjpeg: every pixel must be the pixel Qt's
// reader makes at the same place of the whole picture, or a page shown part
// first would change under the reader's eyes when it is completed.

#include "formats/raster/JpegRegion.h"

#include "Cases.h"
#include "PictureFixtures.h"

#include <QImageWriter>

using namespace fixtures;

namespace {

// Colour detail in every 2 x 2 block, so that chroma upsampling shows at a
// cut.
QImage Detailed(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb((x * 37 + y * 11) & 0xff, (x * y + 3 * x) & 0xff, (y * 29 ^ x * 5) & 0xff));
    return image;
}

QByteArray Jpeg(const QImage &image, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(85);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// What the view shows today: Qt's reader, converted for drawing.
QImage WholeByQt(const QByteArray &bytes) { return QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32); }

struct RegionCase {
    const char *name;
    QSize size;
    bool progressive;
    bool grey;
    QRect region; // empty: the whole picture
};

class JpegRegions : public testing::TestWithParam<RegionCase> {};

TEST_P(JpegRegions, MatchTheSamePartOfQtsWholeDecode)
{
    const RegionCase &c = GetParam();
    QImage source = Detailed(c.size);
    if (c.grey)
        source = source.convertToFormat(QImage::Format_Grayscale8);
    const QByteArray bytes = Jpeg(source, c.progressive);
    ASSERT_EQ(JpegRegionPictureSize(bytes), c.size);
    const QRect region = c.region.isEmpty() ? QRect(QPoint(), c.size) : c.region;
    const QImage part = DecodeJpegRegion(bytes, region);
    const QRect inside = region.intersected(QRect(QPoint(), c.size));
    ASSERT_EQ(part.size(), inside.size());
    EXPECT_EQ(part.format(), QImage::Format_RGB32);
    EXPECT_EQ(part, WholeByQt(bytes).copy(inside));
}

INSTANTIATE_TEST_SUITE_P(
    Parts, JpegRegions,
    testing::Values(RegionCase{"WholeOddSizedPicture", {333, 217}, false, false, {}},
                    RegionCase{"MiddleCutThroughBlocks", {640, 480}, false, false, {101, 77, 203, 150}},
                    RegionCase{"BottomRightCorner", {333, 217}, false, false, {250, 150, 100, 100}},
                    RegionCase{"TopStripFullWidth", {400, 300}, false, false, {0, 0, 400, 41}},
                    RegionCase{"ProgressiveMiddle", {640, 480}, true, false, {99, 131, 257, 190}},
                    RegionCase{"GreyMiddle", {500, 400}, false, true, {57, 63, 211, 177}}),
    CaseName());

TEST(JpegRegion, RefusesWhatItDoesNotDecodeAndStopsWhenCancelled)
{
    EXPECT_FALSE(JpegRegionPictureSize(Encode(Solid(20, 20, Qt::red), "png")).isValid());
    const QByteArray bytes = Jpeg(Detailed(QSize(200, 200)), false);
    EXPECT_TRUE(DecodeJpegRegion(bytes.left(100), QRect(0, 0, 200, 200)).isNull());
    const std::atomic<bool> cancelled{true};
    EXPECT_TRUE(DecodeJpegRegion(bytes, QRect(0, 0, 200, 200), &cancelled).isNull());
    EXPECT_FALSE(DecodeJpegRegion(bytes, QRect(0, 0, 200, 200)).isNull());
}

} // namespace
