// Metafiles written by an office program, compared with the drawings they
// were made from, rendered by QSvgRenderer at the same sizes.

#include "TestFiles.h"
#include "WmfBuilder.h"

#include <QSvgRenderer>

#include <cmath>

namespace {
QByteArray Fixture(const char *name)
{
    return ReadAll(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name));
}

struct FixtureCase {
    const char *name;
    const char *wmf;
    const char *svg;
    QSize svgHimetric; // the drawing's page, from its width and height
    QSize natural;     // what the file's header says
    double scale;      // rendering size relative to 96 dpi
    double maxDifference;
};

QSize PixelsAt(QSize himetric, double scale)
{
    return QSize(int(std::lround(himetric.width() * 96.0 / 2540 * scale)),
                 int(std::lround(himetric.height() * 96.0 / 2540 * scale)));
}

class WmfFixtures : public testing::TestWithParam<FixtureCase> {};

// The office program cut an equal margin from every side of the page; the
// SVG is rendered with that same crop.
TEST_P(WmfFixtures, LooksLikeTheDrawingItWasMadeFrom)
{
    const FixtureCase &c = GetParam();
    const DecodedPicturePtr picture = DecodeWmfPicture(Fixture(c.wmf));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), c.natural);
    const QSize size = PixelsAt(c.natural, c.scale);
    QSvgRenderer svg(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(c.svg));
    const QRectF box = svg.viewBoxF();
    const double mx = (c.svgHimetric.width() - c.natural.width()) / 2.0 * box.width() / c.svgHimetric.width();
    const double my = (c.svgHimetric.height() - c.natural.height()) / 2.0 * box.height() / c.svgHimetric.height();
    svg.setViewBox(box.adjusted(mx, my, -mx, -my));
    QImage reference = White(size);
    QPainter painter(&reference);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    const double difference = MeanDifference(RenderWmf(Fixture(c.wmf), size), reference);
    EXPECT_LT(difference, c.maxDifference);
    EXPECT_LT(difference, MeanDifference(White(size), reference) * 0.25); // far closer than a blank page
}

INSTANTIATE_TEST_SUITE_P(
    Files, WmfFixtures,
    testing::Values(
        FixtureCase{"Shapes", "wmf_lo_shapes.wmf", "mf_shapes.svg", {10000, 7500}, {9288, 6788}, 1.0, 6.0},
        FixtureCase{"ShapesTwiceAsLarge", "wmf_lo_shapes.wmf", "mf_shapes.svg", {10000, 7500}, {9288, 6788}, 2.0, 6.0},
        FixtureCase{"ChineseText", "wmf_lo_text.wmf", "mf_text.svg", {12000, 6000}, {11268, 5268}, 1.0, 4.0},
        FixtureCase{
            "ChineseTextTwiceAsLarge", "wmf_lo_text.wmf", "mf_text.svg", {12000, 6000}, {11268, 5268}, 2.0, 4.0}),
    CaseName());

TEST(WmfFixture, PlainFileTakesItsWindowAt1440UnitsPerInchAndDrawsLikeThePlaceableOne)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(Fixture("wmf_lo_shapes_nonplaceable.wmf"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), QSize(16383, 11973)); // SETWINDOWEXT 9288 x 6788
    EXPECT_LT(MeanDifference(RenderWmf(Fixture("wmf_lo_shapes_nonplaceable.wmf"), {351, 257}),
                             RenderWmf(Fixture("wmf_lo_shapes.wmf"), {351, 257})),
              0.5);
}

TEST(WmfFixture, CutFilesDrawWhatTheyHave)
{
    // The first record of this file is a long comment; the cut falls in it,
    // so not one record is whole.
    EXPECT_FALSE(DecodeWmfPicture(Fixture("broken_truncated.wmf")));
    // Cut inside the first record of the orange line (byte 15430 onwards):
    // the rectangle, ellipse and triangle before it are whole.
    const QImage cut = RenderWmf(Fixture("wmf_lo_shapes.wmf").left(15440), QSize(351, 257));
    EXPECT_GT(InkOf(cut, QColor(0xE0, 0x30, 0x30)).count, 2000);
    EXPECT_GT(InkOf(cut, QColor(0x30, 0x50, 0xE0)).count, 2000);
    EXPECT_LT(InkOf(cut, QColor(0xFF, 0x80, 0x00)).count, 20); // the orange line is cut off
}

TEST(WmfFixture, EightHundredPercentStaysSharp)
{
    // At eight times the natural size the rectangle's edge still turns from
    // white to red within two pixels, as a drawing does and a bitmap
    // stretched to that size does not.
    const QSize size = PixelsAt({9288, 6788}, 8.0);
    const QImage image = RenderWmf(Fixture("wmf_lo_shapes.wmf"), size);
    const QColor red(0xE0, 0x30, 0x30);
    const int row = size.height() * 90 / 514; // through the middle of the red rectangle
    int firstRed = 0;
    while (firstRed < size.width() / 2 && !Near(image.pixelColor(firstRed, row), red, 10))
        ++firstRed;
    ASSERT_TRUE(firstRed > 20 && firstRed < size.width() / 2) << firstRed;
    int between = 0;
    for (int x = firstRed - 20; x < firstRed; ++x) {
        const QColor c = image.pixelColor(x, row);
        between += !Near(c, Qt::white, 10) && !Near(c, red, 10) && !Near(c, Qt::black, 60);
    }
    EXPECT_LE(between, 2);
}
} // namespace
