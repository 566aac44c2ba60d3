// Pictures pasted into an introduction: every blip kind a rich-edit control
// writes, sized by goal and scale, in hex with line breaks or as \bin.

#include "PictureFixtures.h"
#include "RtfTestSupport.h"

#include "formats/rtf/RtfPicture.h"
#include "formats/rtf/RtfPictureFormat.h"
#include "formats/rtf/RtfWriter.h"

#include <QTextImageFormat>
#include <QUrl>

namespace {
using fixtures::Encode;

QImage TestImage()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 40));
    image.setPixel(0, 0, qRgb(10, 220, 30));
    return image;
}

QByteArray Hex(const QByteArray &bytes, int perLine)
{
    QByteArray out;
    const QByteArray hex = bytes.toHex();
    for (qsizetype i = 0; i < hex.size(); i += perLine)
        out += hex.mid(i, perLine) + "\r\n";
    return out;
}

// The images of the document in order, with their shown sizes.
struct ShownImage {
    QImage image;
    QSizeF size;
    QTextImageFormat format;
};

std::vector<ShownImage> Images(const QTextDocument &doc)
{
    std::vector<ShownImage> images;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (const QTextCharFormat f = it.fragment().charFormat(); f.isImageFormat()) {
                const QTextImageFormat image = f.toImageFormat();
                images.push_back({doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>(),
                                  QSizeF(image.width(), image.height()), image});
            }
    return images;
}

// The one image of the document read from a picture group in a body.
ShownImage OnlyImage(const QTextDocument &doc)
{
    const auto images = Images(doc);
    EXPECT_EQ(images.size(), 1u);
    return images.empty() ? ShownImage{} : images[0];
}

struct PictureCase {
    const char *name;
    QByteArray group;
    QSize shown;
    bool decoded; // pixels come through
};

QByteArray Group(const QByteArray &words, const QByteArray &data) { return "{\\pict" + words + " " + data + "}"; }

const QByteArray kPng = Encode(TestImage(), "PNG");
const QByteArray kDib = Encode(TestImage(), "BMP").mid(14);
const QByteArray kPngGroup = Group("\\pngblip\\picwgoal600\\pichgoal450", Hex(kPng, 128));

class RtfPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(RtfPicture, BecomesAnImageOfTheGoalSize)
{
    const auto doc = ReadRtfText(RtfWithBody("a" + GetParam().group + "b"));
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("a\ufffcb"));
    const ShownImage image = OnlyImage(*doc);
    EXPECT_EQ(image.size, QSizeF(GetParam().shown));
    if (GetParam().decoded) {
        ASSERT_EQ(image.image.size(), QSize(4, 3));
        EXPECT_EQ(image.image.pixel(0, 0), qRgb(10, 220, 30));
        EXPECT_EQ(image.image.pixel(3, 2), qRgb(200, 30, 40));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RtfPicture,
    testing::Values(
        PictureCase{
            "PngGoalSize", Group("\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal450", Hex(kPng, 128)), {40, 30}, true},
        PictureCase{"PngHexSplitOddly", Group("\\pngblip\\picwgoal600\\pichgoal450", Hex(kPng, 7)), {40, 30}, true},
        PictureCase{
            "PngUpperCaseHex", Group("\\pngblip\\picwgoal600\\pichgoal450", kPng.toHex().toUpper()), {40, 30}, true},
        PictureCase{"PngAsBinary",
                    "{\\pict\\pngblip\\picwgoal600\\pichgoal450\\bin" + QByteArray::number(kPng.size()) + " " + kPng
                        + "}",
                    {40, 30},
                    true},
        PictureCase{"PngNaturalSize", Group("\\pngblip", Hex(kPng, 128)), {4, 3}, true},
        PictureCase{"PngScaled",
                    Group("\\pngblip\\picwgoal600\\pichgoal450\\picscalex50\\picscaley200", Hex(kPng, 128)),
                    {20, 60},
                    true},
        PictureCase{"Jpeg",
                    Group("\\jpegblip\\picwgoal300\\pichgoal300", Hex(Encode(TestImage(), "JPEG"), 128)),
                    {20, 20},
                    false},
        PictureCase{"DeviceIndependentBitmap",
                    Group("\\dibitmap0\\picw4\\pich3\\picwgoal60\\pichgoal45", Hex(kDib, 128)),
                    {4, 3},
                    true},
        PictureCase{
            "ShapePictureWrapper", "{\\*\\shppict" + kPngGroup + "}{\\nonshppict" + kPngGroup + "}", {40, 30}, true},
        PictureCase{"ResultOfEmbeddedObject",
                    "{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw100\\objh100"
                    "{\\*\\objdata 0102abcdef}{\\result"
                        + kPngGroup + "}}",
                    {40, 30},
                    true},
        PictureCase{
            "HugeGoalBounded", Group("\\pngblip\\picwgoal2147483647\\pichgoal15", Hex(kPng, 128)), {8192, 1}, true},
        PictureCase{"MetafileKeptAsPlaceholder",
                    Group("\\wmetafile8\\picw2540\\pich2540\\picwgoal1440\\pichgoal720", "0100090000"),
                    {96, 48},
                    false},
        PictureCase{"EnhancedMetafileKeptAsPlaceholder",
                    Group("\\emfblip\\picw100\\pich100\\picwgoal150\\pichgoal300", "01000000"),
                    {10, 20},
                    false}),
    CaseName());

