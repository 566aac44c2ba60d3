// Each record family, written byte by byte, must draw what it stands for
// on a 100 x 100 picture whose metafile units are the image's pixels; and
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

QImage Quadrants()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(220, 0, 0));
    image.setPixel(1, 0, qRgb(0, 160, 0));
    image.setPixel(0, 1, qRgb(0, 0, 220));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    return image;
}

// STRETCHDIB: rop, usage, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
QByteArray StretchDib(std::initializer_list<int> source, const QByteArray &dib)
{
    return Words({0x0020, 0x00CC, 0}) + Words(source) + Words({100, 100, 0, 0}) + dib;
}

const std::vector<Probe> kQuadrantProbes = {
    {{25, 25}, kRed}, {{75, 25}, kGreen}, {{25, 75}, kBlue}, {{75, 75}, kWhite}};

class WmfRecordFamilies : public testing::TestWithParam<RecordCase> {};

TEST_P(WmfRecordFamilies, DrawWhatTheyStandFor)
{
    WmfBuilder builder;
    builder.Placeable(0, 0, 100, 100, 2540);
    GetParam().records(builder);
    const QImage image = RenderWmf(builder.Bytes(), QSize(100, 100));
    ASSERT_FALSE(image.isNull());
    for (const Probe &p : GetParam().probes)
        EXPECT_TRUE(Near(image.pixelColor(p.at), p.expected))
            << "at (" << p.at.x() << ", " << p.at.y() << ") got " << image.pixelColor(p.at).name().toStdString()
            << ", expected " << p.expected.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Records, WmfRecordFamilies, testing::Values(
    RecordCase{"Rectangle", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x041B, {80, 80, 20, 20}); },
               {{{50, 50}, kRed}, {{10, 10}, kWhite}, {{90, 50}, kWhite}}},
    RecordCase{"Ellipse", [](WmfBuilder &b) { NoPenBrush(b, kGreen); b.AppendRecord(0x0418, {90, 90, 10, 10}); },
               {{{50, 50}, kGreen}, {{13, 13}, kWhite}, {{50, 12}, kGreen}}},
    RecordCase{"Polygon", [](WmfBuilder &b) { NoPenBrush(b, kBlue); b.AppendRecord(0x0324, {3, 10, 90, 50, 10, 90, 90}); },
               {{{50, 70}, kBlue}, {{15, 20}, kWhite}, {{85, 20}, kWhite}}},
    RecordCase{"PolyPolygonAlternateLeavesHole", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0106, {1});
        b.AppendRecord(0x0538, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70}); },
               {{{20, 20}, kRed}, {{50, 50}, kWhite}}},
    RecordCase{"PolyPolygonWindingFillsInside", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0106, {2});
        b.AppendRecord(0x0538, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70}); },
               {{{20, 20}, kRed}, {{50, 50}, kRed}}},
    RecordCase{"PolylineWidePen", [](WmfBuilder &b) { PenNoBrush(b, kRed, 10); b.AppendRecord(0x0325, {2, 10, 50, 90, 50}); },
               {{{50, 50}, kRed}, {{50, 53}, kRed}, {{50, 30}, kWhite}}},
    RecordCase{"MoveToLineTo", [](WmfBuilder &b) { PenNoBrush(b, kBlue, 6); b.AppendRecord(0x0214, {10, 50}).AppendRecord(0x0213, {90, 50}); },
               {{{50, 20}, kBlue}, {{50, 80}, kBlue}, {{30, 50}, kWhite}}},  // y, x
    RecordCase{"RoundRectCutsCorners", [](WmfBuilder &b) { NoPenBrush(b, kGreen); b.AppendRecord(0x061C, {60, 60, 90, 90, 10, 10}); },
               {{{50, 50}, kGreen}, {{13, 13}, kWhite}, {{50, 12}, kGreen}}},
    // From 3 o'clock to 12 o'clock: the upper right quarter.
    RecordCase{"PieRunsCounterClockwise", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x081A, {10, 50, 50, 90, 90, 90, 10, 10}); },
               {{{65, 35}, kRed}, {{35, 35}, kWhite}, {{65, 65}, kWhite}}},
    RecordCase{"ChordCutsAlongTheLine", [](WmfBuilder &b) { NoPenBrush(b, kBlue); b.AppendRecord(0x0830, {10, 50, 50, 90, 90, 90, 10, 10}); },
               {{{75, 25}, kBlue}, {{60, 40}, kWhite}, {{35, 65}, kWhite}}},
    RecordCase{"ArcIsOnlyAnOutline", [](WmfBuilder &b) { PenNoBrush(b, kRed, 4); b.AppendRecord(0x0817, {10, 50, 50, 90, 90, 90, 10, 10}); },
               {{{78, 22}, kRed}, {{65, 35}, kWhite}, {{22, 78}, kWhite}}},
    RecordCase{"NullBrushFillsNothing", [](WmfBuilder &b) { NoPenBrush(b, kRed, 1); FillAll(b); }, {{{50, 50}, kWhite}}},
    RecordCase{"StretchDibBottomUp", [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib({2, 2, 0, 0}, MakeDib24(Quadrants()))); },
               kQuadrantProbes},
    RecordCase{"DibStretchBlt", [](WmfBuilder &b) {
        b.AppendRecord(0x0B41, Words({0x0020, 0x00CC, 2, 2, 0, 0, 100, 100, 0, 0}) + MakeDib24(Quadrants())); }, kQuadrantProbes},
    RecordCase{"StretchDibCarryingPng", [](WmfBuilder &b) {
        b.AppendRecord(0x0F43, StretchDib({2, 2, 0, 0}, MakeDibPng(fixtures::Encode(Quadrants(), "PNG"), 2, 2))); }, kQuadrantProbes},
    // rop, ySrc, xSrc, height, width, yDest, xDest: the 2 x 2 bitmap at (40, 60)
    RecordCase{"DibBitBltOneToOne", [](WmfBuilder &b) {
        b.AppendRecord(0x0940, Words({0x0020, 0x00CC, 0, 0, 2, 2, 60, 40}) + MakeDib24(Quadrants())); },
               {{{40, 60}, kRed}, {{41, 61}, kWhite}, {{40, 61}, kBlue}, {{45, 65}, kWhite}}},
    // Source (1, 0) 1 x 1 in a bottom-up DIB counts from the bottom: green.
    RecordCase{"StretchDibSourcePart", [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib({1, 1, 1, 1}, MakeDib24(Quadrants()))); },
               {{{50, 50}, kGreen}}},
    RecordCase{"PatBltPatCopy", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x061D, {0x0021, 0x00F0, 40, 40, 30, 30}); },
               {{{50, 50}, kRed}, {{20, 20}, kWhite}}},  // rop, h, w, y, x
    RecordCase{"BitBltWithoutBitmapBlackness", [](WmfBuilder &b) { b.AppendRecord(0x0922, {0x0042, 0x0000, 0, 0, 0, 50, 50, 25, 25}); },
               {{{50, 50}, kBlack}, {{10, 10}, kWhite}}},
    RecordCase{"IntersectClipRect", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0416, {100, 50, 0, 0}); FillAll(b); },
               {{{25, 50}, kRed}, {{75, 50}, kWhite}}},
    RecordCase{"ExcludeClipRect", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0415, {60, 60, 40, 40}); FillAll(b); },
               {{{20, 20}, kRed}, {{50, 50}, kWhite}}},
    RecordCase{"RestoreDcDropsClip", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x001E, {}).AppendRecord(0x0416, {100, 50, 0, 0}).AppendRecord(0x0127, {0xFFFF}); FillAll(b); },
               {{{25, 50}, kRed}, {{75, 50}, kRed}}},
    RecordCase{"RestoreDcBringsBackBrush", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x001E, {});
        b.AppendRecord(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0}).AppendRecord(0x012D, {2}).AppendRecord(0x0127, {0xFFFF}); FillAll(b); },
               {{{50, 50}, kRed}}},
    // One scan 0..100 high with the span 60..100.
    RecordCase{"SelectClipRegion", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x06FF, {0, 6, 0, 0, 0, 1, 0, 60, 0, 100, 100, 2, 0, 100, 60, 100, 2}).AppendRecord(0x012C, {2}); FillAll(b); },
               {{{80, 50}, kRed}, {{30, 50}, kWhite}}},
    RecordCase{"WindowExtScales", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x020B, {0, 0}).AppendRecord(0x020C, {50, 50}).AppendRecord(0x041B, {25, 25, 0, 0}); },
               {{{40, 40}, kRed}, {{60, 60}, kWhite}}},
    RecordCase{"WindowOrgShifts", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x020B, {50, 50}).AppendRecord(0x041B, {100, 100, 50, 50}); },
               {{{25, 25}, kRed}, {{75, 75}, kWhite}}},
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
    RecordCase{"Rop2NopDrawsNothing", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0104, {11}); FillAll(b); }, {{{50, 50}, kWhite}}},
    RecordCase{"Rop2BlackOverridesColour", [](WmfBuilder &b) { NoPenBrush(b, kRed); b.AppendRecord(0x0104, {1}); FillAll(b); }, {{{50, 50}, kBlack}}},
    // The red brush stays selected after its deletion; the blue one takes slot 1.
    RecordCase{"DeletedObjectFreesItsSlot", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x01F0, {1}).AppendRecord(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0}).AppendRecord(0x041B, {50, 100, 0, 0});
        b.AppendRecord(0x012D, {1}).AppendRecord(0x041B, {100, 100, 50, 0}); },
               {{{50, 25}, kRed}, {{50, 75}, kBlue}}},
    RecordCase{"ObjectIndexesOutOfRangeKeepBrush", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x012D, {999}).AppendRecord(0x012D, {7}).AppendRecord(0x012D, {16}).AppendRecord(0x012D, {65535}).AppendRecord(0x01F0, {65535}).AppendRecord(0x01F0, {40000});
        b.AppendRecord(0x012C, {999}).AppendRecord(0x0234, {77}).AppendRecord(0x0228, {500, 600}); FillAll(b); },
               {{{50, 50}, kRed}}},
    RecordCase{"UnknownRecordsSkipped", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x0626, {15, 4, 0x4D57, 0x4346}).AppendRecord(0x7777, {1, 2, 3}); FillAll(b); },
               {{{50, 50}, kRed}}}),
    CaseName());

