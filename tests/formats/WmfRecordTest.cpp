// Metafile records drawn into pictures and probed at a few pixels; headers
// that decide the natural size; bitmaps that claim more than they hold; and
// the picture fills the caller's target and leaves the painter as it was.

#include "PictureFixtures.h"
#include "WmfBuilder.h"

#include <functional>
#include <limits>
#include <vector>

namespace {
const QColor kRed(220, 0, 0), kGreen(0, 160, 0), kBlue(0, 0, 220), kWhite(Qt::white), kBlack(Qt::black);

struct Probe {
    QPoint at;
    QColor expected;
};

struct RecordCase {
    const char *name;
    std::function<void(WmfBuilder &)> records;
    std::vector<Probe> probes;
};

void FillAll(WmfBuilder &b) { b.AppendRecord(0x041B, {100, 100, 0, 0}); } // RECTANGLE bottom, right, top, left

// Red, green / blue, white.
QImage Quadrants()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, kRed.rgb());
    image.setPixel(1, 0, kGreen.rgb());
    image.setPixel(0, 1, kBlue.rgb());
    image.setPixel(1, 1, kWhite.rgb());
    return image;
}

// STRETCHDIB over the whole frame: rop, usage, source height, width, y, x,
// then the destination, then the DIB.
QByteArray StretchDib(std::initializer_list<int> source, const QByteArray &dib)
{
    return Words({0x0020, 0x00CC, 0}) + Words(source) + Words({100, 100, 0, 0}) + dib;
}

const std::vector<Probe> kQuadrants = {{{25, 25}, kRed}, {{75, 25}, kGreen}, {{25, 75}, kBlue}, {{75, 75}, kWhite}};

class WmfRecords : public testing::TestWithParam<RecordCase> {};

TEST_P(WmfRecords, DrawWhatTheyStandFor)
{
    WmfBuilder builder;
    builder.Placeable(0, 0, 100, 100, 2540);
    GetParam().records(builder);
    const QImage image = RenderWmf(builder.Bytes(), QSize(100, 100));
    ASSERT_FALSE(image.isNull());
    for (const Probe &p : GetParam().probes)
        EXPECT_TRUE(Near(image.pixelColor(p.at), p.expected))
            << "at (" << p.at.x() << ", " << p.at.y() << ") got " << image.pixelColor(p.at).name().toStdString();
}

// Two squares, one inside the other.
const std::initializer_list<int> kNested = {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, WmfRecords, testing::Values(
    RecordCase{"PolyPolygonAlternateLeavesHole", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0106, {1}).AppendRecord(0x0538, kNested); },
               {{{20, 20}, kRed}, {{50, 50}, kWhite}}},
    RecordCase{"PolyPolygonWindingFillsInside", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0106, {2}).AppendRecord(0x0538, kNested); },
               {{{20, 20}, kRed}, {{50, 50}, kRed}}},
    // From 3 o'clock to 12 o'clock: the upper right quarter.
    RecordCase{"PieRunsCounterClockwise", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x081A, {10, 50, 50, 90, 90, 90, 10, 10}); },
               {{{65, 35}, kRed}, {{35, 35}, kWhite}, {{65, 65}, kWhite}}},
    RecordCase{"ChordCutsAlongTheLine", [](WmfBuilder &b) { NoPenBrush(b, kBlue); b.AppendRecord(0x0830, {10, 50, 50, 90, 90, 90, 10, 10}); },
               {{{75, 25}, kBlue}, {{60, 40}, kWhite}, {{35, 65}, kWhite}}},
    RecordCase{"StretchDibBottomUp", [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib({2, 2, 0, 0}, MakeDib24(Quadrants()))); }, kQuadrants},
    RecordCase{"StretchDibCarryingPng", [](WmfBuilder &b) { const QByteArray png = fixtures::Encode(Quadrants(), "PNG");
        b.AppendRecord(0x0F43, StretchDib({2, 2, 0, 0}, DibHeader(2, 2, 0, 5, int(png.size())) + png)); }, kQuadrants},
    // Source (1, 0) 1 x 1 in a bottom-up DIB counts from the bottom: green.
    RecordCase{"StretchDibSourcePart", [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib({1, 1, 1, 1}, MakeDib24(Quadrants()))); },
               {{{50, 50}, kGreen}}},
    // rop, ySrc, xSrc, height, width, yDest, xDest: the 2 x 2 bitmap at (40, 60)
    RecordCase{"DibBitBltOneToOne", [](WmfBuilder &b) { b.AppendRecord(0x0940, Words({0x0020, 0x00CC, 0, 0, 2, 2, 60, 40}) + MakeDib24(Quadrants())); },
               {{{40, 60}, kRed}, {{41, 61}, kWhite}, {{40, 61}, kBlue}, {{45, 65}, kWhite}}},
    RecordCase{"RestoreDcDropsClip", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x001E, {}).AppendRecord(0x0416, {100, 50, 0, 0}).AppendRecord(0x0127, {0xFFFF}); FillAll(b); },
               {{{25, 50}, kRed}, {{75, 50}, kRed}}},
    // One scan 0..100 high with the span 60..100.
    RecordCase{"SelectClipRegion", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x06FF, {0, 6, 0, 0, 0, 1, 0, 60, 0, 100, 100, 2, 0, 100, 60, 100, 2}).AppendRecord(0x012C, {2}); FillAll(b); },
               {{{80, 50}, kRed}, {{30, 50}, kWhite}}},
    // The lowest 30 units of a flipped window: the image's bottom.
    RecordCase{"FlippedWindowTurnsUpsideDown", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x020B, {100, 0}).AppendRecord(0x020C, {-100, 100}).AppendRecord(0x041B, {30, 100, 0, 0}); },
               {{{50, 90}, kRed}, {{50, 10}, kWhite}}},
    RecordCase{"ViewportChangesAreRelative", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x020E, {200, 200}).AppendRecord(0x020E, {100, 100}); FillAll(b); },  // then half size
               {{{25, 25}, kRed}, {{75, 75}, kWhite}}},
    RecordCase{"ViewportSetFirstInsideSaveDc", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x001E, {}).AppendRecord(0x020E, {200, 200}); FillAll(b); },
               {{{25, 25}, kRed}, {{75, 75}, kRed}}},
    RecordCase{"IsotropicKeepsTheAspect", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x0103, {7}).AppendRecord(0x020C, {50, 100}).AppendRecord(0x041B, {50, 100, 0, 0}); },  // window 100 wide, 50 high
               {{{50, 25}, kRed}, {{50, 75}, kWhite}}},
    RecordCase{"Rop2BlackOverridesColour", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0104, {1}); FillAll(b); }, {{{50, 50}, kBlack}}},
    // The red brush stays selected after its deletion; the blue one takes slot 1.
    RecordCase{"DeletedObjectFreesItsSlot", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x01F0, {1}).AppendRecord(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0}).AppendRecord(0x041B, {50, 100, 0, 0});
        b.AppendRecord(0x012D, {1}).AppendRecord(0x041B, {100, 100, 50, 0}); },
               {{{50, 25}, kRed}, {{50, 75}, kBlue}}},
    RecordCase{"ObjectIndexesOutOfRangeKeepBrush", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x012D, {999}).AppendRecord(0x012D, {16}).AppendRecord(0x012D, {65535}).AppendRecord(0x01F0, {40000}); FillAll(b); },
               {{{50, 50}, kRed}}}),
    CaseName());
