// Each record family, written byte by byte, must draw what it stands for
// on a 100 x 100 picture whose metafile units are the image's pixels.

#include "WmfBuilder.h"
#include "WmfTestImages.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

const QColor kRed(220, 0, 0), kGreen(0, 160, 0), kBlue(0, 0, 220), kWhite(Qt::white),
    kBlack(Qt::black);

struct Probe {
    QPoint at;
    QColor expected;
};

struct RecordCase {
    const char *name;
    std::function<void(WmfBuilder &)> records;
    std::vector<Probe> probes;
};

void PrintTo(const RecordCase &c, std::ostream *os) { *os << c.name; }

// Object slots: the pen takes 0, the brush 1 (lowest free index first).
void NoPenBrush(WmfBuilder &b, QColor color, int style = 0, int hatch = 0)
{
    b.record(0x02FA, {5, 0, 0, 0, 0}).record(0x012D, {0});
    b.record(0x02FC, {style, ColorLow(color), ColorHigh(color), hatch}).record(0x012D, {1});
}

void PenNoBrush(WmfBuilder &b, QColor color, int width)
{
    b.record(0x02FA, {0, width, 0, ColorLow(color), ColorHigh(color)}).record(0x012D, {0});
    b.record(0x02FC, {1, 0, 0, 0}).record(0x012D, {1});
}

void FillAll(WmfBuilder &b)
{
    b.record(0x041B, {100, 100, 0, 0});  // RECTANGLE bottom, right, top, left
}

QImage Quadrants()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(220, 0, 0));
    image.setPixel(1, 0, qRgb(0, 160, 0));
    image.setPixel(0, 1, qRgb(0, 0, 220));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    return image;
}