TEST(WmfRecordHatch, HatchedBrushOverOpaqueBackground)
{
    WmfBuilder builder;
    builder.Placeable(0, 0, 100, 100, 2540);
    NoPenBrush(builder, kBlack, 2, 0); // BS_HATCHED, HS_HORIZONTAL
    builder.AppendRecord(0x0201, {ColorLow(kGreen), ColorHigh(kGreen)}).AppendRecord(0x0102, {2});
    FillAll(builder);
    const QImage image = RenderWmf(builder.Bytes(), QSize(100, 100));
    // Lines one pixel high every few pixels, the background between them;
    // horizontal, so a row is all line or all background.
    EXPECT_GT(CountNear(image, kGreen), 6000);
    EXPECT_GT(CountNear(image, kBlack), 600);
    EXPECT_LT(CountNear(image, kBlack), 3000);
    EXPECT_EQ(Near(image.pixelColor(20, 40), kBlack), Near(image.pixelColor(80, 40), kBlack));
}

TEST(WmfRecordPattern, DibPatternBrushRepeatsPerPixel)
{
    WmfBuilder builder;
    builder.Placeable(0, 0, 50, 50, 2540); // each metafile unit two pixels
    builder.AppendRecord(0x02FA, {5, 0, 0, 0, 0}).AppendRecord(0x012D, {0});
    builder.AppendRecord(0x0142, Words({5, 0}) + MakeDib24(Quadrants()))
        .AppendRecord(0x012D, {1})
        .AppendRecord(0x041B, {50, 50, 0, 0});
    const QImage image = RenderWmf(builder.Bytes(), QSize(100, 100));
    // The 2 x 2 pattern tiles the device pixels, not the metafile units:
    // a quarter of the picture each, and neighbours differ.
    for (const QColor &c : {kRed, kGreen, kBlue, kWhite}) {
        EXPECT_GT(CountNear(image, c, 10), 2200) << c.name().toStdString();
        EXPECT_LT(CountNear(image, c, 10), 2800) << c.name().toStdString();
    }
    EXPECT_NE(image.pixel(50, 50), image.pixel(51, 50));
}