// clang-format on

TEST(WmfRecordPattern, DibPatternBrushRepeatsPerPixel)
{
    WmfBuilder builder;
    builder.Placeable(0, 0, 50, 50, 2540); // each metafile unit two pixels
    builder.AppendRecord(0x02FA, {5, 0, 0, 0, 0}).AppendRecord(0x012D, {0});
    builder.AppendRecord(0x0142, Words({5, 0}) + MakeDib24(Quadrants())).AppendRecord(0x012D, {1});
    const QImage image = RenderWmf(builder.AppendRecord(0x041B, {50, 50, 0, 0}).Bytes(), QSize(100, 100));
    // The 2 x 2 pattern tiles the device pixels, not the metafile units:
    // a quarter of the picture each, and neighbours differ.
    for (const QColor &c : {kRed, kGreen, kBlue, kWhite}) {
        EXPECT_GT(InkOf(image, c, false, 10).count, 2200) << c.name().toStdString();
        EXPECT_LT(InkOf(image, c, false, 10).count, 2800) << c.name().toStdString();
    }
    EXPECT_NE(image.pixel(50, 50), image.pixel(51, 50));
}

// Left half red, right half blue, on a 100 x 100 frame.
DecodedPicturePtr HalfAndHalf()
{
    WmfBuilder b;
    b.Placeable(0, 0, 100, 100, 2540);
    NoPenBrush(b, kRed);
    b.AppendRecord(0x041B, {100, 50, 0, 0}).AppendRecord(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0});
    return DecodeWmfPicture(b.AppendRecord(0x012D, {2}).AppendRecord(0x041B, {100, 100, 0, 50}).Bytes());
}

struct TargetCase {
    const char *name;
    QRectF target;
    QPoint red, blue, untouched;
};

class WmfTargets : public testing::TestWithParam<TargetCase> {};

TEST_P(WmfTargets, PictureFillsTheTargetExactlyEveryTime)
{
    const DecodedPicturePtr picture = HalfAndHalf();
    ASSERT_TRUE(picture);
    QImage first = White({200, 100}), second = first;
    for (QImage *image : {&first, &second}) {
        QPainter painter(image);
        picture->Render(painter, GetParam().target);
    }
    EXPECT_TRUE(Near(first.pixelColor(GetParam().red), kRed));
    EXPECT_TRUE(Near(first.pixelColor(GetParam().blue), kBlue));
    EXPECT_TRUE(Near(first.pixelColor(GetParam().untouched), Qt::white));
    EXPECT_EQ(first, second);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, WmfTargets,
    testing::Values(TargetCase{"StretchedTwiceAsWide", {0, 0, 200, 80}, {90, 50}, {110, 50}, {100, 90}},
                    TargetCase{"MirroredByNegativeWidth", {200, 0, -100, 100}, {180, 50}, {120, 50}, {50, 50}}),
    CaseName());

