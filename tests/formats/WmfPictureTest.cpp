// The metafile player: records drawn into pictures and probed at a few
// pixels; text in the book's code page; headers that decide the natural
// size; bitmaps that claim more than they hold; the painter left as the
// caller set it; and files of an office program against their drawings.

#include "PictureFixtures.h"
#include "TestFiles.h"
#include "WmfBuilder.h"

#include <QFont>
#include <QSvgRenderer>

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
QImage Quadrants() { return fixtures::TwoByTwo(kRed.rgb(), kGreen.rgb(), kBlue.rgb(), kWhite.rgb()); }

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
    RecordCase{"StretchDibBottomUp", [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib({2, 2, 0, 0}, MakeDib24(Quadrants()))); }, kQuadrants},
    // Source (1, 0) 1 x 1 in a bottom-up DIB counts from the bottom: green.
    RecordCase{"StretchDibSourcePart", [](WmfBuilder &b) { b.AppendRecord(0x0F43, StretchDib({1, 1, 1, 1}, MakeDib24(Quadrants()))); },
               {{{50, 50}, kGreen}}},
    RecordCase{"RestoreDcDropsClip", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x001E, {}).AppendRecord(0x0416, {100, 50, 0, 0}).AppendRecord(0x0127, {0xFFFF}); FillAll(b); },
               {{{25, 50}, kRed}, {{75, 50}, kRed}}},
    // The lowest 30 units of a flipped window: the image's bottom.
    RecordCase{"FlippedWindowTurnsUpsideDown", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x020B, {100, 0}).AppendRecord(0x020C, {-100, 100}).AppendRecord(0x041B, {30, 100, 0, 0}); },
               {{{50, 90}, kRed}, {{50, 10}, kWhite}}},
    RecordCase{"ViewportSetFirstInsideSaveDc", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x001E, {}).AppendRecord(0x020E, {200, 200}); FillAll(b); },
               {{{25, 25}, kRed}, {{75, 75}, kRed}}},
    // The red brush stays selected after its deletion; the blue one takes slot 1.
    RecordCase{"DeletedObjectFreesItsSlot", [](WmfBuilder &b) { NoPenBrush(b, kRed);
        b.AppendRecord(0x01F0, {1}).AppendRecord(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0}).AppendRecord(0x041B, {50, 100, 0, 0});
        b.AppendRecord(0x012D, {1}).AppendRecord(0x041B, {100, 100, 50, 0}); },
               {{{50, 25}, kRed}, {{50, 75}, kBlue}}}),
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
        EXPECT_GT(CountNear(image, c, 10), 2200) << c.name().toStdString();
        EXPECT_LT(CountNear(image, c, 10), 2800) << c.name().toStdString();
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
                    HeaderCase{"PlaceableZeroPerInchCountsTwips", Placeable(0, 0, 1440, 1440, 0), {2540, 2540}},
                    HeaderCase{"PlaceableEmptyFrameWithoutWindow", Placeable(0, 0, 0, 0, 1440), {}},
                    HeaderCase{"PlainNegativeWindowInTwips",
                               WmfBuilder().AppendRecord(0x020B, {0, 0}).AppendRecord(0x020C, {720, -1440}).Bytes(),
                               {2540, 1270}},
                    HeaderCase{"PlainWithoutWindow", WmfBuilder().AppendRecord(0x041B, {1, 1, 0, 0}).Bytes(), {}}),
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
// "中文" in GBK bytes drawn by TEXTOUT at (10, 60) on its baseline into a
// 200 x 100 picture, with a font record of the height, charset and face.
QImage GbkText(int charset, int height = -30, const QByteArray &face = "DejaVu Sans")
{
    WmfBuilder b;
    b.Placeable(0, 0, 200, 100, 2540);
    b.AppendRecord(0x02FB, Words({height, 0, 0, 0, 400}) + QByteArray(3, '\0') + char(charset) + QByteArray(4, '\0')
                               + face.leftJustified(32, '\0'));
    b.AppendRecord(0x012D, {0}).AppendRecord(0x0102, {1}).AppendRecord(0x012E, {24});
    return RenderWmf(b.AppendRecord(0x0521, Words({4}) + "\xD6\xD0\xCE\xC4" + Words({60, 10})).Bytes(), {200, 100});
}

TEST(WmfText, GbkBytesInCharset134DrawChineseAndTheDefaultCharsetIsGbk)
{
    // Drawn through the metafile and directly by Qt with the same font, size
    // and baseline.
    const QImage played = GbkText(134, -40, "Noto Sans CJK SC");
    QImage direct = White({200, 100});
    QPainter painter(&direct);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(40);
    painter.setFont(font);
    painter.drawText(QPointF(10, 60), QString::fromUtf8("中文"));
    painter.end();
    EXPECT_LT(MeanDifference(played, direct), 6.0);
    // Read as 1252 the bytes are four Latin letters, not two ideographs.
    // Books come from Simplified Chinese systems, whose default code page
    // is GBK.
    EXPECT_GT(MeanDifference(GbkText(134), GbkText(0)), 1.0);
    EXPECT_EQ(GbkText(1), GbkText(134));
}

QByteArray Fixture(const char *name)
{
    return ReadAll(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name));
}

struct FixtureCase {
    const char *name;
    const char *wmf, *svg;
    QSize svgHimetric, natural; // the drawing's page; what the file's header says
    double scale, maxDifference;
};

class WmfFixtures : public testing::TestWithParam<FixtureCase> {};

// The office program cut an equal margin from every side of the page; the
// SVG is rendered with that same crop.
TEST_P(WmfFixtures, LooksLikeTheDrawingItWasMadeFrom)
{
    const FixtureCase &c = GetParam();
    const DecodedPicturePtr picture = DecodeWmfPicture(Fixture(c.wmf));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), c.natural);
    const QSize size = (QSizeF(c.natural) * 96.0 / 2540 * c.scale).toSize();
    QSvgRenderer svg(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(c.svg));
    const QSizeF margin = QSizeF(c.svgHimetric - c.natural) / 2.0;
    const QRectF box = svg.viewBoxF();
    const double mx = margin.width() * box.width() / c.svgHimetric.width();
    const double my = margin.height() * box.height() / c.svgHimetric.height();
    svg.setViewBox(box.adjusted(mx, my, -mx, -my));
    QImage reference = White(size);
    {
        QPainter painter(&reference);
        svg.render(&painter, QRectF(reference.rect()));
    }
    const double difference = MeanDifference(RenderWmf(Fixture(c.wmf), size), reference);
    EXPECT_LT(difference, c.maxDifference);
    EXPECT_LT(difference, MeanDifference(White(size), reference) * 0.25); // far closer than a blank page
}

INSTANTIATE_TEST_SUITE_P(
    Files, WmfFixtures,
    testing::Values(
        FixtureCase{"Shapes", "wmf_lo_shapes.wmf", "mf_shapes.svg", {10000, 7500}, {9288, 6788}, 1, 6},
        FixtureCase{"ChineseTextTwiceAsLarge", "wmf_lo_text.wmf", "mf_text.svg", {12000, 6000}, {11268, 5268}, 2, 4}),
    CaseName());

} // namespace
