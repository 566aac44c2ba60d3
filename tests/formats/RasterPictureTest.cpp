// Raster pictures: pixels, the natural size at a resolution, and the files
// refused before they cost memory.

#include "formats/raster/RasterPicture.h"
#include "formats/Himetric.h"
#include "formats/PictureDecoder.h"

#include "Cases.h"
#include "PictureFixtures.h"
#include "TestImages.h"

#include <functional>

using namespace fixtures;

namespace {
constexpr QSize k96{96, 96};

// The bytes of a JPEG with an EXIF block whose orientation tag is set.
QByteArray WithExifOrientation(const QByteArray &jpeg, int orientation)
{
    QByteArray app1 = QByteArray::fromHex("ffe10000") + QByteArray("Exif\0\0", 6)
                      + QByteArray::fromHex("49492a00080000000100120103000100000000000000000000000000");
    PutLe16(app1, 10 + 8 + 2 + 8, orientation);
    app1[3] = char(app1.size() - 2);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

// A gzip file around the bytes: qCompress's zlib stream re-framed.
QByteArray Gzip(const QByteArray &data)
{
    const QByteArray zlib = qCompress(data).mid(4);
    QByteArray gz = QByteArray::fromHex("1f8b0800000000000003") + zlib.mid(2, zlib.size() - 6) + QByteArray(8, '\0');
    PutLe32(gz, int(gz.size()) - 8, qint32(Crc32(data)));
    PutLe32(gz, int(gz.size()) - 4, qint32(data.size()));
    return gz;
}

struct RasterCase {
    const char *name;
    std::function<QByteArray()> make;
    QSize pixels; // empty: refused
    QPoint probe;
    QColor colour;
};

class RasterFormats : public testing::TestWithParam<RasterCase> {};

TEST_P(RasterFormats, DecodeWithSizeAndPixelsOrNotAtAll)
{
    const RasterCase &c = GetParam();
    const QByteArray bytes = c.make();
    const DecodedPicturePtr picture = DecodePicture(bytes, k96);
    ASSERT_EQ(bool(picture), !c.pixels.isEmpty());
    if (picture) {
        // At 100 % one picture pixel is one screen pixel.
        EXPECT_EQ(HimetricToPixels(picture->NaturalSizeHimetric(), k96), c.pixels);
        const QImage image = DecodeRasterImage(bytes);
        EXPECT_TRUE(Near(image.pixelColor(c.probe), c.colour)) << image.pixelColor(c.probe).name().toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Formats, RasterFormats, testing::Values(
    RasterCase{"GifFirstFrame", [] { return SolidGif(6, 4, {Qt::red, Qt::blue}); }, {6, 4}, {3, 2}, Qt::red},
    RasterCase{"IcoLargestEntry", [] { return JoinIcons({Encode(Solid(16, 16, Qt::red), "ico"), Encode(Solid(48, 48, Qt::green), "ico"),
                                                         Encode(Solid(32, 32, Qt::blue), "ico")}); }, {48, 48}, {24, 24}, Qt::green},
    RasterCase{"TopDownBmpKeepsItsTopRow", [] { return TopDownBmp(TwoHalves(10, 20).transformed(QTransform().rotate(90))); }, {20, 10}, {10, 1}, Qt::red},
    RasterCase{"ExifRotatedJpegTakesTheRotatedSize", [] { return WithExifOrientation(Encode(TwoHalves(40, 20), "jpeg", 95), 6); }, {20, 40}, {10, 5}, Qt::red},
    // Qt's default limit (128 MB) refuses this, which a picture book must show.
    RasterCase{"Bmp6000Square", [] { return BmpClaiming(6000, 6000, -1); }, {6000, 6000}, {0, 0}, Qt::black},
    RasterCase{"BmpClaims100000Square", [] { return BmpClaiming(100000, 100000); }, {}, {}, {}},
    RasterCase{"BmpJustOverTheLimit", [] { return BmpClaiming(16384, 16385); }, {}, {}, {}},
    RasterCase{"CompressedSvg", [] { return Gzip("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"/>"); }, {}, {}, {}},
    RasterCase{"IcoDirectoryPointsPastTheEnd", [] { QByteArray ico = Encode(Solid(16, 16, Qt::red), "ico"); PutLe32(ico, 6 + 12, 0x7ffffff0); return ico; }, {}, {}, {}}),
    CaseName());
// clang-format on
// At 100 % one picture pixel must be one screen pixel at every resolution,
// not only at the one the table uses.
TEST(Himetric, PixelsComeBackFromTheirHimetricSize)
{
    for (int resolution : {72, 96, 120, 144, 192})
        for (int pixels : {1, 7, 400, 1919, 6000, 16384}) {
            const QSize dpi(resolution, resolution);
            EXPECT_EQ(HimetricToPixels(PixelsToHimetric({pixels, pixels + 1}, dpi), dpi), QSize(pixels, pixels + 1))
                << pixels << " px at " << resolution;
        }
}
} // namespace
