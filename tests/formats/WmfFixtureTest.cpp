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
    const char *wmf;
    const char *svg;
    QSize svgHimetric; // the drawing's page, from its width and height
    QSize natural;     // what the file's header says
    double scale;      // rendering size relative to 96 dpi
    double maxDifference;
};

const FixtureCase kShapes{"wmf_lo_shapes.wmf", "mf_shapes.svg", {10000, 7500}, {9288, 6788}, 1.0, 6.0};
const FixtureCase kText{"wmf_lo_text.wmf", "mf_text.svg", {12000, 6000}, {11268, 5268}, 1.0, 4.0};

FixtureCase At(FixtureCase c, double scale)
{
    c.scale = scale;
    return c;
}

QSize PixelsAt(QSize himetric, double scale)
{
    return QSize(int(std::lround(himetric.width() * 96.0 / 2540 * scale)),
                 int(std::lround(himetric.height() * 96.0 / 2540 * scale)));
}

// The office program cut an equal margin from every side of the page; the
// SVG is rendered with that same crop.
QImage RenderSvgCropped(const FixtureCase &c, QSize size)
{
    QSvgRenderer svg(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(c.svg));
    const QRectF box = svg.viewBoxF();
    const double mx = (c.svgHimetric.width() - c.natural.width()) / 2.0 * box.width() / c.svgHimetric.width();
    const double my = (c.svgHimetric.height() - c.natural.height()) / 2.0 * box.height() / c.svgHimetric.height();
    svg.setViewBox(box.adjusted(mx, my, -mx, -my));
    QImage image = White(size);
    QPainter painter(&image);
    svg.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

class WmfFixtures : public testing::TestWithParam<FixtureCase> {};

TEST_P(WmfFixtures, LooksLikeTheDrawingItWasMadeFrom)
{
    const FixtureCase &c = GetParam();
    const DecodedPicturePtr picture = DecodeWmfPicture(Fixture(c.wmf));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), c.natural); // the header's frame
    const QSize size = PixelsAt(c.natural, c.scale);
    const QImage reference = RenderSvgCropped(c, size);
    const double difference = MeanDifference(RenderWmf(Fixture(c.wmf), size), reference);
    EXPECT_LT(difference, c.maxDifference);
    EXPECT_LT(difference, MeanDifference(White(size), reference) * 0.25); // far closer than a blank page
}

INSTANTIATE_TEST_SUITE_P(Files, WmfFixtures, testing::Values(kShapes, At(kShapes, 2.0), kText, At(kText, 2.0)));

TEST(WmfFixture, ChineseTextIsDrawnWhereTheDrawingHasIt)
{
    const QSize size = PixelsAt(kText.natural, 2.0);
    const QImage played = RenderWmf(Fixture(kText.wmf), size);
    const QImage reference = RenderSvgCropped(kText, size);
    // The Chinese line is the only dark red ink in the drawing.
    const QColor red(0xC0, 0, 0);
    QRect refBox, playedBox;
    int refCount = 0, playedCount = 0;
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            if (Near(reference.pixelColor(x, y), red, 50))
                refBox |= QRect(x, y, 1, 1), ++refCount;
            if (Near(played.pixelColor(x, y), red, 50))
                playedBox |= QRect(x, y, 1, 1), ++playedCount;
        }
    ASSERT_GT(refCount, 1000);
    EXPECT_NEAR(playedCount, refCount, refCount * 0.25);
    EXPECT_NEAR(playedBox.center().x(), refBox.center().x(), size.width() * 0.03);
    EXPECT_NEAR(playedBox.center().y(), refBox.center().y(), size.height() * 0.03);
    EXPECT_NEAR(playedBox.width(), refBox.width(), size.width() * 0.05);
}

TEST(WmfFixture, PlainFileTakesItsWindowAt1440UnitsPerInchAndDrawsLikeThePlaceableOne)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(Fixture("wmf_lo_shapes_nonplaceable.wmf"));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), QSize(16383, 11973)); // SETWINDOWEXT 9288 x 6788
    const QSize size(351, 257);
    EXPECT_LT(MeanDifference(RenderWmf(Fixture("wmf_lo_shapes_nonplaceable.wmf"), size),
                             RenderWmf(Fixture(kShapes.wmf), size)),
              0.5);
}

TEST(WmfFixture, CutFilesDrawWhatTheyHave)
{
    // The first record of this file is a long comment; the cut falls in it,
    // so not one record is whole.
    const QByteArray broken = Fixture("broken_truncated.wmf");
    ASSERT_EQ(broken.size(), 1000);
    EXPECT_FALSE(DecodeWmfPicture(broken));
    // Cut inside the first record of the orange line (byte 15430 onwards):
    // the rectangle, ellipse and triangle before it are whole.
    const QByteArray cutBytes = Fixture(kShapes.wmf).left(15440);
    const DecodedPicturePtr picture = DecodeWmfPicture(cutBytes);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), QSize(9288, 6788));
    const QImage cut = RenderWmf(cutBytes, QSize(351, 257));
    EXPECT_GT(CountNear(cut, QColor(0xE0, 0x30, 0x30)), 2000);
    EXPECT_GT(CountNear(cut, QColor(0x30, 0x50, 0xE0)), 2000);
    EXPECT_LT(CountNear(cut, QColor(0xFF, 0x80, 0x00)), 20); // the orange line is cut off
    // Every prefix is safe; without whole headers nothing decodes.
    const QByteArray whole = Fixture(kText.wmf);
    for (qsizetype n = 0; n < whole.size(); n += 37) {
        const QImage image = RenderWmf(whole.left(n), QSize(40, 20));
        if (n < 40) {
            EXPECT_TRUE(image.isNull()) << n;
        }
    }
}

TEST(WmfFixture, EightHundredPercentStaysSharp)
{
    // At eight times the natural size the rectangle's edge still turns from
    // white to red within two pixels, as a drawing does and a bitmap
    // stretched to that size does not.
    const QSize size = PixelsAt(kShapes.natural, 8.0);
    const QImage image = RenderWmf(Fixture(kShapes.wmf), size);
    const QColor red(0xE0, 0x30, 0x30);
    const int row = size.height() * 90 / 514; // through the middle of the red rectangle
    int firstRed = -1;
    for (int x = 0; x < size.width() / 2 && firstRed < 0; ++x)
        if (Near(image.pixelColor(x, row), red, 10))
            firstRed = x;
    ASSERT_GT(firstRed, 20);
    int between = 0;
    for (int x = firstRed - 20; x < firstRed; ++x) {
        const QColor c = image.pixelColor(x, row);
        between += !Near(c, Qt::white, 10) && !Near(c, red, 10) && !Near(c, Qt::black, 60);
    }
    EXPECT_LE(between, 2);
}
} // namespace