QByteArray Png(const QImage &image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

QByteArray Words(std::initializer_list<int> words)
{
    QByteArray b;
    for (int w : words)
        WmfBuilder::AppendWord(b, quint16(w));
    return b;
}

const std::vector<Probe> kQuadrantProbes = {
    {{25, 25}, kRed}, {{75, 25}, kGreen}, {{25, 75}, kBlue}, {{75, 75}, kWhite}};

class WmfRecordFamilies : public testing::TestWithParam<RecordCase> {};

TEST_P(WmfRecordFamilies, DrawWhatTheyStandFor)
{
    WmfBuilder builder;
    builder.placeable(0, 0, 100, 100, 2540);
    GetParam().records(builder);
    const QImage image = RenderWmf(builder.bytes(), QSize(100, 100));
    ASSERT_FALSE(image.isNull());
    for (const Probe &p : GetParam().probes) {
        const QColor got = image.pixelColor(p.at);
        EXPECT_TRUE(Near(got, p.expected))
            << "at (" << p.at.x() << ", " << p.at.y() << ") got " << got.name().toStdString()
            << ", expected " << p.expected.name().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Records, WmfRecordFamilies, testing::Values(
    RecordCase{"Rectangle", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x041B, {80, 80, 20, 20});
    }, {{{50, 50}, kRed}, {{10, 10}, kWhite}, {{90, 50}, kWhite}}},
    RecordCase{"Ellipse", [](WmfBuilder &b) {
        NoPenBrush(b, kGreen);
        b.record(0x0418, {90, 90, 10, 10});
    }, {{{50, 50}, kGreen}, {{13, 13}, kWhite}, {{50, 12}, kGreen}}},
    RecordCase{"Polygon", [](WmfBuilder &b) {
        NoPenBrush(b, kBlue);
        b.record(0x0324, {3, 10, 90, 50, 10, 90, 90});
    }, {{{50, 70}, kBlue}, {{15, 20}, kWhite}, {{85, 20}, kWhite}}},
    RecordCase{"PolyPolygonAlternateLeavesHole", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x0106, {1});
        b.record(0x0538, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70});
    }, {{{20, 20}, kRed}, {{50, 50}, kWhite}}},
    RecordCase{"PolyPolygonWindingFillsInside", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x0106, {2});
        b.record(0x0538, {2, 4, 4, 10, 10, 90, 10, 90, 90, 10, 90, 30, 30, 70, 30, 70, 70, 30, 70});
    }, {{{20, 20}, kRed}, {{50, 50}, kRed}}},
    RecordCase{"PolylineWidePen", [](WmfBuilder &b) {
        PenNoBrush(b, kRed, 10);
        b.record(0x0325, {2, 10, 50, 90, 50});
    }, {{{50, 50}, kRed}, {{50, 53}, kRed}, {{50, 30}, kWhite}}},
    RecordCase{"MoveToLineTo", [](WmfBuilder &b) {
        PenNoBrush(b, kBlue, 6);
        b.record(0x0214, {10, 50}).record(0x0213, {90, 50});  // y, x
    }, {{{50, 20}, kBlue}, {{50, 80}, kBlue}, {{30, 50}, kWhite}}},
    RecordCase{"RoundRectCutsCorners", [](WmfBuilder &b) {
        NoPenBrush(b, kGreen);
        b.record(0x061C, {60, 60, 90, 90, 10, 10});  // height, width, bottom, right, top, left
    }, {{{50, 50}, kGreen}, {{13, 13}, kWhite}, {{50, 12}, kGreen}}},
    RecordCase{"PieRunsCounterClockwise", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        // From 3 o'clock to 12 o'clock: the upper right quarter.
        b.record(0x081A, {10, 50, 50, 90, 90, 90, 10, 10});
    }, {{{65, 35}, kRed}, {{35, 35}, kWhite}, {{65, 65}, kWhite}}},
    RecordCase{"ChordCutsAlongTheLine", [](WmfBuilder &b) {
        NoPenBrush(b, kBlue);
        b.record(0x0830, {10, 50, 50, 90, 90, 90, 10, 10});
    }, {{{75, 25}, kBlue}, {{60, 40}, kWhite}, {{35, 65}, kWhite}}},
    RecordCase{"ArcIsOnlyAnOutline", [](WmfBuilder &b) {
        PenNoBrush(b, kRed, 4);
        b.record(0x0817, {10, 50, 50, 90, 90, 90, 10, 10});
    }, {{{78, 22}, kRed}, {{65, 35}, kWhite}, {{22, 78}, kWhite}}},
    RecordCase{"NullBrushFillsNothing", [](WmfBuilder &b) {
        NoPenBrush(b, kRed, 1);
        FillAll(b);
    }, {{{50, 50}, kWhite}}},
    RecordCase{"StretchDibBottomUp", [](WmfBuilder &b) {
        // rop, usage, srcH, srcW, ySrc, xSrc, destH, destW, yDest, xDest, DIB
        b.record(0x0F43, Words({0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0}) + MakeDib24(Quadrants()));
    }, kQuadrantProbes},
    RecordCase{"DibStretchBlt", [](WmfBuilder &b) {
        b.record(0x0B41, Words({0x0020, 0x00CC, 2, 2, 0, 0, 100, 100, 0, 0}) + MakeDib24(Quadrants()));
    }, kQuadrantProbes},
    RecordCase{"StretchDibCarryingPng", [](WmfBuilder &b) {
        b.record(0x0F43, Words({0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0})
                             + MakeDibPng(Png(Quadrants()), 2, 2));
    }, kQuadrantProbes},
    RecordCase{"DibBitBltOneToOne", [](WmfBuilder &b) {
        // rop, ySrc, xSrc, height, width, yDest, xDest: the 2 x 2 bitmap at (40, 60)
        b.record(0x0940, Words({0x0020, 0x00CC, 0, 0, 2, 2, 60, 40}) + MakeDib24(Quadrants()));
    }, {{{40, 60}, kRed}, {{41, 61}, kWhite}, {{40, 61}, kBlue}, {{45, 65}, kWhite}}},
    RecordCase{"StretchDibSourcePart", [](WmfBuilder &b) {
        // Source (1, 0) 1 x 1 in a bottom-up DIB counts from the bottom: green.
        b.record(0x0F43, Words({0x0020, 0x00CC, 0, 1, 1, 1, 1, 100, 100, 0, 0}) + MakeDib24(Quadrants()));
    }, {{{50, 50}, kGreen}}},
    RecordCase{"PatBltPatCopy", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x061D, {0x0021, 0x00F0, 40, 40, 30, 30});  // rop, h, w, y, x
    }, {{{50, 50}, kRed}, {{20, 20}, kWhite}}},
    RecordCase{"BitBltWithoutBitmapBlackness", [](WmfBuilder &b) {
        b.record(0x0922, {0x0042, 0x0000, 0, 0, 0, 50, 50, 25, 25});
    }, {{{50, 50}, kBlack}, {{10, 10}, kWhite}}},
    RecordCase{"IntersectClipRect", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x0416, {100, 50, 0, 0});
        FillAll(b);
    }, {{{25, 50}, kRed}, {{75, 50}, kWhite}}},
    RecordCase{"ExcludeClipRect", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x0415, {60, 60, 40, 40});
        FillAll(b);
    }, {{{20, 20}, kRed}, {{50, 50}, kWhite}}},
    RecordCase{"RestoreDcDropsClip", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x001E, {}).record(0x0416, {100, 50, 0, 0}).record(0x0127, {0xFFFF});
        FillAll(b);
    }, {{{25, 50}, kRed}, {{75, 50}, kRed}}},
    RecordCase{"RestoreDcBringsBackBrush", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x001E, {});
        b.record(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0}).record(0x012D, {2});
        b.record(0x0127, {0xFFFF});
        FillAll(b);
    }, {{{50, 50}, kRed}}},
    RecordCase{"SelectClipRegion", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        // One scan 0..100 high with the span 60..100.
        b.record(0x06FF, {0, 6, 0, 0, 0, 1, 0, 60, 0, 100, 100, 2, 0, 100, 60, 100, 2});
        b.record(0x012C, {2});
        FillAll(b);
    }, {{{80, 50}, kRed}, {{30, 50}, kWhite}}},
    RecordCase{"WindowExtScales", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x020B, {0, 0}).record(0x020C, {50, 50});
        b.record(0x041B, {25, 25, 0, 0});
    }, {{{40, 40}, kRed}, {{60, 60}, kWhite}}},
    RecordCase{"WindowOrgShifts", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x020B, {50, 50});  // y, x
        b.record(0x041B, {100, 100, 50, 50});
    }, {{{25, 25}, kRed}, {{75, 75}, kWhite}}},
    RecordCase{"FlippedWindowTurnsUpsideDown", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x020B, {100, 0}).record(0x020C, {-100, 100});
        b.record(0x041B, {30, 100, 0, 0});  // the lowest 30 units: the image's bottom
    }, {{{50, 90}, kRed}, {{50, 10}, kWhite}}},
    RecordCase{"ViewportChangesAreRelative", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x020E, {200, 200}).record(0x020E, {100, 100});  // then half size
        FillAll(b);
    }, {{{25, 25}, kRed}, {{75, 75}, kWhite}}},
    RecordCase{"ViewportSetFirstInsideSaveDc", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x001E, {}).record(0x020E, {200, 200});
        FillAll(b);
    }, {{{25, 25}, kRed}, {{75, 75}, kRed}}},
    RecordCase{"IsotropicKeepsTheAspect", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x0103, {7}).record(0x020C, {50, 100});  // window 100 wide, 50 high
        b.record(0x041B, {50, 100, 0, 0});
    }, {{{50, 25}, kRed}, {{50, 75}, kWhite}}},
    RecordCase{"Rop2NopDrawsNothing", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x0104, {11});
        FillAll(b);
    }, {{{50, 50}, kWhite}}},
    RecordCase{"Rop2BlackOverridesColour", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x0104, {1});
        FillAll(b);
    }, {{{50, 50}, kBlack}}},
    RecordCase{"DeletedObjectFreesItsSlot", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x01F0, {1});  // the red brush stays selected
        b.record(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0});  // takes slot 1
        b.record(0x041B, {50, 100, 0, 0});
        b.record(0x012D, {1});
        b.record(0x041B, {100, 100, 50, 0});
    }, {{{50, 25}, kRed}, {{50, 75}, kBlue}}},
    RecordCase{"SelectingOutOfRangeKeepsBrush", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x012D, {999}).record(0x012D, {7}).record(0x01F0, {65535});
        FillAll(b);
    }, {{{50, 50}, kRed}}},
    RecordCase{"UnknownRecordsSkipped", [](WmfBuilder &b) {
        NoPenBrush(b, kRed);
        b.record(0x0626, {15, 4, 0x4D57, 0x4346}).record(0x7777, {1, 2, 3});
        FillAll(b);
    }, {{{50, 50}, kRed}}}
), [](const testing::TestParamInfo<RecordCase> &info) { return std::string(info.param.name); });

