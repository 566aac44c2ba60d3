// Pictures pasted into an introduction: every blip kind a rich-edit control
// writes, sized by goal and scale, in hex with line breaks or as \bin.

#include "RtfTestSupport.h"

#include "platform/RtfPicture.h"
#include "platform/RtfPictureFormat.h"
#include "platform/RtfWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTextImageFormat>
#include <QUrl>

#include <gtest/gtest.h>

namespace {
QImage TestImage()
{
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(200, 30, 40));
    image.setPixel(0, 0, qRgb(10, 220, 30));
    return image;
}

QByteArray Encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
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
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            if (!f.isImageFormat())
                continue;
            const QTextImageFormat image = f.toImageFormat();
            images.push_back({doc.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>(),
                              QSizeF(image.width(), image.height()), image});
        }
    return images;
}

struct PictureCase {
    const char *name;
    QByteArray group;
    QSize shown;
    bool decoded; // pixels come through
};

void PrintTo(const PictureCase &c, std::ostream *os) { *os << c.name; }

QByteArray Group(const QByteArray &words, const QByteArray &data) { return "{\\pict" + words + " " + data + "}"; }

class RtfPicture : public testing::TestWithParam<PictureCase> {};

TEST_P(RtfPicture, BecomesAnImageOfTheGoalSize)
{
    const auto doc = ReadRtfText(RtfWithBody("a" + GetParam().group + "b"));
    EXPECT_EQ(doc->toPlainText(), QStringLiteral("a\ufffcb"));
    const auto images = Images(*doc);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].size, QSizeF(GetParam().shown));
    if (GetParam().decoded) {
        ASSERT_EQ(images[0].image.size(), QSize(4, 3));
        EXPECT_EQ(images[0].image.pixel(0, 0), qRgb(10, 220, 30));
        EXPECT_EQ(images[0].image.pixel(3, 2), qRgb(200, 30, 40));
    }
}

const QByteArray kPng = Encoded(TestImage(), "PNG");
const QByteArray kDib = Encoded(TestImage(), "BMP").mid(14);

