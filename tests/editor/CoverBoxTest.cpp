#include "editor/CoverBox.h"
#include "editor/CoverBoxModel.h"
#include "editor/CoverCodec.h"

#include "document/Base64Text.h"

#include "TestFiles.h"

#include <QPainter>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {
QImage Solid(int w, int h, QRgb colour)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A cover at 16 bits per pixel, as a book made on a 16-bit display holds it.
QString SixteenBitCoverText()
{
    QByteArray bytes(kCoverHeaderBytes, '\0');
    qToLittleEndian<qint32>(2, bytes.data() + 4);
    qToLittleEndian<qint32>(1, bytes.data() + 8);
    qToLittleEndian<qint32>(4, bytes.data() + 12);
    qToLittleEndian<quint16>(1, bytes.data() + 16);
    qToLittleEndian<quint16>(16, bytes.data() + 18);
    bytes += QByteArray::fromHex("00f81f00");
    return EncodeBase64Text(bytes);
}

QString OversizedCoverText()
{
    QByteArray bytes(kCoverHeaderBytes, '\0');
    qToLittleEndian<qint32>(5000, bytes.data() + 4);
    qToLittleEndian<qint32>(10, bytes.data() + 8);
    qToLittleEndian<qint32>(20000, bytes.data() + 12);
    qToLittleEndian<quint16>(1, bytes.data() + 16);
    qToLittleEndian<quint16>(32, bytes.data() + 18);
    return EncodeBase64Text(bytes);
}

struct LoadedCase {
    const char *name;
    QString text;
    bool decodes;
};

void PrintTo(const LoadedCase &c, std::ostream *os) { *os << c.name; }

class CoverFromBook : public testing::TestWithParam<LoadedCase> {};