TEST(RtfPictureDdb, MonochromeRowsBecomeBlackAndWhite)
{
    // 8 x 2 pixels, one byte a row padded to 2: left half black, right white.
    const QImage image =
        OnlyImage(*ReadRtfText(RtfWithBody(
                      "{\\pict\\wbitmap0\\picw8\\pich2\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2 0f000f00}")))
            .image;
    ASSERT_EQ(image.size(), QSize(8, 2));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(7, 1), qRgb(255, 255, 255));
}

TEST(RtfPictureWriter, MetafileGoesBackOutUnchanged)
{
    const QByteArray group = Group("\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720", "0100090000abcdef");
    const QByteArray rtf = WriteRtf(*ReadRtfText(RtfWithBody(group)));
    EXPECT_TRUE(rtf.contains("{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720\r\n0100090000abcdef}"))
        << rtf.constData();
}

TEST(RtfPictureWriter, ImageGoesOutAsPngWithItsShownSize)
{
    const QByteArray rtf =
        WriteRtf(*ReadRtfText(RtfWithBody(Group("\\dibitmap0\\picwgoal600\\pichgoal450", Hex(kDib, 128)))));
    EXPECT_TRUE(rtf.contains("{\\pict\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal450\r\n89504e47"))
        << rtf.constData();
    const ShownImage again = OnlyImage(*ReadRtfText(rtf));
    EXPECT_EQ(again.size, QSizeF(40, 30));
    EXPECT_EQ(again.image.convertToFormat(QImage::Format_RGB32), TestImage());
}

// A PNG header that claims 20000 x 20000 pixels (1.6 GB decoded) in a few
// dozen bytes: kept undecoded, and written back as it came.
TEST(RtfPictureMemory, BitmapClaimingHugeSizeIsKeptUndecoded)
{
    const QByteArray png =
        QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200004e2000004e2008020000006c12d16e"
                            "0000000b49444154789c63604005000010000139bd8f650000000049454e44ae426082");
    const auto doc = ReadRtfText(RtfWithBody("{\\pict\\pngblip\\picwgoal600\\pichgoal450 " + png.toHex() + "}"));
    const ShownImage image = OnlyImage(*doc);
    EXPECT_EQ(image.size, QSizeF(40, 30));
    EXPECT_LE(image.image.sizeInBytes(), 16);
    EXPECT_EQ(image.format.property(kRtfOriginalBlipBytes).toByteArray(), png);
    const QByteArray written = WriteRtf(*doc);
    EXPECT_TRUE(written.contains("{\\pict\\pngblip\\picw0\\pich0\\picwgoal600\\pichgoal450\r\n"));
    EXPECT_EQ(OnlyImage(*ReadRtfText(written)).format.property(kRtfOriginalBlipBytes).toByteArray(), png);
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
