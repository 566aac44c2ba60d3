// Metafiles written by an office program, compared with the drawings they
// were made from, rendered by QSvgRenderer at the same sizes.

#include "TestFiles.h"
#include "WmfTestImages.h"

#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

QString Fixture(const char *name)
{
    return QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name);
}

struct FixtureCase {
    const char *wmf;
    const char *svg;
    QSize svgHimetric;  // the drawing's page, from its width and height
    QSize natural;      // what the file's header says
    double scale;       // rendering size relative to 96 dpi
    double maxDifference;
};

void PrintTo(const FixtureCase &c, std::ostream *os) { *os << c.wmf << " x" << c.scale; }

// The office program cut an equal margin from every side of the page; the
// SVG is rendered with that same crop.
QImage RenderSvgCropped(const FixtureCase &c, QSize size)
{
    QSvgRenderer svg(Fixture(c.svg));
    const QRectF box = svg.viewBoxF();
    const double perHimetricX = box.width() / c.svgHimetric.width();
    const double perHimetricY = box.height() / c.svgHimetric.height();
    const double mx = (c.svgHimetric.width() - c.natural.width()) / 2.0 * perHimetricX;
    const double my = (c.svgHimetric.height() - c.natural.height()) / 2.0 * perHimetricY;
    svg.setViewBox(box.adjusted(mx, my, -mx, -my));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

QSize PixelsAt(QSize himetric, double scale)
{
    return QSize(int(std::lround(himetric.width() * 96.0 / 2540 * scale)),
                 int(std::lround(himetric.height() * 96.0 / 2540 * scale)));
}

class WmfFixtures : public testing::TestWithParam<FixtureCase> {};

TEST_P(WmfFixtures, NaturalSizeIsTheHeadersFrame)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(ReadAll(Fixture(GetParam().wmf)));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), GetParam().natural);
}

TEST_P(WmfFixtures, LooksLikeTheDrawingItWasMadeFrom)
{
    const FixtureCase &c = GetParam();
    const QSize size = PixelsAt(c.natural, c.scale);
    const QImage played = RenderWmf(ReadAll(Fixture(c.wmf)), size);
    const QImage reference = RenderSvgCropped(c, size);
    ASSERT_FALSE(played.isNull());
    const double difference = MeanDifference(played, reference);
    EXPECT_LT(difference, c.maxDifference);
    // Far closer than a page with nothing on it.
    QImage blank(size, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_LT(difference, MeanDifference(blank, reference) * 0.25);
}

INSTANTIATE_TEST_SUITE_P(Files, WmfFixtures, testing::Values(
    FixtureCase{"wmf_lo_shapes.wmf", "mf_shapes.svg", {10000, 7500}, {9288, 6788}, 1.0, 6.0},
    FixtureCase{"wmf_lo_shapes.wmf", "mf_shapes.svg", {10000, 7500}, {9288, 6788}, 2.0, 6.0},
    FixtureCase{"wmf_lo_text.wmf", "mf_text.svg", {12000, 6000}, {11268, 5268}, 1.0, 4.0},
    FixtureCase{"wmf_lo_text.wmf", "mf_text.svg", {12000, 6000}, {11268, 5268}, 2.0, 4.0}));

TEST(WmfFixture, ChineseTextIsDrawnWhereTheDrawingHasIt)
{
    const FixtureCase c{"wmf_lo_text.wmf", "mf_text.svg", {12000, 6000}, {11268, 5268}, 2.0, 0};
    const QSize size = PixelsAt(c.natural, c.scale);
    const QImage played = RenderWmf(ReadAll(Fixture(c.wmf)), size);
    const QImage reference = RenderSvgCropped(c, size);
    // The Chinese line is the only dark red ink in the drawing.
    const QColor red(0xC0, 0, 0);
    QRect refBox, playedBox;
    int refCount = 0, playedCount = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            if (Near(reference.pixelColor(x, y), red, 50)) {
                refBox |= QRect(x, y, 1, 1);
                ++refCount;
            }
            if (Near(played.pixelColor(x, y), red, 50)) {
                playedBox |= QRect(x, y, 1, 1);
                ++playedCount;
            }
        }
    ASSERT_GT(refCount, 1000);
    EXPECT_NEAR(playedCount, refCount, refCount * 0.25);
    EXPECT_NEAR(playedBox.center().x(), refBox.center().x(), size.width() * 0.03);
    EXPECT_NEAR(playedBox.center().y(), refBox.center().y(), size.height() * 0.03);
    EXPECT_NEAR(playedBox.width(), refBox.width(), size.width() * 0.05);
}