TEST_P(CoverFromBook, GoesBackIntoTheBookAsTheVeryTextLoaded)
{
    CoverBoxModel box;
    EXPECT_EQ(box.DecodeCover(GetParam().text), GetParam().decodes);
    EXPECT_EQ(box.HasCoverBitmap(), GetParam().decodes);
    QString cover = QStringLiteral("previous");
    ASSERT_TRUE(box.EncodeCover(cover));
    EXPECT_EQ(cover, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CoverFromBook,
    testing::Values(LoadedCase{"ours", CoverTextFromBitmap(Solid(30, 20, qRgb(1, 2, 3))), true},
                    LoadedCase{"sixteen_bits", SixteenBitCoverText(), true},
                    // Line breaks of another writer: a re-encoding would differ.
                    LoadedCase{"other_line_breaks",
                               CoverTextFromBitmap(Solid(3, 3, qRgb(9, 9, 9))).remove(QStringLiteral("\r\n"))
                                   + QStringLiteral("\n"),
                               true},
                    LoadedCase{"too_large_to_show", OversizedCoverText(), false},
                    LoadedCase{"garbage", QStringLiteral("!!not a cover!!"), false}));

TEST(CoverFromBook, SixteenBitCoverIsShownInTheDisplayFormat)
{
    CoverBoxModel box;
    ASSERT_TRUE(box.DecodeCover(SixteenBitCoverText()));
    EXPECT_EQ(box.CoverBitmap().format(), QImage::Format_RGB32);
    EXPECT_EQ(box.CoverBitmap().pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(box.CoverBitmap().pixel(1, 0), qRgb(0, 0, 255));
}

TEST(CoverFromBook, EmptyTextMeansNoCover)
{
    CoverBoxModel box;
    box.ReplaceCover(Solid(4, 4, qRgb(1, 1, 1)));
    EXPECT_FALSE(box.DecodeCover(QString()));
    EXPECT_FALSE(box.HasCoverBitmap());
    QString cover = QStringLiteral("kept");
    EXPECT_FALSE(box.EncodeCover(cover));
    EXPECT_EQ(cover, QStringLiteral("kept"));
}

TEST(CoverFromUser, ReplacingTheLoadedCoverEncodesTheNewBitmap)
{
    CoverBoxModel box;
    const QString old = SixteenBitCoverText();
    ASSERT_TRUE(box.DecodeCover(old));
    const QImage chosen = Solid(7, 5, qRgb(200, 100, 50));
    box.ReplaceCover(chosen);
    QString cover;
    ASSERT_TRUE(box.EncodeCover(cover));
    EXPECT_NE(cover, old);
    EXPECT_EQ(cover, CoverTextFromBitmap(chosen));
}

TEST(CoverFromUser, ClearingDropsBitmapAndLoadedText)
{
    CoverBoxModel box;
    ASSERT_FALSE(box.DecodeCover(OversizedCoverText()));
    box.ClearCover();
    QString cover = QStringLiteral("kept");
    EXPECT_FALSE(box.EncodeCover(cover));
    EXPECT_EQ(cover, QStringLiteral("kept"));
}

constexpr QRgb kFace = 0xffc0c0c0;
constexpr QRgb kBackground = 0xff102030;
constexpr QRgb kCover = 0xffff0000;

QImage PaintBox(const CoverBoxModel &box, const QRect &client)
{
    QImage target(client.right() + 2, client.bottom() + 2, QImage::Format_RGB32);
    target.fill(kBackground);
    QPainter painter(&target);
    box.Paint(painter, client, QColor::fromRgb(kFace));
    return target;
}

TEST(CoverPaint, NoCoverDrawsNothing)
{
    CoverBoxModel box;
    const QImage shown = PaintBox(box, QRect(1, 1, 20, 10));
    EXPECT_EQ(shown.pixel(5, 5), kBackground);
}

TEST(CoverPaint, LargerCoverShowsItsTopLeftPartClipped)
{
    CoverBoxModel box;
    QImage cover = Solid(40, 30, kCover);
    cover.setPixel(0, 0, qRgb(0, 255, 0));
    box.ReplaceCover(cover);
    const QRect client(1, 1, 20, 10);
    const QImage shown = PaintBox(box, client);
    EXPECT_EQ(shown.pixel(1, 1), qRgb(0, 255, 0)); // unscaled, at the client's corner
    EXPECT_EQ(shown.pixel(20, 10), kCover);
    EXPECT_EQ(shown.pixel(21, 11), kBackground); // nothing outside the client area
    EXPECT_EQ(shown.pixel(0, 0), kBackground);
}

TEST(CoverPaint, SmallerCoverShowsTheFaceColourRightAndBelow)
{
    CoverBoxModel box;
    box.ReplaceCover(Solid(8, 4, kCover));
    const QImage shown = PaintBox(box, QRect(1, 1, 20, 10));
    EXPECT_EQ(shown.pixel(8, 4), kCover);
    EXPECT_EQ(shown.pixel(9, 2), kFace);
    EXPECT_EQ(shown.pixel(3, 5), kFace);
    EXPECT_EQ(shown.pixel(20, 10), kFace);
}

TEST(CoverBox, PaintsTheCoverInsideItsSunkenEdge)
{
    CoverBox box;
    box.resize(50, 40);
    box.ReplaceCover(Solid(100, 100, kCover));
    const QImage shown = box.grab().toImage();
    const QPoint inside = box.contentsRect().topLeft();
    EXPECT_GT(inside.x(), 0); // the frame takes the outer pixels
    EXPECT_EQ(shown.pixel(inside), kCover);
    EXPECT_NE(shown.pixel(0, 0), kCover);
}
TEST(CoverPicture, EmptyBoxKeepsTheCover)
{
    CoverBoxModel box;
    const QString old = SixteenBitCoverText();
    box.DecodeCover(old);
    EXPECT_FALSE(box.AdoptPicture(QSize(0, 40), [](QPainter &, const QRect &) {}));
    QString text;
    ASSERT_TRUE(box.EncodeCover(text));
    EXPECT_EQ(text, old);
}
} // namespace
