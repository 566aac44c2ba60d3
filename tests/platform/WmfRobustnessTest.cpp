// Damaged and hostile metafiles: no crash, no read past the end, no huge
// allocation, and what can be drawn is drawn.

#include "WmfBuilder.h"
#include "WmfTestImages.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const QColor kRed(220, 0, 0);

void RedBrush(WmfBuilder &b)
{
    b.record(0x02FA, {5, 0, 0, 0, 0}).record(0x012D, {0});
    b.record(0x02FC, {0, ColorLow(kRed), ColorHigh(kRed), 0}).record(0x012D, {1});
}

struct HeaderCase {
    const char *name;
    QByteArray bytes;
    bool looksLikeWmf;
    QSize natural;  // empty: must not decode
};

void PrintTo(const HeaderCase &c, std::ostream *os) { *os << c.name; }

QByteArray Placeable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 perInch)
{
    return WmfBuilder().placeable(left, top, right, bottom, perInch).bytes();
}

QByteArray PlainWithWindow(int orgX, int orgY, int extX, int extY)
{
    return WmfBuilder().record(0x020B, {orgY, orgX}).record(0x020C, {extY, extX}).bytes();
}

class WmfHeaders : public testing::TestWithParam<HeaderCase> {};

TEST_P(WmfHeaders, DecideRecognitionAndNaturalSize)
{
    const HeaderCase &c = GetParam();
    EXPECT_EQ(LooksLikeWmf(c.bytes), c.looksLikeWmf);
    const DecodedPicturePtr picture = DecodeWmfPicture(c.bytes);
    if (c.natural.isEmpty()) {
        EXPECT_FALSE(picture);
    } else {
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->NaturalSizeHimetric(), c.natural);
    }
}

INSTANTIATE_TEST_SUITE_P(Headers, WmfHeaders, testing::Values(
    HeaderCase{"PlaceableInHimetricUnits", Placeable(0, 0, 2540, 1270, 2540), true, {2540, 1270}},
    HeaderCase{"PlaceableInTwips", Placeable(0, 0, 1440, 720, 1440), true, {2540, 1270}},
    HeaderCase{"PlaceableRoundsToNearest", Placeable(0, 0, 2540, 1000, 1440), true, {4480, 1764}},
    HeaderCase{"PlaceableWithOffsetFrame", Placeable(-100, 50, 900, 550, 1000), true, {2540, 1270}},
    HeaderCase{"PlaceableZeroPerInchCountsTwips", Placeable(0, 0, 1440, 1440, 0), true, {2540, 2540}},
    HeaderCase{"PlaceableEmptyFrameWithoutWindow", Placeable(0, 0, 0, 0, 1440), true, {}},
    HeaderCase{"PlainWindowInTwips", PlainWithWindow(0, 0, 1440, 720), true, {2540, 1270}},
    HeaderCase{"PlainNegativeExtent", PlainWithWindow(0, 0, -1440, 720), true, {2540, 1270}},
    HeaderCase{"PlainZeroExtent", PlainWithWindow(0, 0, 0, 720), true, {}},
    HeaderCase{"PlainWithoutWindow", WmfBuilder().record(0x041B, {1, 1, 0, 0}).bytes(), true, {}},
    HeaderCase{"Empty", QByteArray(), false, {}},
    HeaderCase{"PlaceableKeyOnly", QByteArray("\xD7\xCD\xC6\x9A", 4), false, {}},
    HeaderCase{"NotAMetafile", QByteArray("BM6\0\0\0\0\0\0\0" "6\0\0\0(\0\0\0", 18), false, {}}
), [](const testing::TestParamInfo<HeaderCase> &info) { return std::string(info.param.name); });

struct DamageCase {
    const char *name;
    std::function<void(WmfBuilder &)> records;
    bool redDrawn;  // whether the rectangle before the damage still shows
};

void PrintTo(const DamageCase &c, std::ostream *os) { *os << c.name; }

QByteArray Dword(quint32 v)
{
    QByteArray b;
    WmfBuilder::AppendDword(b, v);
    return b;
}

class WmfDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(WmfDamage, DrawsWhatComesBeforeAndSurvives)
{
    WmfBuilder b;
    b.placeable(0, 0, 100, 100, 2540);
    RedBrush(b);
    b.record(0x041B, {50, 50, 0, 0});
    GetParam().records(b);
    const QImage image = RenderWmf(b.bytes(), QSize(100, 100));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(Near(image.pixelColor(25, 25), kRed), GetParam().redDrawn);
}

QByteArray HugeDibHeader(qint32 width, qint32 height, int bits, int compression)
{
    QByteArray dib;
    WmfBuilder::AppendDword(dib, 40);
    WmfBuilder::AppendDword(dib, quint32(width));
    WmfBuilder::AppendDword(dib, quint32(height));
    WmfBuilder::AppendWord(dib, 1);
    WmfBuilder::AppendWord(dib, quint16(bits));
    WmfBuilder::AppendDword(dib, quint32(compression));
    for (int i = 0; i < 5; ++i)
        WmfBuilder::AppendDword(dib, 0);
    return dib + QByteArray(64, '\x01');
}

quint32 Crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= uchar(c);
        for (int k = 0; k < 8; ++k)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

// A well-formed PNG start whose header says 100000 x 100000 pixels.
QByteArray HugePngHeader()
{
    QByteArray chunk("IHDR", 4);
    chunk += QByteArray("\0\x01\x86\xA0\0\x01\x86\xA0\x08\x02\0\0\0", 13);
    QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\x0D", 12);
    png += chunk;
    const quint32 crc = Crc32(chunk);
    for (int shift : {24, 16, 8, 0})
        png += char((crc >> shift) & 0xFF);
    return png;
}