TEST(WmfFixture, PlainFileTakesItsWindowAt1440UnitsPerInch)
{
    const DecodedPicturePtr picture =
        DecodeWmfPicture(ReadAll(Fixture("wmf_lo_shapes_nonplaceable.wmf")));
    ASSERT_TRUE(picture);
    // SETWINDOWEXT 9288 x 6788 at 1440 units per inch.
    EXPECT_EQ(picture->NaturalSizeHimetric(), QSize(16383, 11973));
}

TEST(WmfFixture, PlainFileDrawsLikeThePlaceableOne)
{
    const QSize size(351, 257);
    const QImage plain = RenderWmf(ReadAll(Fixture("wmf_lo_shapes_nonplaceable.wmf")), size);
    const QImage placeable = RenderWmf(ReadAll(Fixture("wmf_lo_shapes.wmf")), size);
    EXPECT_LT(MeanDifference(plain, placeable), 0.5);
}

TEST(WmfFixture, FileCutInsideItsFirstRecordDoesNotDecode)
{
    // The first record of this file is a long comment; the cut falls in it,
    // so not one record is whole.
    const QByteArray bytes = ReadAll(Fixture("broken_truncated.wmf"));
    ASSERT_EQ(bytes.size(), 1000);
    EXPECT_FALSE(DecodeWmfPicture(bytes));
}

TEST(WmfFixture, FileCutLaterDrawsWhatItHas)
{
    // Cut inside the first record of the orange line (byte 15430 onwards):
    // the rectangle, ellipse and triangle before it are whole.
    const QByteArray cutBytes = ReadAll(Fixture("wmf_lo_shapes.wmf")).left(15440);
    const DecodedPicturePtr picture = DecodeWmfPicture(cutBytes);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), QSize(9288, 6788));
    const QImage cut = RenderWmf(cutBytes, QSize(351, 257));
    EXPECT_GT(CountNear(cut, QColor(0xE0, 0x30, 0x30)), 2000);
    EXPECT_GT(CountNear(cut, QColor(0x30, 0x50, 0xE0)), 2000);
    EXPECT_LT(CountNear(cut, QColor(0xFF, 0x80, 0x00)), 20);  // the orange line is cut off
}

TEST(WmfFixture, EveryPrefixOfAFileIsSafe)
{
    const QByteArray whole = ReadAll(Fixture("wmf_lo_text.wmf"));
    for (qsizetype n = 0; n < whole.size(); n += 37) {
        const QImage image = RenderWmf(whole.left(n), QSize(40, 20));
        if (n < 40) {
            EXPECT_TRUE(image.isNull()) << n;  // not even the headers
        }
    }
}

TEST(WmfFixture, EightHundredPercentStaysSharp)
{
    // At eight times the natural size the rectangle's edge still turns from
    // white to red within two pixels, as a drawing does and a bitmap
    // stretched to that size does not.
    const QSize size = PixelsAt(QSize(9288, 6788), 8.0);
    const QImage image = RenderWmf(ReadAll(Fixture("wmf_lo_shapes.wmf")), size);
    const QColor red(0xE0, 0x30, 0x30);
    const int row = size.height() * 90 / 514;  // through the middle of the red rectangle
    int firstRed = -1;
    for (int x = 0; x < size.width() / 2 && firstRed < 0; ++x)
        if (Near(image.pixelColor(x, row), red, 10))
            firstRed = x;
    ASSERT_GT(firstRed, 20);
    int between = 0;
    for (int x = firstRed - 20; x < firstRed; ++x) {
        const QColor c = image.pixelColor(x, row);
        if (!Near(c, Qt::white, 10) && !Near(c, red, 10) && !Near(c, Qt::black, 60))
            ++between;
    }
    EXPECT_LE(between, 2);
}

} // namespace