TEST(WmfRecordHatch, HatchedBrushOverOpaqueBackground)
{
    WmfBuilder builder;
    builder.placeable(0, 0, 100, 100, 2540);
    NoPenBrush(builder, kBlack, 2, 0);  // BS_HATCHED, HS_HORIZONTAL
    builder.record(0x0201, {ColorLow(kGreen), ColorHigh(kGreen)}).record(0x0102, {2});
    FillAll(builder);
    const QImage image = RenderWmf(builder.bytes(), QSize(100, 100));
    const int green = CountNear(image, kGreen);
    const int black = CountNear(image, kBlack);
    // Lines one pixel high every few pixels, the background between them.
    EXPECT_GT(green, 6000);
    EXPECT_GT(black, 600);
    EXPECT_LT(black, 3000);
    // Horizontal: a row is all line or all background.
    EXPECT_EQ(Near(image.pixelColor(20, 40), kBlack), Near(image.pixelColor(80, 40), kBlack));
}

TEST(WmfRecordPattern, DibPatternBrushRepeatsPerPixel)
{
    WmfBuilder builder;
    builder.placeable(0, 0, 50, 50, 2540);  // each metafile unit two pixels
    builder.record(0x02FA, {5, 0, 0, 0, 0}).record(0x012D, {0});
    builder.record(0x0142, Words({5, 0}) + MakeDib24(Quadrants())).record(0x012D, {1});
    builder.record(0x041B, {50, 50, 0, 0});
    const QImage image = RenderWmf(builder.bytes(), QSize(100, 100));
    // The 2 x 2 pattern tiles the device pixels, not the metafile units:
    // a quarter of the picture each, and neighbours differ.
    for (const QColor &c : {kRed, kGreen, kBlue, kWhite}) {
        EXPECT_GT(CountNear(image, c, 10), 2200) << c.name().toStdString();
        EXPECT_LT(CountNear(image, c, 10), 2800) << c.name().toStdString();
    }
    EXPECT_NE(image.pixel(50, 50), image.pixel(51, 50));
}

} // namespace