QByteArray StretchDib(const QByteArray &dib)
{
    QByteArray p;
    for (int w : {0x0020, 0x00CC, 0, 100, 100, 0, 0, 100, 100, 0, 0})
        WmfBuilder::AppendWord(p, quint16(w));
    return p + dib;
}

INSTANTIATE_TEST_SUITE_P(Damage, WmfDamage, testing::Values(
    DamageCase{"RecordRunsPastTheEnd", [](WmfBuilder &b) {
        b.raw(Dword(0x7FFFFFFF) + QByteArray("\x1B\x04\x10\x00", 4));
    }, true},
    DamageCase{"RecordSizeZero", [](WmfBuilder &b) {
        b.raw(Dword(0) + QByteArray("\x1B\x04", 2));
    }, true},
    DamageCase{"RecordsTooShortForTheirFunction", [](WmfBuilder &b) {
        for (quint16 f : {0x041B, 0x0418, 0x0324, 0x0325, 0x0538, 0x061C, 0x0817, 0x081A, 0x0830,
                          0x0521, 0x0A32, 0x0F43, 0x0B41, 0x0940, 0x0922, 0x0B23, 0x02FA, 0x02FC,
                          0x02FB, 0x06FF, 0x0142, 0x00F7, 0x020C, 0x0410, 0x0416, 0x061D})
            b.record(f, {});
    }, true},
    DamageCase{"CountsLargerThanTheRecord", [](WmfBuilder &b) {
        b.record(0x0324, {30000, 1, 2}).record(0x0538, {60000, 5}).record(0x0521, {65535, 0x4141});
        b.record(0x0A32, {10, 10, 5000, 6, 0, 0, 9, 9});
    }, true},
    DamageCase{"ObjectIndexesOutOfRange", [](WmfBuilder &b) {
        b.record(0x012D, {16}).record(0x012D, {65535}).record(0x01F0, {40000});
        b.record(0x012C, {999}).record(0x0234, {77}).record(0x0228, {500, 600});
    }, true},
    DamageCase{"ObjectTableOverflows", [](WmfBuilder &b) {
        for (int i = 0; i < 100; ++i)
            b.record(0x02FC, {0, 0, 0, 0});
    }, true},
    DamageCase{"DeepSaveDcAndRestoreOutOfRange", [](WmfBuilder &b) {
        for (int i = 0; i < 5000; ++i)
            b.record(0x001E, {});
        b.record(0x0127, {-20000}).record(0x0127, {30000}).record(0x0127, {0});
        for (int i = 0; i < 5000; ++i)
            b.record(0x0127, {0xFFFF});
        b.record(0x0127, {0xFFFF});
    }, true},
    DamageCase{"ZeroWindowAndViewportExtents", [](WmfBuilder &b) {
        b.record(0x020C, {0, 0}).record(0x020E, {0, 0}).record(0x0410, {0, 0, 0, 0});
        b.record(0x041B, {100, 100, 0, 0});
    }, true},
    DamageCase{"HugeUncompressedBitmapWithoutItsBits", [](WmfBuilder &b) {
        b.record(0x0F43, StretchDib(HugeDibHeader(60000, 60000, 32, 0)));
    }, true},
    DamageCase{"HugeRleBitmap", [](WmfBuilder &b) {
        b.record(0x0F43, StretchDib(HugeDibHeader(30000, 30000, 8, 1)));
    }, true},
    DamageCase{"PngClaimingHugeSize", [](WmfBuilder &b) {
        b.record(0x0F43, StretchDib(HugeDibHeader(2, 2, 0, 5).left(40) + HugePngHeader()));
    }, true},
    DamageCase{"NegativeAndOddBitmapHeaders", [](WmfBuilder &b) {
        b.record(0x0F43, StretchDib(HugeDibHeader(-5, 5, 24, 0)));
        b.record(0x0F43, StretchDib(HugeDibHeader(5, -5, 7, 0)));
        b.record(0x0F43, StretchDib(Dword(0xFFFFFFFF)));
        b.record(0x0142, {5, 0} /* pattern brush without a bitmap */);
    }, true},
    DamageCase{"ExcludeClipRectManyTimes", [](WmfBuilder &b) {
        for (int i = 0; i < 3000; ++i)
            b.record(0x0415, {(i % 90) + 2, (i % 70) + 3, i % 90, i % 70});
    }, true},
    DamageCase{"NopRopThenFill", [](WmfBuilder &b) {
        b.record(0x0104, {11}).record(0x041B, {100, 100, 0, 0});
    }, true},
    DamageCase{"FillAfterwardsCoversIt", [](WmfBuilder &b) {
        b.record(0x02FC, {0, 0xFFFF, 0x00FF, 0}).record(0x012D, {2});
        b.record(0x041B, {100, 100, 0, 0});
    }, false}
), [](const testing::TestParamInfo<DamageCase> &info) { return std::string(info.param.name); });

TEST(WmfDamageFile, EveryByteFlippedAtATimeIsSafe)
{
    WmfBuilder b;
    b.placeable(0, 0, 100, 100, 2540);
    RedBrush(b);
    b.record(0x0416, {90, 90, 10, 10}).record(0x0418, {80, 80, 20, 20});
    b.record(0x0324, {3, 10, 90, 50, 10, 90, 90});
    const QByteArray good = b.bytes();
    for (qsizetype i = 0; i < good.size(); ++i) {
        QByteArray bad = good;
        bad[i] = char(bad[i] ^ 0xA5);
        RenderWmf(bad, QSize(16, 16));  // must simply return
    }
    SUCCEED();
}

} // namespace
