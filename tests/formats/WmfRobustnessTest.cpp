// Headers that decide recognition and natural size; damaged and hostile
// metafiles: no crash, no read past the end, no huge allocation, and what
// can be drawn is drawn.

#include "PictureFixtures.h"
#include "WmfBuilder.h"

#include <functional>

namespace {
const QColor kRed(220, 0, 0);

struct HeaderCase {
    const char *name;
    QByteArray bytes;
    bool looksLikeWmf;
    QSize natural; // empty: must not decode
};

QByteArray Placeable(qint16 left, qint16 top, qint16 right, qint16 bottom, quint16 perInch)
{
    return WmfBuilder().Placeable(left, top, right, bottom, perInch).Bytes();
}

QByteArray PlainWithWindow(int extX, int extY)
{
    return WmfBuilder().AppendRecord(0x020B, {0, 0}).AppendRecord(0x020C, {extY, extX}).Bytes();
}

class WmfHeaders : public testing::TestWithParam<HeaderCase> {};

TEST_P(WmfHeaders, DecideRecognitionAndNaturalSize)
{
    const HeaderCase &c = GetParam();
    EXPECT_EQ(LooksLikeWmf(c.bytes), c.looksLikeWmf);
    const DecodedPicturePtr picture = DecodeWmfPicture(c.bytes);
    EXPECT_EQ(picture ? picture->NaturalSizeHimetric() : QSize(), c.natural);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, WmfHeaders,
    testing::Values(HeaderCase{"PlaceableInHimetricUnits", Placeable(0, 0, 2540, 1270, 2540), true, {2540, 1270}},
                    HeaderCase{"PlaceableInTwips", Placeable(0, 0, 1440, 720, 1440), true, {2540, 1270}},
                    HeaderCase{"PlaceableRoundsToNearest", Placeable(0, 0, 2540, 1000, 1440), true, {4480, 1764}},
                    HeaderCase{"PlaceableWithOffsetFrame", Placeable(-100, 50, 900, 550, 1000), true, {2540, 1270}},
                    HeaderCase{"PlaceableZeroPerInchCountsTwips", Placeable(0, 0, 1440, 1440, 0), true, {2540, 2540}},
                    HeaderCase{"PlaceableEmptyFrameWithoutWindow", Placeable(0, 0, 0, 0, 1440), true, {}},
                    HeaderCase{"PlainWindowInTwips", PlainWithWindow(1440, 720), true, {2540, 1270}},
                    HeaderCase{"PlainNegativeExtent", PlainWithWindow(-1440, 720), true, {2540, 1270}},
                    HeaderCase{"PlainZeroExtent", PlainWithWindow(0, 720), true, {}},
                    HeaderCase{"PlainWithoutWindow", WmfBuilder().AppendRecord(0x041B, {1, 1, 0, 0}).Bytes(), true, {}},
                    HeaderCase{"Empty", QByteArray(), false, {}},
                    HeaderCase{"PlaceableKeyOnly", QByteArray("\xD7\xCD\xC6\x9A", 4), false, {}},
                    HeaderCase{"NotAMetafile",
                               QByteArray("BM6\0\0\0\0\0\0\0"
                                          "6\0\0\0(\0\0\0",
                                          18),
                               false,
                               {}}),
    CaseName());

struct DamageCase {
    const char *name;
    std::function<void(WmfBuilder &)> records;
    bool redDrawn; // whether the rectangle before the damage still shows
};

// A STRETCHDIB of the whole frame with the given bitmap.
QByteArray StretchDib(const QByteArray &dib)
{
    return Words({0x0020, 0x00CC, 0, 100, 100, 0, 0, 100, 100, 0, 0}) + dib;
}

QByteArray HugeDib(qint32 width, qint32 height, int bits, int compression)
{
    return DibHeader(width, height, bits, compression) + QByteArray(64, '\x01');
}

// A well-formed PNG start whose header says 100000 x 100000 pixels.
QByteArray HugePngHeader()
{
    const QByteArray chunk = QByteArray("IHDR\0\x01\x86\xA0\0\x01\x86\xA0\x08\x02\0\0\0", 17);
    QByteArray png = QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0D", 12) + chunk;
    const quint32 crc = fixtures::Crc32(chunk);
    for (int shift : {24, 16, 8, 0})
        png += char((crc >> shift) & 0xFF);
    return png;
}

class WmfDamage : public testing::TestWithParam<DamageCase> {};

TEST_P(WmfDamage, DrawsWhatComesBeforeAndSurvives)
{
    WmfBuilder b;
    b.Placeable(0, 0, 100, 100, 2540);
    NoPenBrush(b, kRed);
    b.AppendRecord(0x041B, {50, 50, 0, 0});
    GetParam().records(b);
    const QImage image = RenderWmf(b.Bytes(), QSize(100, 100));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(Near(image.pixelColor(25, 25), kRed), GetParam().redDrawn);
}

INSTANTIATE_TEST_SUITE_P(
    Damage, WmfDamage,
    testing::Values(
        DamageCase{"RecordRunsPastTheEnd",
                   [](WmfBuilder &b) {
                       b.Raw(Words({0xFFFF, 0x7FFF, 0x041B, 0x0010}));
                   },
                   true},
        DamageCase{"RecordSizeZero",
                   [](WmfBuilder &b) {
                       b.Raw(Words({0, 0, 0x041B}));
                   },
                   true},
        DamageCase{"RecordsTooShortForTheirFunction",
                   [](WmfBuilder &b) {
                       for (quint16 f : {0x041B, 0x0418, 0x0324, 0x0325, 0x0538, 0x061C, 0x0817, 0x081A, 0x0830,
                                         0x0521, 0x0A32, 0x0F43, 0x0B41, 0x0940, 0x0922, 0x0B23, 0x02FA, 0x02FC,
                                         0x02FB, 0x06FF, 0x0142, 0x00F7, 0x020C, 0x0410, 0x0416, 0x061D})
                           b.AppendRecord(f, {});
                   },
                   true},
        DamageCase{"CountsLargerThanTheRecord",
                   [](WmfBuilder &b) {
                       b.AppendRecord(0x0324, {30000, 1, 2})
                           .AppendRecord(0x0538, {60000, 5})
                           .AppendRecord(0x0521, {65535, 0x4141});
                       b.AppendRecord(0x0A32, {10, 10, 5000, 6, 0, 0, 9, 9});
                   },
                   true},
        DamageCase{"ObjectTableOverflows",
                   [](WmfBuilder &b) {
                       for (int i = 0; i < 100; ++i)
                           b.AppendRecord(0x02FC, {0, 0, 0, 0});
                   },
                   true},
        DamageCase{"DeepSaveDcAndRestoreOutOfRange",
                   [](WmfBuilder &b) {
                       for (int i = 0; i < 5000; ++i)
                           b.AppendRecord(0x001E, {});
                       b.AppendRecord(0x0127, {-20000}).AppendRecord(0x0127, {30000}).AppendRecord(0x0127, {0});
                       for (int i = 0; i < 5001; ++i)
                           b.AppendRecord(0x0127, {0xFFFF});
                   },
                   true},
        DamageCase{"ZeroWindowAndViewportExtents",
                   [](WmfBuilder &b) {
                       b.AppendRecord(0x020C, {0, 0})
                           .AppendRecord(0x020E, {0, 0})
                           .AppendRecord(0x0410, {0, 0, 0, 0})
                           .AppendRecord(0x041B, {100, 100, 0, 0});
                   },
                   true},
        DamageCase{"HugeUncompressedBitmapWithoutItsBits",
                   [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib(HugeDib(60000, 60000, 32, 0))); }, true},
        DamageCase{"HugeRleBitmap",
                   [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib(HugeDib(30000, 30000, 8, 1))); }, true},
        DamageCase{"PngClaimingHugeSize",
                   [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib(DibHeader(2, 2, 0, 5) + HugePngHeader())); },
                   true},
        DamageCase{"NegativeAndOddBitmapHeaders",
                   [](WmfBuilder &b) {
                       b.AppendRecord(0x0F43, StretchDib(HugeDib(-5, 5, 24, 0)))
                           .AppendRecord(0x0F43, StretchDib(HugeDib(5, -5, 7, 0)));
                       b.AppendRecord(0x0F43, StretchDib(Words({0xFFFF, 0xFFFF})))
                           .AppendRecord(0x0142, {5, 0} /* pattern brush without a bitmap */);
                   },
                   true},
        DamageCase{"ExcludeClipRectManyTimes",
                   [](WmfBuilder &b) {
                       for (int i = 0; i < 3000; ++i)
                           b.AppendRecord(0x0415, {(i % 90) + 2, (i % 70) + 3, i % 90, i % 70});
                   },
                   true},
        // The check itself can fail: a fill afterwards covers the rectangle.
        DamageCase{"FillAfterwardsCoversIt",
                   [](WmfBuilder &b) {
                       b.AppendRecord(0x02FC, {0, 0xFFFF, 0x00FF, 0})
                           .AppendRecord(0x012D, {2})
                           .AppendRecord(0x041B, {100, 100, 0, 0});
                   },
                   false}),
    CaseName());

TEST(WmfDamageFile, EveryByteFlippedAtATimeIsSafe)
{
    WmfBuilder b;
    b.Placeable(0, 0, 100, 100, 2540);
    NoPenBrush(b, kRed);
    b.AppendRecord(0x0416, {90, 90, 10, 10})
        .AppendRecord(0x0418, {80, 80, 20, 20})
        .AppendRecord(0x0324, {3, 10, 90, 50, 10, 90, 90});
    const QByteArray good = b.Bytes();
    for (qsizetype i = 0; i < good.size(); ++i) {
        QByteArray bad = good;
        bad[i] = char(bad[i] ^ 0xA5);
        RenderWmf(bad, QSize(16, 16)); // must simply return
    }
}
} // namespace
