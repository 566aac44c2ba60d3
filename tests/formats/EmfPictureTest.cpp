// Enhanced metafiles: the header checks, drawing through the conversion
// helper compared with the drawings the files were made from, and a helper
// that misbehaves.

#include "formats/emf/EmfPicture.h"
#include "document/AppDirectories.h"
#include "formats/PictureDecoder.h"
#include "formats/emf/EmfConversion.h"
#include "formats/emf/EmfHeader.h"

#include "Cases.h"
#include "PictureFixtures.h"
#include "TestFiles.h"
#include "TestImages.h"

#include <QPainter>
#include <QSvgRenderer>

#include <climits>
#include <vector>

namespace {
QByteArray Metafile(const char *name)
{
    return ReadAll(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name));
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

struct HeaderCase {
    const char *name;
    std::vector<std::pair<int, int>> changes; // 32-bit values written at byte offsets
    bool accepted;
};

class EmfHeaderChecks : public testing::TestWithParam<HeaderCase> {};

TEST_P(EmfHeaderChecks, RefuseEmptyNegativeAndAbsurdRectangles)
{
    QByteArray bytes = Metafile("emf_lo_text.emf");
    for (const auto &[offset, value] : GetParam().changes)
        fixtures::PutLe32(bytes, offset, value);
    EXPECT_EQ(ReadEmfHeader(bytes).has_value(), GetParam().accepted);
}

// Bounds in pixels at 8 (left), 16 (right), 20 (bottom); frame in 0.01 mm
// at 24 (left) and 32 (right); the record size at 4; the signature at 40.
INSTANTIATE_TEST_SUITE_P(Headers, EmfHeaderChecks,
                         testing::Values(HeaderCase{"AsMade", {}, true},
                                         HeaderCase{"ZeroHeightBounds", {{20, 0}}, false},
                                         HeaderCase{"NegativeBounds", {{8, 500}}, false},
                                         HeaderCase{"SixteenMillionPixelBounds", {{16, 4000}, {20, 4000}}, true},
                                         HeaderCase{"BoundsBeyondTheSideLimit", {{16, 16385}}, false},
                                         HeaderCase{"BoundsOverflowing32Bits", {{8, INT_MIN}, {16, INT_MAX}}, false},
                                         HeaderCase{"FrameReversed", {{24, 20000}}, false},
                                         HeaderCase{"FrameBeyondTenMetres", {{32, 1000000}}, false},
                                         HeaderCase{"RecordLongerThanTheFile", {{4, 1 << 20}}, false},
                                         HeaderCase{"NoSignature", {{40, 0}}, false}),
                         CaseName());

struct MetafileCase {
    const char *name;
    const char *emf;
    const char *svg;
    QSize frame;   // HIMETRIC, the header's frame edges inclusive
    QSizeF pageMm; // the SVG page the metafile was made from
};

class EmfFixtures : public EmfTest, public testing::WithParamInterface<MetafileCase> {};

// The drawing as its producer meant it: the SVG page cropped, centred, to the
// metafile's frame (the producer trims its page that way), drawn into a
// rectangle of a larger window, at the natural size and enlarged. The window
// around the rectangle stays as it was.
TEST_P(EmfFixtures, DrawLikeTheirDrawingAndNothingOutsideTheirRectangle)
{
    const MetafileCase &c = GetParam();
    const DecodedPicturePtr picture = DecodePicture(Metafile(c.emf));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->NaturalSizeHimetric(), c.frame);
    QSvgRenderer svg(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(c.svg));
    const QRectF page = svg.viewBoxF();
    const QSizeF frame(c.frame.width() / 100.0 * page.width() / c.pageMm.width(),
                       c.frame.height() / 100.0 * page.height() / c.pageMm.height());
    const QRectF crop(QPointF((page.width() - frame.width()) / 2, (page.height() - frame.height()) / 2), frame);
    svg.setViewBox(crop);
    svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
    const QColor window(90, 160, 90);
    for (const double scale : {1.0, 3.0}) {
        const QRect target(40, 30, qRound(c.frame.width() * 96 / 2540.0 * scale),
                           qRound(c.frame.height() * 96 / 2540.0 * scale));
        QImage ours(target.size() + QSize(80, 60), QImage::Format_RGB32), reference = White(target.size());
        ours.fill(window);
        QPainter(&ours).fillRect(target, Qt::white);
        {
            QPainter p(&ours), r(&reference);
            picture->Render(p, QRectF(target));
            svg.render(&r, QRectF(reference.rect()));
        }
        int outside = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                outside += !target.contains(x, y) && ours.pixelColor(x, y) != window;
        EXPECT_EQ(outside, 0) << "scale " << scale;
        ours = ours.copy(target);
        EXPECT_LT(MeanDifference(ours, reference), 8.0) << "scale " << scale;
        EXPECT_GT(MeanDifference(ours, White(target.size())), 5.0) << "scale " << scale; // not blank
    }
}

INSTANTIATE_TEST_SUITE_P(
    Producer, EmfFixtures,
    testing::Values(MetafileCase{"Shapes", "emf_lo_shapes.emf", "mf_shapes.svg", {9288, 6788}, {100, 75}},
                    MetafileCase{"ChineseText", "emf_lo_text.emf", "mf_text.svg", {11268, 5268}, {120, 60}}),
    CaseName());

TEST_F(EmfTest, WithoutTheHelperOnlyAnAlreadyConvertedFileDecodes)
{
    const QByteArray bytes = Metafile("emf_lo_text.emf");
    QByteArray other = bytes;
    other[other.size() - 30] = char(other[other.size() - 30] ^ 1);
    ASSERT_TRUE(DecodePicture(bytes));
    ScratchDir empty;
    SetApplicationDirectory(empty.Path()); // the helper is gone now
    EXPECT_TRUE(DecodePicture(bytes));
    EXPECT_FALSE(DecodePicture(other));
}

struct HelperCase {
    const char *name;
    const char *script;
    bool decodes;
};

class MisbehavingHelper : public EmfTest, public testing::WithParamInterface<HelperCase> {};

// The program trusts nothing the helper does: only a clean exit with an SVG
// that parses makes a picture.
TEST_P(MisbehavingHelper, OnlyACleanConversionMakesAPicture)
{
    ScratchDir dir;
    const QString helper = dir.FilePath(QLatin1String(kEmfHelperName));
    ASSERT_TRUE(WriteAll(helper, QByteArray("#!/bin/sh\n") + GetParam().script + "\n"));
    QFile::setPermissions(helper, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    SetApplicationDirectory(dir.Path());
    const DecodedPicturePtr picture = DecodePicture(Metafile("emf_lo_text.emf"));
    EXPECT_EQ(picture ? picture->NaturalSizeHimetric() : QSize(), GetParam().decodes ? QSize(11268, 5268) : QSize());
}

#define VELLORA_SMALL_SVG "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"5\"/>"

INSTANTIATE_TEST_SUITE_P(
    Helpers, MisbehavingHelper,
    testing::Values(
        HelperCase{"ReadsNothingWritesAnSvg", "printf '%s' '" VELLORA_SMALL_SVG "'", true},
        HelperCase{"SvgButFailureStatus", "cat >/dev/null; printf '%s' '" VELLORA_SMALL_SVG "'; exit 1", false},
        HelperCase{"Crashes", "cat >/dev/null; kill -SEGV $$", false},
        HelperCase{"WritesGarbage", "cat >/dev/null; head -c 5000 /dev/urandom", false},
        HelperCase{"Hangs", "exec sleep 60", false}), // killed when its time is up (this case takes that long)
    CaseName());
} // namespace
