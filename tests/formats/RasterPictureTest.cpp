#include "formats/raster/RasterPicture.h"
#include "formats/Himetric.h"
#include "formats/PictureDecoder.h"

#include "Cases.h"
#include "PictureFixtures.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <QPainter>
#include <QRandomGenerator>

#include <functional>

using namespace fixtures;

namespace {
constexpr QSize k96{96, 96};

// The bytes of a JPEG with an EXIF block whose orientation tag is set.
QByteArray WithExifOrientation(const QByteArray &jpeg, int orientation)
{
    QByteArray tiff = QByteArray::fromHex("49492a0008000000") + QByteArray::fromHex("0100")
                      + QByteArray::fromHex("12010300010000000000000000000000");
    PutLe16(tiff, 8 + 2 + 8, orientation);
    QByteArray app1 = QByteArray::fromHex("ffe1") + QByteArray(2, '\0') + QByteArray("Exif\0\0", 6) + tiff;
    const int length = int(app1.size()) - 2;
    app1[2] = char(length >> 8);
    app1[3] = char(length & 0xff);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

// A gzip file around the bytes: qCompress's zlib stream re-framed.
QByteArray Gzip(const QByteArray &data)
{
    const QByteArray zlib = qCompress(data).mid(4);
    const QByteArray deflate = zlib.mid(2, zlib.size() - 6);
    QByteArray gz = QByteArray::fromHex("1f8b0800000000000003") + deflate + QByteArray(8, '\0');
    PutLe32(gz, int(gz.size()) - 8, qint32(Crc32(data)));
    PutLe32(gz, int(gz.size()) - 4, qint32(data.size()));
    return gz;
}

QImage TopAndBottom(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter p(&image);
    p.fillRect(0, 0, width, height / 2, Qt::red);
    p.fillRect(0, height / 2, width, height - height / 2, Qt::blue);
    return image;
}
} // namespace

struct RasterCase {
    const char *name;
    std::function<QByteArray()> make;
    QSize pixels;
    QSize himetricAt96;
    QPoint probe;
    QColor colour;
};

class RasterFormats : public testing::TestWithParam<RasterCase> {};

TEST_P(RasterFormats, DecodeWithSizeAndPixels)
{
    const RasterCase &c = GetParam();
    const QByteArray bytes = c.make();
    ASSERT_FALSE(bytes.isEmpty());
    const QImage image = DecodeRasterImage(bytes);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), c.pixels);
    EXPECT_TRUE(Near(image.pixelColor(c.probe), c.colour)) << image.pixelColor(c.probe).name().toStdString();

    const DecodedPicturePtr picture = DecodePicture(bytes, k96);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), c.himetricAt96);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RasterFormats,
    testing::Values(
        RasterCase{"Bmp", [] { return Encode(TwoHalves(40, 30), "bmp"); }, {40, 30}, {1058, 794}, {35, 15}, Qt::blue},
        RasterCase{
            "Jpeg", [] { return Encode(TwoHalves(48, 24), "jpeg", 95); }, {48, 24}, {1270, 635}, {5, 12}, Qt::red},
        RasterCase{"Png", [] { return Encode(TwoHalves(7, 3), "png"); }, {7, 3}, {185, 79}, {6, 1}, Qt::blue},
        RasterCase{"GifFirstFrame",
                   [] {
                       return SolidGif(6, 4, {Qt::red, Qt::blue});
                   },
                   {6, 4},
                   {159, 106},
                   {3, 2},
                   Qt::red},
        RasterCase{"IcoLargestEntry",
                   [] {
                       return JoinIcons({Encode(Solid(16, 16, Qt::red), "ico"), Encode(Solid(48, 48, Qt::green), "ico"),
                                         Encode(Solid(32, 32, Qt::blue), "ico")});
                   },
                   {48, 48},
                   {1270, 1270},
                   {24, 24},
                   Qt::green},
        RasterCase{
            "CurLargestEntry",
            [] {
                return JoinIcons({Encode(Solid(16, 16, Qt::red), "cur"), Encode(Solid(32, 32, Qt::blue), "cur")}, 2);
            },
            {32, 32},
            {847, 847},
            {16, 16},
            Qt::blue},
        RasterCase{"TopDownBmpKeepsItsTopRow",
                   [] { return TopDownBmp(TopAndBottom(20, 10)); },
                   {20, 10},
                   {529, 265},
                   {10, 1},
                   Qt::red},
        RasterCase{"ExifRotatedJpegTakesTheRotatedSize",
                   [] { return WithExifOrientation(Encode(TopAndBottom(40, 20), "jpeg", 95), 6); },
                   {20, 40},
                   {529, 1058},
                   {17, 20},
                   Qt::red}),
    CaseName());

