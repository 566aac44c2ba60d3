// What every caller of Render relies on: the picture fills exactly the
// rectangle it is given, respects the caller's clip and leaves the painter
// as it found it.

#include "WmfBuilder.h"
#include "WmfTestImages.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const QColor kRed(220, 0, 0), kBlue(0, 0, 220);

// Left half red, right half blue, on a 100 x 100 frame.
QByteArray HalfAndHalf()
{
    WmfBuilder b;
    b.placeable(0, 0, 100, 100, 2540);
    b.record(0x02FA, {5, 0, 0, 0, 0}).record(0x012D, {0});
    b.record(0x02FC, {0, ColorLow(kRed), ColorHigh(kRed), 0}).record(0x012D, {1});
    b.record(0x041B, {100, 50, 0, 0});
    b.record(0x02FC, {0, ColorLow(kBlue), ColorHigh(kBlue), 0}).record(0x012D, {2});
    b.record(0x041B, {100, 100, 0, 50});
    return b.bytes();
}

struct TargetCase {
    const char *name;
    QRectF target;
    QPoint red, blue, untouched;
};

void PrintTo(const TargetCase &c, std::ostream *os) { *os << c.name; }

class WmfTargets : public testing::TestWithParam<TargetCase> {};

TEST_P(WmfTargets, PictureFillsTheTargetExactly)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(HalfAndHalf());
    ASSERT_TRUE(picture);
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture->Render(painter, GetParam().target);
    painter.end();
    EXPECT_TRUE(Near(image.pixelColor(GetParam().red), kRed));
    EXPECT_TRUE(Near(image.pixelColor(GetParam().blue), kBlue));
    EXPECT_TRUE(Near(image.pixelColor(GetParam().untouched), Qt::white));
}

INSTANTIATE_TEST_SUITE_P(Targets, WmfTargets, testing::Values(
    // Twice as wide as high: stretched, not kept in aspect.
    TargetCase{"StretchedTwiceAsWide", {0, 0, 200, 80}, {90, 50}, {110, 50}, {100, 90}},
    TargetCase{"Offset", {100, 20, 100, 60}, {140, 50}, {160, 50}, {50, 50}},
    TargetCase{"MirroredByNegativeWidth", {200, 0, -100, 100}, {180, 50}, {120, 50}, {50, 50}}
), [](const testing::TestParamInfo<TargetCase> &info) { return std::string(info.param.name); });

TEST(WmfRender, KeepsTheCallersClipAndState)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(HalfAndHalf());
    ASSERT_TRUE(picture);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(QRect(0, 0, 100, 30));
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    painter.scale(2, 2);  // the target is in the caller's own coordinates
    const QTransform before = painter.worldTransform();
    picture->Render(painter, QRectF(0, 0, 50, 50));
    EXPECT_EQ(painter.worldTransform(), before);
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_TRUE(painter.hasClipping());
    painter.end();
    EXPECT_TRUE(Near(image.pixelColor(20, 10), kRed));
    EXPECT_TRUE(Near(image.pixelColor(80, 10), kBlue));
    EXPECT_TRUE(Near(image.pixelColor(20, 60), Qt::white));  // outside the caller's clip
}

TEST(WmfRender, EmptyOrNonFiniteTargetDrawsNothing)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(HalfAndHalf());
    ASSERT_TRUE(picture);
    QImage image(100, 100, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage blank = image;
    QPainter painter(&image);
    const qreal nan = std::numeric_limits<qreal>::quiet_NaN();
    const qreal inf = std::numeric_limits<qreal>::infinity();
    for (const QRectF &target : {QRectF(0, 0, 0, 100), QRectF(0, 0, 100, 0), QRectF(0, 0, nan, 100),
                                 QRectF(inf, 0, 100, 100), QRectF(0, 0, 100, -inf)})
        picture->Render(painter, target);
    painter.end();
    EXPECT_EQ(image, blank);
}

TEST(WmfRender, RepaintingGivesTheSamePicture)
{
    const DecodedPicturePtr picture = DecodeWmfPicture(HalfAndHalf());
    ASSERT_TRUE(picture);
    QImage first(100, 100, QImage::Format_RGB32), second(100, 100, QImage::Format_RGB32);
    for (QImage *image : {&first, &second}) {
        image->fill(Qt::white);
        QPainter painter(image);
        picture->Render(painter, QRectF(0, 0, 100, 100));
    }
    EXPECT_EQ(first, second);
}

} // namespace