TEST(WmfRender, KeepsTheCallersClipAndStateAndSkipsEmptyTargets)
{
    const DecodedPicturePtr picture = HalfAndHalf();
    ASSERT_TRUE(picture);
    QImage image = White({100, 100});
    QPainter painter(&image);
    painter.setClipRect(QRect(0, 0, 100, 30));
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    painter.scale(2, 2); // the target is in the caller's own coordinates
    const QTransform before = painter.worldTransform();
    const qreal nan = std::numeric_limits<qreal>::quiet_NaN(), inf = std::numeric_limits<qreal>::infinity();
    for (const QRectF &target : {QRectF(0, 0, 0, 100), QRectF(0, 0, nan, 100), QRectF(inf, 0, 100, 100)})
        picture->Render(painter, target);
    EXPECT_EQ(image, White({100, 100}));
    picture->Render(painter, QRectF(0, 0, 50, 50));
    EXPECT_EQ(painter.worldTransform(), before);
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_TRUE(painter.hasClipping());
    painter.end();
    EXPECT_TRUE(Near(image.pixelColor(20, 10), kRed));
    EXPECT_TRUE(Near(image.pixelColor(80, 10), kBlue));
    EXPECT_TRUE(Near(image.pixelColor(20, 60), Qt::white)); // outside the caller's clip
}

struct HeaderCase {
    const char *name;
    QByteArray bytes;
    QSize natural = {}; // empty: must not decode
};

QByteArray Placeable(int left, int top, int right, int bottom, int perInch)
{
    return WmfBuilder().Placeable(left, top, right, bottom, perInch).Bytes();
}

class WmfHeaders : public testing::TestWithParam<HeaderCase> {};

TEST_P(WmfHeaders, DecideTheNaturalSize)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(GetParam().bytes);
    EXPECT_EQ(picture ? picture->NaturalSizeHimetric() : QSize(), GetParam().natural);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, WmfHeaders,
    testing::Values(HeaderCase{"PlaceableRoundsToNearest", Placeable(0, 0, 2540, 1000, 1440), {4480, 1764}},
                    HeaderCase{"PlaceableWithOffsetFrame", Placeable(-100, 50, 900, 550, 1000), {2540, 1270}},
                    HeaderCase{"PlaceableZeroPerInchCountsTwips", Placeable(0, 0, 1440, 1440, 0), {2540, 2540}},
                    HeaderCase{"PlaceableEmptyFrameWithoutWindow", Placeable(0, 0, 0, 0, 1440), {}},
                    HeaderCase{"PlainNegativeWindowInTwips",
                               WmfBuilder().AppendRecord(0x020B, {0, 0}).AppendRecord(0x020C, {720, -1440}).Bytes(),
                               {2540, 1270}},
                    HeaderCase{"PlainWithoutWindow", WmfBuilder().AppendRecord(0x041B, {1, 1, 0, 0}).Bytes(), {}},
                    HeaderCase{"PlaceableKeyOnly", QByteArray("\xD7\xCD\xC6\x9A", 4), {}}),
    CaseName());

// A STRETCHDIB whose bitmap claims far more than the record holds, after a
// red rectangle: the rectangle still shows, and nothing huge is allocated.
class WmfBitmapBombs : public testing::TestWithParam<HeaderCase> {};

TEST_P(WmfBitmapBombs, DrawWhatComesBeforeThem)
{
    WmfBuilder b;
    b.Placeable(0, 0, 100, 100, 2540);
    NoPenBrush(b, kRed);
    b.AppendRecord(0x041B, {50, 50, 0, 0}).AppendRecord(0x0F43, StretchDib({100, 100, 0, 0}, GetParam().bytes));
    const QImage image = RenderWmf(b.Bytes(), QSize(100, 100));
    ASSERT_FALSE(image.isNull());
    EXPECT_TRUE(Near(image.pixelColor(25, 25), kRed));
}

// A well-formed PNG start whose header says 100000 x 100000 pixels.
QByteArray HugePng()
{
    const QByteArray chunk = QByteArray("IHDR\0\x01\x86\xA0\0\x01\x86\xA0\x08\x02\0\0\0", 17);
    const quint32 crc = fixtures::Crc32(chunk);
    return QByteArray("\x89PNG\r\n\x1A\n\0\0\0\x0D", 12) + chunk
           + QByteArray::fromHex(QByteArray::number(crc, 16).rightJustified(8, '0'));
}

INSTANTIATE_TEST_SUITE_P(
    Bitmaps, WmfBitmapBombs,
    testing::Values(HeaderCase{"UncompressedWithoutItsBits", DibHeader(60000, 60000, 32) + QByteArray(64, 1)},
                    HeaderCase{"RunLengthEncoded", DibHeader(30000, 30000, 8, 1) + QByteArray(64, 1)},
                    HeaderCase{"PngClaimingHugeSize", DibHeader(2, 2, 0, 5) + HugePng()}),
    CaseName());
} // namespace
