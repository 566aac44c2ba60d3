// Pictures pasted into an introduction: the blip kinds a rich-edit control
// writes, sized by goal and scale, in hex or as \bin; kept within budget.

#include "PictureFixtures.h"
#include "RtfTestSupport.h"

#include "formats/rtf/RtfPicture.h"
#include "formats/rtf/RtfPictureFormat.h"
#include "formats/rtf/RtfWriter.h"

#include <QTextImageFormat>
#include <QUrl>

namespace {
struct ShownImage {
    QImage image;
    QSizeF size;
    QByteArray original; // the blip's bytes when kept undecoded
};

// The one image of the document, with its shown size.
ShownImage OnlyImage(const QByteArray &rtf)
{
    const auto doc = ReadRtfText(rtf);
    EXPECT_EQ(doc->toPlainText().count(QChar::ObjectReplacementCharacter), 1);
    QTextCursor cursor(doc.get());
    cursor.setPosition(int(doc->toPlainText().indexOf(QChar::ObjectReplacementCharacter)) + 1);
    const QTextImageFormat f = cursor.charFormat().toImageFormat();
    return {doc->resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>(), QSizeF(f.width(), f.height()),
            f.property(kRtfOriginalBlipBytes).toByteArray()};
}

QByteArray Group(const QByteArray &words, const QByteArray &data) { return "{\\pict" + words + " " + data + "}"; }

const QImage kImage = fixtures::TwoHalves(4, 3);
const QByteArray kPng = fixtures::Encode(kImage, "PNG");
const QByteArray kGoal = "\\picwgoal600\\pichgoal450"; // 40 x 30 pixels
const QByteArray kPngGroup = Group("\\pngblip" + kGoal, kPng.toHex());

struct PictureCase {
    const char *name;
    QByteArray group;
    QSize shown;
};

class RtfPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(RtfPicture, BecomesAnImageOfTheGoalSize)
{
    const ShownImage image = OnlyImage(RtfWithBody("a" + GetParam().group + "b"));
    EXPECT_EQ(image.size, QSizeF(GetParam().shown));
    EXPECT_EQ(image.image.convertToFormat(QImage::Format_RGB32), kImage);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Kinds, RtfPicture, testing::Values(
    PictureCase{"PngHexInUpperCaseSplitOddly", Group("\\pngblip\\picw4\\pich3" + kGoal, kPng.toHex().toUpper().replace("A", "A\r\n")), {40, 30}},
    PictureCase{"PngAsBinary", "{\\pict\\pngblip" + kGoal + "\\bin" + QByteArray::number(kPng.size()) + " " + kPng + "}", {40, 30}},
    PictureCase{"PngScaled", Group("\\pngblip\\picscalex50\\picscaley200" + kGoal, kPng.toHex()), {20, 60}},
    PictureCase{"DeviceIndependentBitmap", Group("\\dibitmap0\\picwgoal60\\pichgoal45", fixtures::Encode(kImage, "BMP").mid(14).toHex()), {4, 3}},
    PictureCase{"ResultOfEmbeddedObject", "{\\object\\objemb{\\*\\objdata 0102}{\\result" + kPngGroup + "}}", {40, 30}},
    PictureCase{"HugeGoalBounded", Group("\\pngblip\\picwgoal2147483647\\pichgoal15", kPng.toHex()), {8192, 1}}),
    CaseName());
// clang-format on

TEST(RtfPictureWriter, MetafilesGoBackOutUnchangedAndBitmapsAsPngOfTheirShownSize)
{
    const QByteArray metafile =
        "{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720\r\n0100090000abcdef}";
    QByteArray rtf = WriteRtf(*ReadRtfText(RtfWithBody(metafile)));
    EXPECT_TRUE(rtf.contains(metafile)) << rtf.constData();
    rtf = WriteRtf(
        *ReadRtfText(RtfWithBody(Group("\\dibitmap0" + kGoal, fixtures::Encode(kImage, "BMP").mid(14).toHex()))));
    EXPECT_TRUE(rtf.contains("{\\pict\\pngblip\\picw4\\pich3" + kGoal + "\r\n89504e47")) << rtf.constData();
    EXPECT_EQ(OnlyImage(rtf).size, QSizeF(40, 30));
    EXPECT_EQ(OnlyImage(rtf).image.convertToFormat(QImage::Format_RGB32), kImage);
}

// A PNG header that claims 20000 x 20000 pixels (1.6 GB decoded) in a few
// dozen bytes: kept undecoded, and written back as it came.
TEST(RtfPictureMemory, BitmapClaimingHugeSizeIsKeptUndecoded)
{
    const QByteArray png =
        QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200004e2000004e2008020000006c12d16e"
                            "0000000b49444154789c63604005000010000139bd8f650000000049454e44ae426082");
    const QByteArray rtf = RtfWithBody(Group("\\pngblip" + kGoal, png.toHex()));
    const ShownImage image = OnlyImage(rtf);
    EXPECT_EQ(image.size, QSizeF(40, 30));
    EXPECT_LE(image.image.sizeInBytes(), 16);
    EXPECT_EQ(image.original, png);
    const QByteArray written = WriteRtf(*ReadRtfText(rtf));
    EXPECT_TRUE(written.contains("{\\pict\\pngblip\\picw0\\pich0" + kGoal + "\r\n"));
    EXPECT_EQ(OnlyImage(written).original, png);
}

// Metafiles show as placeholders of their goal size; shown at 8192 x 4096
// pixels, the placeholder stays tiny either way.
TEST(RtfPictureMemory, MetafilePlaceholdersAreBounded)
{
    EXPECT_EQ(OnlyImage(RtfWithBody(Group("\\emfblip\\picwgoal150\\pichgoal300", "01000000"))).size, QSizeF(10, 20));
    const ShownImage image =
        OnlyImage(RtfWithBody(Group("\\wmetafile8\\picw100\\pich100\\picwgoal122880\\pichgoal61440", "0100")));
    EXPECT_EQ(image.size, QSizeF(8192, 4096));
    EXPECT_LE(image.image.sizeInBytes(), qint64(kMaxRenderedMetafileSide) * kMaxRenderedMetafileSide * 4);
}
} // namespace