INSTANTIATE_TEST_SUITE_P(Kinds, RtfPicture, testing::Values(
    PictureCase{"PngGoalSize", Group("\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal450", Hex(kPng, 128)), {40, 30}, true},
    PictureCase{"PngHexSplitOddly", Group("\\pngblip\\picwgoal600\\pichgoal450", Hex(kPng, 7)), {40, 30}, true},
    PictureCase{"PngUpperCaseHex", Group("\\pngblip\\picwgoal600\\pichgoal450", kPng.toHex().toUpper()), {40, 30}, true},
    PictureCase{"PngAsBinary", "{\\pict\\pngblip\\picwgoal600\\pichgoal450\\bin" + QByteArray::number(kPng.size()) + " " + kPng + "}", {40, 30}, true},
    PictureCase{"PngNaturalSize", Group("\\pngblip", Hex(kPng, 128)), {4, 3}, true},
    PictureCase{"PngScaled", Group("\\pngblip\\picwgoal600\\pichgoal450\\picscalex50\\picscaley200", Hex(kPng, 128)), {20, 60}, true},
    PictureCase{"Jpeg", Group("\\jpegblip\\picwgoal300\\pichgoal300", Hex(Encoded(TestImage(), "JPEG"), 128)), {20, 20}, false},
    PictureCase{"DeviceIndependentBitmap", Group("\\dibitmap0\\picw4\\pich3\\picwgoal60\\pichgoal45", Hex(kDib, 128)), {4, 3}, true},
    PictureCase{"ShapePictureWrapper", "{\\*\\shppict" + Group("\\pngblip\\picwgoal600\\pichgoal450", Hex(kPng, 128)) +
                                           "}{\\nonshppict" + Group("\\pngblip\\picwgoal600\\pichgoal450", Hex(kPng, 128)) + "}",
                {40, 30}, true},
    PictureCase{"ResultOfEmbeddedObject",
                "{\\object\\objemb{\\*\\objclass Paint.Picture}\\objw100\\objh100{\\*\\objdata 0102abcdef}"
                "{\\result" + Group("\\pngblip\\picwgoal600\\pichgoal450", Hex(kPng, 128)) + "}}",
                {40, 30}, true},
    PictureCase{"HugeGoalBounded", Group("\\pngblip\\picwgoal2147483647\\pichgoal15", Hex(kPng, 128)), {8192, 1}, true},
    PictureCase{"MetafileKeptAsPlaceholder", Group("\\wmetafile8\\picw2540\\pich2540\\picwgoal1440\\pichgoal720", "0100090000"), {96, 48}, false},
    PictureCase{"EnhancedMetafileKeptAsPlaceholder", Group("\\emfblip\\picw100\\pich100\\picwgoal150\\pichgoal300", "01000000"), {10, 20}, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RtfPictureDdb, MonochromeRowsBecomeBlackAndWhite)
{
    // 8 x 2 pixels, one byte a row padded to 2: left half black, right white.
    const auto doc = ReadRtfText(RtfWithBody(
        "{\\pict\\wbitmap0\\picw8\\pich2\\wbmbitspixel1\\wbmplanes1\\wbmwidthbytes2 0f000f00}"));
    const auto images = Images(*doc);
    ASSERT_EQ(images.size(), 1u);
    ASSERT_EQ(images[0].image.size(), QSize(8, 2));
    EXPECT_EQ(images[0].image.pixel(0, 1), qRgb(0, 0, 0));
    EXPECT_EQ(images[0].image.pixel(7, 1), qRgb(255, 255, 255));
}

TEST(RtfPictureWriter, MetafileGoesBackOutUnchanged)
{
    const QByteArray group = Group("\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720", "0100090000abcdef");
    const auto doc = ReadRtfText(RtfWithBody(group));
    const QByteArray rtf = WriteRtf(*doc);
    EXPECT_TRUE(rtf.contains("{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal1440\\pichgoal720\r\n0100090000abcdef}"))
        << rtf.constData();
}

TEST(RtfPictureWriter, ImageGoesOutAsPngWithItsShownSize)
{
    const auto doc = ReadRtfText(RtfWithBody(Group("\\dibitmap0\\picwgoal600\\pichgoal450", Hex(kDib, 128))));
    const QByteArray rtf = WriteRtf(*doc);
    EXPECT_TRUE(rtf.contains("{\\pict\\pngblip\\picw4\\pich3\\picwgoal600\\pichgoal450\r\n89504e47")) << rtf.constData();
    const auto again = ReadRtfText(rtf);
    const auto images = Images(*again);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].size, QSizeF(40, 30));
    EXPECT_EQ(images[0].image.convertToFormat(QImage::Format_RGB32), TestImage());
}
} // namespace

namespace {
// A PNG header that claims 20000 x 20000 pixels (1.6 GB decoded) in a few
// dozen bytes.
QByteArray HugeClaimPng()
{
    return QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200004e2000004e2008020000006c12d16e"
                               "0000000b49444154789c63604005000010000139bd8f65"
                               "0000000049454e44ae426082");
}
} // namespace

TEST(RtfPictureMemory, BitmapClaimingHugeSizeIsKeptUndecoded)
{
    const QByteArray png = HugeClaimPng();
    const auto doc = ReadRtfText(RtfWithBody("{\\pict\\pngblip\\picwgoal600\\pichgoal450 " + png.toHex() + "}"));
    const auto images = Images(*doc);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].size, QSizeF(40, 30));
    EXPECT_LE(images[0].image.sizeInBytes(), 16);
    EXPECT_EQ(images[0].format.property(kRtfOriginalBlipBytes).toByteArray(), png);
    const QByteArray written = WriteRtf(*doc);
    EXPECT_TRUE(written.contains("{\\pict\\pngblip\\picw0\\pich0\\picwgoal600\\pichgoal450\r\n"));
    const auto again = Images(*ReadRtfText(written));
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0].format.property(kRtfOriginalBlipBytes).toByteArray(), png);
}

TEST(RtfPictureMemory, MetafileRenderingIsBounded)
{
    // Shown at 8192 x 4096 pixels; the placeholder stays tiny either way.
    const auto doc = ReadRtfText(RtfWithBody("{\\pict\\wmetafile8\\picw100\\pich100\\picwgoal122880\\pichgoal61440 0100}"));
    const auto images = Images(*doc);
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].size, QSizeF(8192, 4096));
    EXPECT_LE(images[0].image.sizeInBytes(), qint64(kMaxRenderedMetafileSide) * kMaxRenderedMetafileSide * 4);
}
