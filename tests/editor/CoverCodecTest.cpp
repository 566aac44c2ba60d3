#include "editor/CoverCodec.h"

#include "document/Base64Text.h"

#include "Cases.h"
#include "PictureFixtures.h"

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

TEST(CoverEncoding, WritesTheDescriptionAndBgrZeroRowsTopDown)
{
    QImage image = fixtures::TwoHalves(2, 2, QColor(0x11, 0x22, 0x33), QColor(0x44, 0x55, 0x66));
    image.setPixel(0, 1, qRgb(0x77, 0x88, 0x99));
    const QByteArray expected = Description(2, 2, 8, 1, 32) + QByteArray::fromHex("33221100665544009988770066554400");
    EXPECT_EQ(CoverBytesFromBitmap(image), expected);
    EXPECT_EQ(CoverTextFromBitmap(image), EncodeBase64Text(expected));
    EXPECT_TRUE(CoverTextFromBitmap(QImage()).isEmpty());
}

struct DepthCase {
    const char *name;
    int width;
    int rowBytes;
    quint16 bits;
    QByteArray rows;
    QList<QRgb> pixels; // row by row
};

class CoverDepths : public testing::TestWithParam<DepthCase> {};

TEST_P(CoverDepths, ConvertsToOpaqueDisplayPixels)
{
    const DepthCase &c = GetParam();
    const int height = static_cast<int>(c.pixels.size()) / c.width;
    const auto image = CoverBitmapFromBytes(Description(c.width, height, c.rowBytes, 1, c.bits) + c.rows);
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->size(), QSize(c.width, height));
    EXPECT_EQ(image->format(), QImage::Format_RGB32);
    for (int i = 0; i < c.pixels.size(); ++i)
        EXPECT_EQ(image->pixel(i % c.width, i / c.width), c.pixels[i]) << "pixel " << i;
}

constexpr QRgb kWhite = 0xffffffff, kBlack = 0xff000000;

INSTANTIATE_TEST_SUITE_P(
    Formats, CoverDepths,
    testing::Values(
        DepthCase{"Bgr24PaddedRows", 1, 4, 24, QByteArray::fromHex("112233ee445566ee"),
                  {qRgb(0x33, 0x22, 0x11), qRgb(0x66, 0x55, 0x44)}},
        DepthCase{"Rgb565", 4, 8, 16, QByteArray::fromHex("00f8e0071f00ffff"),
                  {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), kWhite}},
        DepthCase{"Rgb565Mid", 1, 2, 16, QByteArray::fromHex("1084"), {qRgb(132, 130, 132)}}, // r 16, g 32, b 16
        DepthCase{"Grey8", 3, 4, 8, QByteArray::fromHex("00807fff"),
                  {kBlack, qRgb(128, 128, 128), qRgb(127, 127, 127)}},
        DepthCase{"Mono1", 10, 2, 1, QByteArray::fromHex("a0c00000"),
                  {kWhite, kBlack, kWhite, kBlack, kBlack, kBlack, kBlack, kBlack, kWhite, kWhite}},
        // The fourth byte is no alpha; what the file lacks is black, what it has over is unread.
        DepthCase{"MissingBytesAreBlack", 2, 8, 32, QByteArray::fromHex("ffffff00ff"),
                  {kWhite, qRgb(0, 0, 0xff), kBlack, kBlack}},
        DepthCase{"SurplusBytesIgnored", 1, 4, 32, QByteArray::fromHex("01020300ffffffffffff"), {qRgb(3, 2, 1)}}),
    CaseName());

struct LimitCase {
    const char *name;
    QByteArray bytes;
    bool read;
};

class CoverLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(CoverLimits, ReadOrRefused) { EXPECT_EQ(CoverBitmapFromBytes(GetParam().bytes).has_value(), GetParam().read); }

INSTANTIATE_TEST_SUITE_P(
    Descriptions, CoverLimits,
    testing::Values(LimitCase{"Only23Bytes", Description(1, 1, 4, 1, 32).left(23), false},
                    LimitCase{"ZeroWidth", Description(0, 1, 4, 1, 32), false},
                    LimitCase{"NegativeHeight", Description(1, -5, 4, 1, 32), false},
                    LimitCase{"ZeroPlanes", Description(1, 1, 4, 0, 32), false},
                    LimitCase{"Depth4Unread", Description(2, 1, 2, 1, 4), false},
                    LimitCase{"Width4096", Description(4096, 1, 4096 * 4, 1, 32), true},
                    LimitCase{"Width4097", Description(4097, 1, 4097 * 4, 1, 32), false},
                    LimitCase{"Height4097", Description(1, 4097, 4, 1, 32), false},
                    LimitCase{"HugeSides", Description(0x7fffffff, 0x7fffffff, 0x7ffffffc, 1, 32), false},
                    LimitCase{"Rows16384", Description(1, 1, 16384, 1, 32), true},
                    LimitCase{"Rows16385", Description(1, 1, 16385, 1, 32), false},
                    LimitCase{"NegativeRowBytes", Description(1, 1, -4, 1, 32), false},
                    LimitCase{"RowsTooShort32", Description(3, 1, 11, 1, 32), false},
                    LimitCase{"MonoRowsJustLongEnough", Description(9, 1, 2, 1, 1), true},
                    LimitCase{"MonoRowsTooShort", Description(9, 1, 1, 1, 1), false},
                    // The type and pointer fields carry nothing on reading.
                    LimitCase{"TypeAndPointerIgnored", Description(1, 1, 4, 1, 32, 7, 0xdeadbeef), true}),
    CaseName());

} // namespace