// The natural size follows the resolution; Qt's default limit (128 MB)
// refuses a 6000 x 6000 32-bit bitmap, which a picture book must show.
TEST(RasterPicture, NaturalSizeFollowsTheResolutionAndBigBitmapsLoad)
{
    const QByteArray bytes = Encode(TwoHalves(40, 30), "bmp");
    EXPECT_EQ(DecodePicture(bytes, {120, 120})->NaturalSizeHimetric(), QSize(847, 635));
    EXPECT_EQ(DecodePicture(bytes, {96, 144})->NaturalSizeHimetric(), QSize(1058, 529));
    const DecodedPicturePtr big = DecodePicture(BmpClaiming(6000, 6000, -1), k96);
    ASSERT_TRUE(big);
    EXPECT_EQ(HimetricToPixels(big->NaturalSizeHimetric(), k96), QSize(6000, 6000));
}

struct RefusedCase {
    const char *name;
    std::function<QByteArray()> make;
};

class RasterRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(RasterRefused, FailsWithoutAPicture) { EXPECT_FALSE(DecodePicture(GetParam().make(), k96)); }

INSTANTIATE_TEST_SUITE_P(
    Inputs, RasterRefused,
    testing::Values(RefusedCase{"Empty", [] { return QByteArray(); }},
                    RefusedCase{"BmpClaims100000Square", [] { return BmpClaiming(100000, 100000); }},
                    RefusedCase{"BmpClaims100000SquareTopDown", [] { return BmpClaiming(100000, -100000); }},
                    RefusedCase{"BmpJustOverTheLimit", [] { return BmpClaiming(16384, 16385); }},
                    RefusedCase{"BmpNegativeWidth", [] { return BmpClaiming(-20, 20, 1600); }},
                    RefusedCase{"CompressedSvg",
                                [] {
                                    return Gzip("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" "
                                                "height=\"9\"><rect width=\"9\" height=\"9\"/></svg>");
                                }},
                    RefusedCase{"Text", [] { return QByteArray("just some words, not a picture\n"); }},
                    RefusedCase{"PngSignatureOnly", [] { return QByteArray::fromHex("89504e470d0a1a0a"); }},
                    RefusedCase{"JpegStartOnly", [] { return QByteArray::fromHex("ffd8ffe000104a464946"); }},
                    RefusedCase{"GifHeaderOnly", [] { return QByteArray("GIF89a\x06\x00\x04\x00", 10); }},
                    RefusedCase{"IcoDirectoryPointsPastTheEnd",
                                [] {
                                    QByteArray ico = Encode(Solid(16, 16, Qt::red), "ico");
                                    PutLe32(ico, 6 + 12, 0x7ffffff0);
                                    return ico;
                                }}),
    CaseName());

class RasterTruncated : public testing::TestWithParam<RefusedCase> {};

// Every prefix of a good file either fails or gives a picture no larger
// than the whole.
TEST_P(RasterTruncated, EveryPrefixFailsOrStaysWithinTheWhole)
{
    const QByteArray whole = GetParam().make();
    const QSize full = DecodeRasterImage(whole).size();
    ASSERT_TRUE(full.isValid());
    const int step = qMax(1, int(whole.size()) / 97);
    for (int length = 0; length < whole.size(); length += step) {
        const QImage image = DecodeRasterImage(whole.left(length));
        if (!image.isNull()) {
            EXPECT_EQ(image.size(), full) << "prefix " << length;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Formats, RasterTruncated,
    testing::Values(
        RefusedCase{"Bmp", [] { return Encode(TwoHalves(33, 17), "bmp"); }},
        RefusedCase{"Jpeg", [] { return Encode(TwoHalves(64, 48), "jpeg"); }},
        RefusedCase{"Png", [] { return Encode(TwoHalves(64, 48), "png"); }},
        RefusedCase{"Gif",
                    [] {
                        return SolidGif(9, 5, {Qt::red, Qt::green});
                    }},
        RefusedCase{
            "Ico",
            [] {
                return JoinIcons({Encode(Solid(16, 16, Qt::red), "ico"), Encode(Solid(32, 32, Qt::blue), "ico")});
            }}),
    CaseName());

TEST(RasterPicture, RandomBytesNeverDecodeToAPicture)
{
    QRandomGenerator random(20261206);
    for (int round = 0; round < 200; ++round) {
        QByteArray bytes(int(random.bounded(1, 4096)), '\0');
        for (char &b : bytes)
            b = char(random.bounded(256));
        // Random bytes that happen to start like a format must still fail or
        // give a sane picture.
        const DecodedPicturePtr picture = DecodePicture(bytes, k96);
        if (picture) {
            EXPECT_GT(picture->NaturalSizeHimetric().width(), 0);
        }
    }
}
