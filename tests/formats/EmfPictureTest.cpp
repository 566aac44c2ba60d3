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

#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>
#include <climits>

#include <functional>

using fixtures::PutLe32;

namespace {
QByteArray Metafile(const char *name)
{
    return ReadAll(QStringLiteral(VELLORA_TEST_DATA "/metafiles/") + QLatin1String(name));
}

QImage Rendered(const DecodedPicturePtr &picture, QSize size)
{
    QImage image = White(size);
    QPainter p(&image);
    picture->Render(p, QRectF(QPointF(0, 0), QSizeF(size)));
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

struct HeaderCase {
    const char *name;
    std::function<void(QByteArray &)> mutate;
    bool accepted;
};

class EmfHeaderChecks : public testing::TestWithParam<HeaderCase> {};

TEST_P(EmfHeaderChecks, RefusesEmptyNegativeAndAbsurdRectangles)
{
    QByteArray bytes = Metafile("emf_lo_text.emf");
    ASSERT_FALSE(bytes.isEmpty());
    GetParam().mutate(bytes);
    EXPECT_EQ(ReadEmfHeader(bytes).has_value(), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, EmfHeaderChecks,
    testing::Values(HeaderCase{"AsMade", [](QByteArray &) {}, true},
                    HeaderCase{"ZeroHeightBounds", [](QByteArray &b) { PutLe32(b, 20, 0); }, false},
                    HeaderCase{"NegativeBounds", [](QByteArray &b) { PutLe32(b, 8, 500); }, false},
                    HeaderCase{"SixteenMillionPixelBounds",
                               [](QByteArray &b) { PutLe32(b, 16, 4000), PutLe32(b, 20, 4000); }, true},
                    HeaderCase{"BoundsBeyondTheSideLimit", [](QByteArray &b) { PutLe32(b, 16, 16385); }, false},
                    HeaderCase{"BoundsOverflowing32Bits",
                               [](QByteArray &b) { PutLe32(b, 8, INT_MIN), PutLe32(b, 16, INT_MAX); }, false},
                    HeaderCase{"FrameReversed", [](QByteArray &b) { PutLe32(b, 24, 20000); }, false},
                    HeaderCase{"FrameOfOneUnit", [](QByteArray &b) { PutLe32(b, 32, 0), PutLe32(b, 36, 0); }, true},
                    HeaderCase{"FrameBeyondTenMetres", [](QByteArray &b) { PutLe32(b, 32, 1000000); }, false},
                    HeaderCase{"RecordLongerThanTheFile", [](QByteArray &b) { PutLe32(b, 4, int(b.size()) + 1); },
                               false},
                    HeaderCase{"NoSignature", [](QByteArray &b) { b[40] = 'X'; }, false}),
    CaseName());

struct MetafileCase {
    const char *emf;
    const char *svg;
    QSize frame;     // HIMETRIC, the header's frame edges inclusive
    QSizeF pageMm;   // the SVG page the metafile was made from
    QRectF textArea; // in the SVG's user units; empty: none
};

class EmfFixtures : public EmfTest, public testing::WithParamInterface<MetafileCase> {};

// The drawing as its producer meant it: the SVG page cropped, centred, to the
// metafile's frame (the producer trims its page that way); and the text area
// in the pixels of that picture.
TEST_P(EmfFixtures, DrawsLikeTheDrawingItWasMadeFromAtTwoSizes)
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
    for (const double scale : {1.0, 3.0}) {
        const QSize size(qRound(c.frame.width() * 96 / 2540.0 * scale), qRound(c.frame.height() * 96 / 2540.0 * scale));
        const QImage ours = Rendered(picture, size);
        QImage reference = White(size);
        {
            QPainter p(&reference);
            svg.render(&p, QRectF(QPointF(0, 0), size));
        }
        EXPECT_LT(MeanDifference(ours, reference), 8.0) << "scale " << scale;
        EXPECT_GT(MeanDifference(ours, White(size)), 5.0) << "scale " << scale; // not blank
        if (!c.textArea.isEmpty()) {
            // The Chinese line: glyphs, not empty boxes and not nothing.
            const double sx = size.width() / frame.width(), sy = size.height() / frame.height();
            const QRect text = QRectF((c.textArea.left() - crop.left()) * sx, (c.textArea.top() - crop.top()) * sy,
                                      c.textArea.width() * sx, c.textArea.height() * sy)
                                   .toAlignedRect()
                                   .intersected(ours.rect());
            EXPECT_LT(MeanDifference(ours, reference, text), 18.0) << "scale " << scale;
            EXPECT_GT(MeanDifference(ours, White(size), text), 15.0) << "scale " << scale;
        }
    }
}

// A page drawn into a rectangle of a larger window leaves the window around
// it as it was, at the natural size and enlarged.
TEST_P(EmfFixtures, DrawNothingOutsideTheirRectangle)
{
    const DecodedPicturePtr picture = DecodePicture(Metafile(GetParam().emf));
    ASSERT_TRUE(picture);
    const QColor window(90, 160, 90);
    const QSize natural(qRound(GetParam().frame.width() * 96 / 2540.0),
                        qRound(GetParam().frame.height() * 96 / 2540.0));
    for (const QRect target : {QRect(QPoint(40, 30), natural), QRect(QPoint(40, 30), natural * 3)}) {
        QImage image(target.size() + QSize(80, 60), QImage::Format_RGB32);
        image.fill(window);
        {
            QPainter p(&image);
            picture->Render(p, QRectF(target));
        }
        int outside = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                outside += !target.contains(x, y) && image.pixelColor(x, y) != window;
        EXPECT_EQ(outside, 0) << "target " << target.width() << " x " << target.height();
        EXPECT_NE(image.pixelColor(target.center()), window);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Producer, EmfFixtures,
    testing::Values(MetafileCase{"emf_lo_shapes.emf", "mf_shapes.svg", {9288, 6788}, {100, 75}, {}},
                    MetafileCase{"emf_lo_text.emf", "mf_text.svg", {11268, 5268}, {120, 60}, QRectF(20, 70, 320, 50)}),
    [](const auto &info) { return QFileInfo(QLatin1String(info.param.emf)).baseName().toStdString(); });

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

#define VELLORA_SMALL_SVG                                                                                              \
    "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\" height=\"5\"><rect width=\"10\" height=\"5\"/></svg>"

INSTANTIATE_TEST_SUITE_P(
    Helpers, MisbehavingHelper,
    testing::Values(
        HelperCase{"WritesAnSvg", "cat >/dev/null; printf '%s' '" VELLORA_SMALL_SVG "'", true},
        HelperCase{"SvgButFailureStatus", "cat >/dev/null; printf '%s' '" VELLORA_SMALL_SVG "'; exit 1", false},
        HelperCase{"Crashes", "cat >/dev/null; kill -SEGV $$", false},
        HelperCase{"WritesGarbage", "cat >/dev/null; head -c 5000 /dev/urandom", false},
        HelperCase{"ReadsNothing", "printf '%s' '" VELLORA_SMALL_SVG "'", true},
        HelperCase{"Hangs", "exec sleep 60", false}), // killed when its time is up (this case takes that long)
    CaseName());
} // namespace