// --- what every caller of Render relies on -------------------------------------

// Left half red, right half blue, on a 100 x 100 frame.
DecodedPicturePtr HalfAndHalf()
{
    WmfBuilder b;
    b.Placeable(0, 0, 100, 100, 2540);
    NoPenBrush(b, kRed);
    b.AppendRecord(0x041B, {100, 50, 0, 0});
    b.AppendRecord(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0})
        .AppendRecord(0x012D, {2})
        .AppendRecord(0x041B, {100, 100, 0, 50});
    return DecodeWmfPicture(b.Bytes());
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
    testing::Values(
        TargetCase{"StretchedTwiceAsWide", {0, 0, 200, 80}, {90, 50}, {110, 50}, {100, 90}}, // not kept in aspect
        TargetCase{"Offset", {100, 20, 100, 60}, {140, 50}, {160, 50}, {50, 50}},
        TargetCase{"MirroredByNegativeWidth", {200, 0, -100, 100}, {180, 50}, {120, 50}, {50, 50}}),
    CaseName());

TEST(WmfRender, KeepsTheCallersClipAndState)
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
    picture->Render(painter, QRectF(0, 0, 50, 50));
    EXPECT_EQ(painter.worldTransform(), before);
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_TRUE(painter.hasClipping());
    painter.end();
    EXPECT_TRUE(Near(image.pixelColor(20, 10), kRed));
    EXPECT_TRUE(Near(image.pixelColor(80, 10), kBlue));
    EXPECT_TRUE(Near(image.pixelColor(20, 60), Qt::white)); // outside the caller's clip
}

TEST(WmfRender, EmptyOrNonFiniteTargetDrawsNothing)
{
    const DecodedPicturePtr picture = HalfAndHalf();
    ASSERT_TRUE(picture);
    QImage image = White({100, 100});
    QPainter painter(&image);
    const qreal nan = std::numeric_limits<qreal>::quiet_NaN(), inf = std::numeric_limits<qreal>::infinity();
    for (const QRectF &target : {QRectF(0, 0, 0, 100), QRectF(0, 0, 100, 0), QRectF(0, 0, nan, 100),
                                 QRectF(inf, 0, 100, 100), QRectF(0, 0, 100, -inf)})
        picture->Render(painter, target);
    painter.end();
    EXPECT_EQ(image, White({100, 100}));
}
} // namespace
