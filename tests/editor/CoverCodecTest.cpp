#include "editor/CoverCodec.h"

#include "document/Base64Text.h"

#include "TestFiles.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {
// A description as a book carries it, little-endian.
QByteArray Description(qint32 width, qint32 height, qint32 rowBytes, quint16 planes, quint16 bits, qint32 type = 0,
                       quint32 pointer = 0)
{
    QByteArray d(kCoverHeaderBytes, '\0');
    qToLittleEndian<qint32>(type, d.data());
    qToLittleEndian<qint32>(width, d.data() + 4);
    qToLittleEndian<qint32>(height, d.data() + 8);
    qToLittleEndian<qint32>(rowBytes, d.data() + 12);
    qToLittleEndian<quint16>(planes, d.data() + 16);
    qToLittleEndian<quint16>(bits, d.data() + 18);
    qToLittleEndian<quint32>(pointer, d.data() + 20);
    return d;
}

QImage Gradient(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb((x * 37 + y) & 0xff, (y * 53 + 7) & 0xff, (x * y) & 0xff));
    return image;
}

TEST(CoverEncoding, WritesTheDescriptionAndBgrZeroRows)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0x11, 0x22, 0x33));
    image.setPixel(1, 0, qRgb(0x44, 0x55, 0x66));
    image.setPixel(0, 1, qRgb(0x77, 0x88, 0x99));
    image.setPixel(1, 1, qRgb(0xaa, 0xbb, 0xcc));
    const QByteArray expected = Description(2, 2, 8, 1, 32)
                                + QByteArray::fromHex("33221100"
                                                      "66554400"
                                                      "99887700"
                                                      "ccbbaa00");
    EXPECT_EQ(CoverBytesFromBitmap(image), expected);
    EXPECT_EQ(CoverTextFromBitmap(image), EncodeBase64Text(expected));
}

TEST(CoverEncoding, NoBitmapGivesNothing)
{
    EXPECT_TRUE(CoverBytesFromBitmap(QImage()).isEmpty());
    EXPECT_TRUE(CoverTextFromBitmap(QImage()).isEmpty());
}

class CoverRoundTrip : public testing::TestWithParam<QSize> {};

TEST_P(CoverRoundTrip, EncodeDecodeEncodeGivesTheSameTextAndPixels)
{
    const QImage image = Gradient(GetParam().width(), GetParam().height());
    const QString text = CoverTextFromBitmap(image);
    const auto decoded = CoverBitmapFromText(text);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, image);
    EXPECT_EQ(CoverTextFromBitmap(*decoded), text);
}

// 1 × 1 and 3 × 1 leave partial Base64 groups; 133 × 100 is the box at a
// common font size; 4096 is the widest we accept.
INSTANTIATE_TEST_SUITE_P(Sizes, CoverRoundTrip,
                         testing::Values(QSize(1, 1), QSize(3, 1), QSize(2, 7), QSize(133, 100), QSize(4096, 1),
                                         QSize(1, 4096)));

TEST(CoverDecoding, FourthByteIsIgnoredAndTheBitmapIsOpaque)
{
    const QByteArray bytes = Description(1, 1, 4, 1, 32) + QByteArray::fromHex("102030ff");
    const auto image = CoverBitmapFromBytes(bytes);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ(image->format(), QImage::Format_RGB32);
    EXPECT_EQ(image->pixel(0, 0), qRgb(0x30, 0x20, 0x10));
}

struct DepthCase {
    const char *name;
    int width;
    int rowBytes;
    quint16 bits;
    QByteArray rows;
    QList<QRgb> pixels; // row by row
};

void PrintTo(const DepthCase &c, std::ostream *os) { *os << c.name; }

class CoverDepths : public testing::TestWithParam<DepthCase> {};

