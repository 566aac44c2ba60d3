#include "editor/CoverCodec.h"

#include "document/Base64Text.h"

#include "Cases.h"
#include "PictureFixtures.h"

#include <QtEndian>
#include <gtest/gtest.h>

namespace {
// A description as a book carries it, little-endian. The type and pointer
// fields are written as zeros and carry nothing on reading.
QByteArray Description(qint32 width, qint32 height, qint32 rowBytes, quint16 bits, char unused = 0x7f)
{
    QByteArray d(kCoverHeaderBytes, unused);
    qToLittleEndian<qint32>(width, d.data() + 4);
    qToLittleEndian<qint32>(height, d.data() + 8);
    qToLittleEndian<qint32>(rowBytes, d.data() + 12);
    qToLittleEndian<quint16>(1, d.data() + 16);
    qToLittleEndian<quint16>(bits, d.data() + 18);
    return d;
}

TEST(CoverEncoding, WritesTheDescriptionAndBgrZeroRowsTopDown)
{
    QImage image = fixtures::TwoHalves(2, 2, QColor(0x11, 0x22, 0x33), QColor(0x44, 0x55, 0x66));
    image.setPixel(0, 1, qRgb(0x77, 0x88, 0x99));
    const QByteArray expected = Description(2, 2, 8, 32, 0) + QByteArray::fromHex("33221100665544009988770066554400");
    EXPECT_EQ(CoverBytesFromBitmap(image), expected);
    EXPECT_EQ(CoverTextFromBitmap(image), EncodeBase64Text(expected));
}

struct CoverCase {
    const char *name;
    QByteArray bytes;
    bool read;
    QList<QRgb> pixels = {}; // row by row, opaque display pixels
};

class CoverDecoding : public testing::TestWithParam<CoverCase> {};

TEST_P(CoverDecoding, ReadsEachDepthWithinTheLimits)
{
    const auto image = CoverBitmapFromBytes(GetParam().bytes);
    ASSERT_EQ(image.has_value(), GetParam().read);
    if (!image)
        return;
    const QList<QRgb> &pixels = GetParam().pixels;
    for (int i = 0; i < pixels.size(); ++i)
        EXPECT_EQ(image->pixel(i % image->width(), i / image->width()), pixels[i]) << "pixel " << i;
}

constexpr QRgb kWhite = 0xffffffff, kBlack = 0xff000000, kRed = 0xffff0000, kGreen = 0xff00ff00, kBlue = 0xff0000ff;

INSTANTIATE_TEST_SUITE_P(Descriptions, CoverDecoding,
                         testing::Values(CoverCase{"Bgr24PaddedRows",
                                                   Description(1, 2, 4, 24) + QByteArray::fromHex("112233ee445566ee"),
                                                   true,
                                                   {qRgb(0x33, 0x22, 0x11), qRgb(0x66, 0x55, 0x44)}},
                                         CoverCase{"Rgb565",
                                                   Description(4, 1, 8, 16) + QByteArray::fromHex("00f8e0071f00ffff"),
                                                   true,
                                                   {kRed, kGreen, kBlue, kWhite}},
                                         CoverCase{"Grey8",
                                                   Description(3, 1, 4, 8) + QByteArray::fromHex("00807fff"),
                                                   true,
                                                   {kBlack, qRgb(128, 128, 128), qRgb(127, 127, 127)}},
                                         CoverCase{"Mono1",
                                                   Description(10, 1, 2, 1) + QByteArray::fromHex("a0c0"),
                                                   true,
                                                   {kWhite, kBlack, kWhite, kBlack, kBlack, kBlack, kBlack, kBlack,
                                                    kWhite, kWhite}},
                                         // The fourth byte is no alpha; what the file lacks is black.
                                         CoverCase{"MissingBytesAreBlack",
                                                   Description(2, 2, 8, 32) + QByteArray::fromHex("ffffff00ff"),
                                                   true,
                                                   {kWhite, kBlue, kBlack, kBlack}},
                                         CoverCase{"Only23Bytes", Description(1, 1, 4, 32).left(23), false},
                                         CoverCase{"NegativeHeight", Description(1, -5, 4, 32), false},
                                         CoverCase{"Depth4Unread", Description(2, 1, 2, 4), false},
                                         CoverCase{"Width4096", Description(4096, 1, 4096 * 4, 32), true},
                                         CoverCase{"Width4097", Description(4097, 1, 4097 * 4, 32), false},
                                         CoverCase{"Rows16384", Description(1, 1, 16384, 32), true},
                                         CoverCase{"Rows16385", Description(1, 1, 16385, 32), false},
                                         CoverCase{"MonoRowsJustLongEnough", Description(9, 1, 2, 1), true},
                                         CoverCase{"MonoRowsTooShort", Description(9, 1, 1, 1), false}),
                         CaseName());

} // namespace
