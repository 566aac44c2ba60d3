#include "document/AppDirectories.h"
#include "platform/EmfConversion.h"
#include "platform/EmfHeader.h"
#include "platform/EmfPicture.h"
#include "platform/PictureDecoder.h"

#include "PictureFixtures.h"
#include "TestFiles.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include <string>

#include <functional>


using fixtures::PutLe32;

namespace {
QByteArray Metafile(const char *name)
{
    return ReadAll(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name));
}

// Mean difference per colour channel (0..255) of two pictures of one size.
double MeanDifference(const QImage &a, const QImage &b, const QRect &area)
{
    double sum = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) + qAbs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * area.width() * area.height());
}

QImage White(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

class EmfTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetApplicationDirectory(QStringLiteral(VELLORA_BIN_DIR));
        ClearEmfSvgCache();
    }
    void TearDown() override { ClearEmfSvgCache(); }
};
} // namespace

// --- the header ------------------------------------------------------------

struct HeaderCase {
    const char *name;
    std::function<void(QByteArray &)> mutate;
    bool accepted;
};
void PrintTo(const HeaderCase &c, std::ostream *os) { *os << c.name; }

class EmfHeaderChecks : public testing::TestWithParam<HeaderCase> {};

TEST_P(EmfHeaderChecks, RefusesEmptyNegativeAndAbsurdRectangles)
{
    QByteArray bytes = Metafile("emf_lo_text.emf");
    ASSERT_FALSE(bytes.isEmpty());
    GetParam().mutate(bytes);
    EXPECT_EQ(ReadEmfHeader(bytes).has_value(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Headers, EmfHeaderChecks, testing::Values(
    HeaderCase{"AsMade", [](QByteArray &) {}, true},
    HeaderCase{"ZeroHeightBounds", [](QByteArray &b) { PutLe32(b, 20, 0); }, false},
    HeaderCase{"ZeroWidthBounds", [](QByteArray &b) { PutLe32(b, 16, 0); }, false},
    HeaderCase{"NegativeBounds", [](QByteArray &b) { PutLe32(b, 8, 500); }, false},
    HeaderCase{"SixteenMillionPixelBounds", [](QByteArray &b) { PutLe32(b, 16, 4000); PutLe32(b, 20, 4000); }, true},
    HeaderCase{"BoundsBeyondTheSideLimit", [](QByteArray &b) { PutLe32(b, 16, 16385); }, false},
    HeaderCase{"BoundsOverflowing32Bits", [](QByteArray &b) { PutLe32(b, 8, -2147483647 - 1); PutLe32(b, 16, 2147483647); }, false},
    HeaderCase{"FrameReversed", [](QByteArray &b) { PutLe32(b, 24, 20000); }, false},
    HeaderCase{"FrameOfOneUnit", [](QByteArray &b) { PutLe32(b, 32, 0); PutLe32(b, 36, 0); }, true},
    HeaderCase{"FrameBeyondTenMetres", [](QByteArray &b) { PutLe32(b, 32, 1000000); }, false},
    HeaderCase{"RecordLongerThanTheFile", [](QByteArray &b) { PutLe32(b, 4, int(b.size()) + 1); }, false},
    HeaderCase{"RecordShorterThanAHeader", [](QByteArray &b) { PutLe32(b, 4, 80); }, false},
    HeaderCase{"NoSignature", [](QByteArray &b) { b[40] = 'X'; }, false},
    HeaderCase{"CutInsideTheHeader", [](QByteArray &b) { b.truncate(87); }, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EmfHeader, FrameEdgesAreInclusive)
{
    const std::optional<EmfHeader> header = ReadEmfHeader(Metafile("emf_lo_shapes.emf"));
    ASSERT_TRUE(header);
    EXPECT_EQ(EmfFrameSize(*header), QSize(9288, 6788));
}

// --- decoding and drawing ---------------------------------------------------

struct MetafileCase {
    const char *emf;
    const char *svg;
    QSize frame;       // HIMETRIC
    QSizeF pageMm;     // the SVG page the metafile was made from
    QRectF textArea;   // in the SVG's user units; empty: none
};
void PrintTo(const MetafileCase &c, std::ostream *os) { *os << c.emf; }

class EmfFixtures : public EmfTest, public testing::WithParamInterface<MetafileCase> {
protected:
    // The drawing as its producer meant it: the SVG page cropped, centred, to
    // the metafile's frame (the producer trims its page that way).
    static QImage Reference(const MetafileCase &c, QSize size)
    {
        QSvgRenderer svg(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(c.svg));
        const QRectF page = svg.viewBoxF();
        const double unitsPerMmX = page.width() / c.pageMm.width();
        const double unitsPerMmY = page.height() / c.pageMm.height();
        const double frameW = c.frame.width() / 100.0 * unitsPerMmX;
        const double frameH = c.frame.height() / 100.0 * unitsPerMmY;
        svg.setViewBox(QRectF((page.width() - frameW) / 2, (page.height() - frameH) / 2, frameW, frameH));
        svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
        QImage image = White(size);
        QPainter p(&image);
        svg.render(&p, QRectF(QPointF(0, 0), size));
        return image;
    }

    static QRect ToPixels(const MetafileCase &c, const QRectF &area, QSize size)
    {
        QSvgRenderer svg(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(c.svg));
        const QRectF page = svg.viewBoxF();
        const double frameW = c.frame.width() / 100.0 * page.width() / c.pageMm.width();
        const double frameH = c.frame.height() / 100.0 * page.height() / c.pageMm.height();
        const double left = (page.width() - frameW) / 2, top = (page.height() - frameH) / 2;
        const double sx = size.width() / frameW, sy = size.height() / frameH;
        return QRectF((area.left() - left) * sx, (area.top() - top) * sy, area.width() * sx, area.height() * sy)
            .toAlignedRect()
            .intersected(QRect(QPoint(0, 0), size));
    }
};

TEST_P(EmfFixtures, DecodesWithTheFrameAsNaturalSize)
{
    const DecodedPicturePtr picture = DecodePicture(Metafile(GetParam().emf));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), GetParam().frame);
}

TEST_P(EmfFixtures, DrawsLikeTheDrawingItWasMadeFromAtTwoSizes)
{
    const MetafileCase &c = GetParam();
    const DecodedPicturePtr picture = DecodePicture(Metafile(c.emf));
    ASSERT_TRUE(picture);
    for (const double scale : {1.0, 3.0}) {
        const QSize size(qRound(c.frame.width() * 96 / 2540.0 * scale), qRound(c.frame.height() * 96 / 2540.0 * scale));
        QImage ours = White(size);
        {
            QPainter p(&ours);
            picture->Render(p, QRectF(QPointF(0, 0), size));
        }
        const QImage reference = Reference(c, size);
        const QRect all(QPoint(0, 0), size);
        EXPECT_LT(MeanDifference(ours, reference, all), 8.0) << "scale " << scale;
        // A blank drawing would be close to a mostly white reference too.
        EXPECT_GT(MeanDifference(ours, White(size), all), 5.0) << "scale " << scale;
        if (!c.textArea.isEmpty()) {
            // The Chinese line: glyphs, not empty boxes and not nothing.
            const QRect text = ToPixels(c, c.textArea, size);
            EXPECT_LT(MeanDifference(ours, reference, text), 18.0) << "scale " << scale;
            EXPECT_GT(MeanDifference(ours, White(size), text), 15.0) << "scale " << scale;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Producer, EmfFixtures, testing::Values(
    MetafileCase{"emf_lo_shapes.emf", "mf_shapes.svg", {9288, 6788}, {100, 75}, {}},
    MetafileCase{"emf_lo_text.emf", "mf_text.svg", {11268, 5268}, {120, 60}, QRectF(20, 70, 320, 50)}));

TEST_F(EmfTest, VectorsStaySharpWhenEnlarged)
{
    const DecodedPicturePtr picture = DecodePicture(Metafile("emf_lo_shapes.emf"));
    ASSERT_TRUE(picture);
    // At eight times the natural size an edge crosses from fill to background
    // within a few pixels; a stretched bitmap would smear it over eight.
    const QSize size(351 * 8, 257 * 8);
    QImage image = White(size);
    {
        QPainter p(&image);
        picture->Render(p, QRectF(QPointF(0, 0), size));
    }
    const int y = size.height() / 2;
    int transitional = 0;
    for (int x = 0; x < size.width(); ++x) {
        const QRgb p = image.pixel(x, y);
        const int grey = qGray(p);
        if (grey > 40 && grey < 215 && qAbs(qRed(p) - qBlue(p)) < 30 && qAbs(qRed(p) - qGreen(p)) < 30)
            ++transitional;
    }
    EXPECT_LT(transitional, 200);
}

TEST_F(EmfTest, TruncatedFileFailsOrDrawsWhatItCan)
{
    const DecodedPicturePtr picture = DecodePicture(Metafile("broken_truncated.emf"));
    if (picture) {
        EXPECT_EQ(picture->NaturalSizeHimetric(), QSize(9288, 6788));
        QImage image = White({100, 80});
        QPainter p(&image);
        picture->Render(p, QRectF(0, 0, 100, 80));
    }
}

TEST_F(EmfTest, WithoutTheHelperNothingDecodes)
{
    ScratchDir empty;
    SetApplicationDirectory(empty.path());
    EXPECT_FALSE(DecodePicture(Metafile("emf_lo_text.emf")));
}

TEST_F(EmfTest, ASecondLoadOfTheSameFileDoesNotConvertAgain)
{
    const QByteArray bytes = Metafile("emf_lo_text.emf");
    ASSERT_TRUE(DecodePicture(bytes));
    ScratchDir empty;
    SetApplicationDirectory(empty.path());  // the helper is gone now
    EXPECT_TRUE(DecodePicture(bytes));
    QByteArray other = bytes;
    other[other.size() - 30] = char(other[other.size() - 30] ^ 1);
    EXPECT_FALSE(DecodePicture(other));
}

TEST_F(EmfTest, HelperRefusesGarbageAfterAGoodHeader)
{
    QByteArray bytes = Metafile("emf_lo_text.emf").left(108);
    QRandomGenerator random(7);
    for (int i = 0; i < 2000; ++i)
        bytes += char(random.bounded(256));
    // Whatever the converter makes of it, the program is still here.
    const DecodedPicturePtr picture = DecodePicture(bytes);
    if (picture) {
        EXPECT_EQ(picture->NaturalSizeHimetric(), QSize(11268, 5268));
    }
}

// --- a helper that misbehaves ---------------------------------------------------

struct HelperCase {
    const char *name;
    const char *script;
    bool decodes;
};
void PrintTo(const HelperCase &c, std::ostream *os) { *os << c.name; }

class MisbehavingHelper : public EmfTest, public testing::WithParamInterface<HelperCase> {};

// The program trusts nothing the helper does: only a clean exit with an SVG
// that parses makes a picture.
TEST_P(MisbehavingHelper, OnlyACleanConversionMakesAPicture)
{
    ScratchDir dir;
    const QString helper = dir.file(QLatin1String(kEmfHelperName));
    ASSERT_TRUE(WriteAll(helper, QByteArray("#!/bin/sh\n") + GetParam().script + "\n"));
    QFile::setPermissions(helper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    SetApplicationDirectory(dir.path());
    const DecodedPicturePtr picture = DecodePicture(Metafile("emf_lo_text.emf"));
    EXPECT_EQ(picture != nullptr, GetParam().decodes);
    if (picture) {
        EXPECT_EQ(picture->NaturalSizeHimetric(), QSize(11268, 5268));
    }
}

#define VELLORA_SMALL_SVG "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"5\"><rect width=\"10\" height=\"5\"/></svg>"

INSTANTIATE_TEST_SUITE_P(Helpers, MisbehavingHelper, testing::Values(
    HelperCase{"WritesAnSvg", "cat >/dev/null; printf '%s' '" VELLORA_SMALL_SVG "'", true},
    HelperCase{"SvgButFailureStatus", "cat >/dev/null; printf '%s' '" VELLORA_SMALL_SVG "'; exit 1", false},
    HelperCase{"Crashes", "cat >/dev/null; kill -SEGV $$", false},
    HelperCase{"WritesNothing", "cat >/dev/null", false},
    HelperCase{"WritesGarbage", "cat >/dev/null; head -c 5000 /dev/urandom", false},
    HelperCase{"ReadsNothing", "printf '%s' '" VELLORA_SMALL_SVG "'", true},
    // Killed when its time is up (this case takes that long).
    HelperCase{"Hangs", "exec sleep 60", false}),
    [](const auto &info) { return std::string(info.param.name); });