TEST_P(CoverDepths, ConvertsToTheDisplayFormat)
{
    const DepthCase &c = GetParam();
    const int height = static_cast<int>(c.pixels.size()) / c.width;
    const auto image = CoverBitmapFromBytes(Description(c.width, height, c.rowBytes, 1, c.bits) + c.rows);
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->size(), QSize(c.width, height));
    for (int i = 0; i < c.pixels.size(); ++i)
        EXPECT_EQ(image->pixel(i % c.width, i / c.width), c.pixels[i]) << "pixel " << i;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, CoverDepths,
    testing::Values(DepthCase{"bgr24_even_rows",
                              2,
                              6,
                              24,
                              QByteArray::fromHex("0000ff"
                                                  "00ff00"
                                                  "ff0000"
                                                  "808080"),
                              {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(128, 128, 128)}},
                    DepthCase{"bgr24_padded_rows",
                              1,
                              4,
                              24,
                              QByteArray::fromHex("112233ee"
                                                  "445566ee"),
                              {qRgb(0x33, 0x22, 0x11), qRgb(0x66, 0x55, 0x44)}},
                    DepthCase{"rgb565",
                              4,
                              8,
                              16,
                              QByteArray::fromHex("00f8"
                                                  "e007"
                                                  "1f00"
                                                  "ffff"),
                              {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)}},
                    DepthCase{"rgb565_mid",
                              1,
                              2,
                              16,
                              QByteArray::fromHex("1084"), // r 16, g 32, b 16
                              {qRgb(132, 130, 132)}},
                    DepthCase{"grey8",
                              3,
                              4,
                              8,
                              QByteArray::fromHex("00807fff"),
                              {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(127, 127, 127)}},
                    DepthCase{"mono1",
                              10,
                              2,
                              1,
                              QByteArray::fromHex("a0c0"
                                                  "0000"),
                              {qRgb(255, 255, 255), 0xff000000, qRgb(255, 255, 255), 0xff000000, 0xff000000, 0xff000000,
                               0xff000000, 0xff000000, qRgb(255, 255, 255), qRgb(255, 255, 255)}},
                    DepthCase{"missing_bytes_are_black",
                              2,
                              8,
                              32,
                              QByteArray::fromHex("ffffff00"
                                                  "ff"),
                              {qRgb(255, 255, 255), qRgb(0, 0, 0xff), qRgb(0, 0, 0), qRgb(0, 0, 0)}},
                    DepthCase{"surplus_bytes_ignored",
                              1,
                              4,
                              32,
                              QByteArray::fromHex("01020300"
                                                  "ffffffff"
                                                  "ffff"),
                              {qRgb(3, 2, 1)}}));

struct RefusedCase {
    const char *name;
    QByteArray bytes;
};

void PrintTo(const RefusedCase &c, std::ostream *os) { *os << c.name; }

class CoverRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(CoverRefused, GivesNoBitmap) { EXPECT_FALSE(CoverBitmapFromBytes(GetParam().bytes).has_value()); }

INSTANTIATE_TEST_SUITE_P(
    Descriptions, CoverRefused,
    testing::Values(RefusedCase{"empty", QByteArray()}, RefusedCase{"23_bytes", Description(1, 1, 4, 1, 32).left(23)},
                    RefusedCase{"zero_width", Description(0, 1, 4, 1, 32)},
                    RefusedCase{"negative_width", Description(-1, 1, 4, 1, 32)},
                    RefusedCase{"zero_height", Description(1, 0, 4, 1, 32)},
                    RefusedCase{"negative_height", Description(1, -5, 4, 1, 32)},
                    RefusedCase{"zero_planes", Description(1, 1, 4, 0, 32)},
                    RefusedCase{"zero_bits", Description(1, 1, 4, 1, 0)},
                    RefusedCase{"depth_4_unread", Description(2, 1, 2, 1, 4)},
                    RefusedCase{"width_4097", Description(4097, 1, 4097 * 4, 1, 32)},
                    RefusedCase{"height_4097", Description(1, 4097, 4, 1, 32)},
                    RefusedCase{"huge_sides", Description(0x7fffffff, 0x7fffffff, 0x7ffffffc, 1, 32)},
                    RefusedCase{"rows_too_short_32", Description(3, 1, 11, 1, 32)},
                    RefusedCase{"rows_too_short_1", Description(9, 1, 1, 1, 1)},
                    RefusedCase{"negative_row_bytes", Description(1, 1, -4, 1, 32)},
                    RefusedCase{"rows_absurdly_long", Description(1, 1, 16385, 1, 32)}));

TEST(CoverDecoding, AcceptsTheLimitsThemselves)
{
    EXPECT_TRUE(CoverBitmapFromBytes(Description(4096, 1, 4096 * 4, 1, 32)).has_value());
    EXPECT_TRUE(CoverBitmapFromBytes(Description(1, 1, 16384, 1, 32)).has_value());
    EXPECT_TRUE(CoverBitmapFromBytes(Description(9, 1, 2, 1, 1)).has_value());
    // The type and pointer fields carry nothing on reading.
    EXPECT_TRUE(CoverBitmapFromBytes(Description(1, 1, 4, 1, 32, 7, 0xdeadbeef)).has_value());
}

} // namespace
