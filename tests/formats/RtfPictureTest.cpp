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
QImage TestImage() { return fixtures::TwoHalves(4, 3); }

struct ShownImage {
    QImage image;
    QSizeF size;
    QByteArray original; // the blip's bytes when kept undecoded
};

// The one image of the document, with its shown size.
ShownImage OnlyImage(const QTextDocument &doc)
{
    EXPECT_EQ(doc.toPlainText().count(QChar::ObjectReplacementCharacter), 1);
    QTextCursor cursor(const_cast<QTextDocument *>(&doc));
    cursor.setPosition(int(doc.toPlainText().indexOf(QChar::ObjectReplacementCharacter)) + 1);
    const QTextImageFormat f = cursor.charFormat().toImageFormat();
    return {doc.resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>(), QSizeF(f.width(), f.height()),
            f.property(kRtfOriginalBlipBytes).toByteArray()};
}

QByteArray Group(const QByteArray &words, const QByteArray &data) { return "{\\pict" + words + " " + data + "}"; }

const QByteArray kPng = fixtures::Encode(TestImage(), "PNG");
const QByteArray kDib = fixtures::Encode(TestImage(), "BMP").mid(14);
const QByteArray kGoal = "\\picwgoal600\\pichgoal450"; // 40 x 30 pixels
const QByteArray kPngGroup = Group("\\pngblip" + kGoal, kPng.toHex());

struct PictureCase {
    const char *name;
    QByteArray group;
    QSize shown;
    bool decoded; // pixels come through
};

class RtfPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(RtfPicture, BecomesAnImageOfTheGoalSize)
{
    const auto doc = ReadRtfText(RtfWithBody("a" + GetParam().group + "b"));
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("a\ufffcb"));
    const ShownImage image = OnlyImage(*doc);
    EXPECT_EQ(image.size, QSizeF(GetParam().shown));
    const ShownImage again = OnlyImage(*ReadRtfText(WriteRtf(*doc))); // as we write it
    if (image.size.width() <= 2112) { // the writer bounds goals more tightly than the reader
        EXPECT_EQ(again.size, image.size);
    }
    if (GetParam().decoded) {
        EXPECT_EQ(image.image.convertToFormat(QImage::Format_RGB32), TestImage());
        EXPECT_EQ(again.image.convertToFormat(QImage::Format_RGB32), TestImage());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RtfPicture,
    testing::Values(
        PictureCase{"PngHexInUpperCaseSplitOddly",
                    Group("\\pngblip\\picw4\\pich3" + kGoal, kPng.toHex().toUpper().replace("A", "A\r\n")),
                    QSize(40, 30), true},
        PictureCase{"PngAsBinary",
                    "{\\pict\\pngblip" + kGoal + "\\bin" + QByteArray::number(kPng.size()) + " " + kPng + "}",
                    QSize(40, 30), true},
        PictureCase{"PngScaled", Group("\\pngblip\\picscalex50\\picscaley200" + kGoal, kPng.toHex()), QSize(20, 60),
                    true},
        PictureCase{"DeviceIndependentBitmap", Group("\\dibitmap0\\picwgoal60\\pichgoal45", kDib.toHex()), QSize(4, 3),
                    true},
        PictureCase{"ResultOfEmbeddedObject", "{\\object\\objemb{\\*\\objdata 0102}{\\result" + kPngGroup + "}}",
                    QSize(40, 30), true},
        PictureCase{"HugeGoalBounded", Group("\\pngblip\\picwgoal2147483647\\pichgoal15", kPng.toHex()), QSize(8192, 1),
                    true},
        PictureCase{"EnhancedMetafilePlaceholder", Group("\\emfblip\\picwgoal150\\pichgoal300", "01000000"),
                    QSize(10, 20), false}),
    CaseName());

TEST(RtfPictureWriter, MetafileGoesBackOutUnchangedAndBitmapsAsPng)
{
    const QByteArray metafile =
        "{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720\r\n0100090000abcdef}";
    const QByteArray rtf = WriteRtf(*ReadRtfText(RtfWithBody(metafile + Group("\\dibitmap0" + kGoal, kDib.toHex()))));
    EXPECT_TRUE(rtf.contains(metafile)) << rtf.constData();
    EXPECT_TRUE(rtf.contains("{\\pict\\pngblip\\picw4\\pich3" + kGoal + "\r\n89504e47")) << rtf.constData();
}

// A PNG header that claims 20000 x 20000 pixels (1.6 GB decoded) in a few
// dozen bytes: kept undecoded, and written back as it came.
TEST(RtfPictureMemory, BitmapClaimingHugeSizeIsKeptUndecoded)
{
    const QByteArray png =
        QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200004e2000004e2008020000006c12d16e"
                            "0000000b49444154789c63604005000010000139bd8f650000000049454e44ae426082");
    const auto doc = ReadRtfText(RtfWithBody(Group("\\pngblip" + kGoal, png.toHex())));
    const ShownImage image = OnlyImage(*doc);
    EXPECT_EQ(image.size, QSizeF(40, 30));
    EXPECT_LE(image.image.sizeInBytes(), 16);
    EXPECT_EQ(image.original, png);
    const QByteArray written = WriteRtf(*doc);
    EXPECT_TRUE(written.contains("{\\pict\\pngblip\\picw0\\pich0" + kGoal + "\r\n"));
    EXPECT_EQ(OnlyImage(*ReadRtfText(written)).original, png);
}

TEST(RtfPictureMemory, MetafileRenderingIsBounded)
{
    // Shown at 8192 x 4096 pixels; the placeholder stays tiny either way.
    const ShownImage image = OnlyImage(
        *ReadRtfText(RtfWithBody("{\\pict\\wmetafile8\\picw100\\pich100\\picwgoal122880\\pichgoal61440 0100}")));
    EXPECT_EQ(image.size, QSizeF(8192, 4096));
    EXPECT_LE(image.image.sizeInBytes(), qint64(kMaxRenderedMetafileSide) * kMaxRenderedMetafileSide * 4);
}
} // namespace
