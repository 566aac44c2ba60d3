// Text records: code pages by charset, alignment, spacing and rotation.

#include "WmfBuilder.h"
#include "WmfTestImages.h"

#include <QFont>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

// A font record: height, width, escapement, orientation, weight, italic/
// underline, strike-out/charset, precision bytes, then the face name.
QByteArray FontRecord(int height, int escapement, int charset, const QByteArray &face)
{
    QByteArray p;
    for (int w : {height, 0, escapement, escapement, 400})
        WmfBuilder::AppendWord(p, quint16(w));
    p += QByteArray("\0\0\0", 3) + char(charset) + QByteArray("\0\0\0\0", 4);
    QByteArray name = face;
    name.resize(32, '\0');
    return p + name;
}

QByteArray TextOut(const QByteArray &text, int x, int y)
{
    QByteArray p;
    WmfBuilder::AppendWord(p, quint16(text.size()));
    p += text;
    if (text.size() % 2)
        p += '\0';
    WmfBuilder::AppendWord(p, quint16(y));
    WmfBuilder::AppendWord(p, quint16(x));
    return p;
}

QByteArray TextPicture(const QByteArray &text, int x, int y, int align, int charset = 0,
                       int escapement = 0, int height = -30)
{
    WmfBuilder b;
    b.placeable(0, 0, 200, 100, 2540);
    b.record(0x02FB, FontRecord(height, escapement, charset, "DejaVu Sans")).record(0x012D, {0});
    b.record(0x0102, {1}).record(0x012E, {align});
    b.record(0x0521, TextOut(text, x, y));
    return b.bytes();
}

struct AlignCase {
    const char *name;
    int align;
    // Where the ink must start, end or sit, -1 for "not checked".
    int inkLeft, inkRight, inkTop, inkBottom;
};

void PrintTo(const AlignCase &c, std::ostream *os) { *os << c.name; }

class WmfTextAlignment : public testing::TestWithParam<AlignCase> {};

TEST_P(WmfTextAlignment, PutsTheReferencePointWhereTheFlagsSay)
{
    // "HH" has no descender: its ink ends at the baseline.
    const QImage image = RenderWmf(TextPicture("HH", 100, 50, GetParam().align), QSize(200, 100));
    const QRect ink = InkBox(image);
    ASSERT_FALSE(ink.isEmpty());
    const AlignCase &c = GetParam();
    if (c.inkLeft >= 0) {
        EXPECT_NEAR(ink.left(), c.inkLeft, 4);
    }
    if (c.inkRight >= 0) {
        EXPECT_NEAR(ink.right(), c.inkRight, 4);
    }
    if (c.inkTop >= 0) {
        EXPECT_NEAR(ink.top(), c.inkTop, 9);
    }
    if (c.inkBottom >= 0) {
        EXPECT_NEAR(ink.bottom(), c.inkBottom, 2);
    }
    if (c.inkLeft < 0 && c.inkRight < 0) {
        EXPECT_NEAR(ink.center().x(), 100, 3);
    }
}

INSTANTIATE_TEST_SUITE_P(Flags, WmfTextAlignment, testing::Values(
    AlignCase{"LeftBaseline", 24, 100, -1, -1, 50},
    AlignCase{"RightBaseline", 24 | 2, -1, 100, -1, 50},
    AlignCase{"CenterBaseline", 24 | 6, -1, -1, -1, 50},
    AlignCase{"LeftTop", 0, 100, -1, 50, -1},
    AlignCase{"LeftBottom", 8, 100, -1, -1, 43}
), [](const testing::TestParamInfo<AlignCase> &info) { return std::string(info.param.name); });

TEST(WmfText, GbkBytesInCharset134DrawChinese)
{
    // "中文" in GBK, drawn through the metafile and directly by Qt with the
    // same font, size and baseline.
    const QByteArray gbk("\xD6\xD0\xCE\xC4");
    WmfBuilder b;
    b.placeable(0, 0, 200, 100, 2540);
    b.record(0x02FB, FontRecord(-40, 0, 134, "Noto Sans CJK SC")).record(0x012D, {0});
    b.record(0x0102, {1}).record(0x012E, {24}).record(0x0521, TextOut(gbk, 10, 60));
    const QImage played = RenderWmf(b.bytes(), QSize(200, 100));

    QImage direct(200, 100, QImage::Format_RGB32);
    direct.fill(Qt::white);
    QPainter painter(&direct);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(40);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(10, 60), QString::fromUtf8("中文"));
    painter.end();

    const QRect a = InkBox(played), d = InkBox(direct);
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NEAR(a.left(), d.left(), 2);
    EXPECT_NEAR(a.right(), d.right(), 2);
    EXPECT_NEAR(a.top(), d.top(), 2);
    EXPECT_NEAR(a.bottom(), d.bottom(), 2);
    EXPECT_LT(MeanDifference(played, direct), 6.0);
}

TEST(WmfText, CharsetDecidesTheCodePage)
{
    // The same bytes read as 1252 are four Latin letters, not two ideographs.
    const QByteArray gbk("\xD6\xD0\xCE\xC4");
    const QImage chinese = RenderWmf(TextPicture(gbk, 10, 60, 24, 134), QSize(200, 100));
    const QImage western = RenderWmf(TextPicture(gbk, 10, 60, 24, 0), QSize(200, 100));
    EXPECT_GT(MeanDifference(chinese, western), 1.0);
}

TEST(WmfText, DefaultCharsetReadsAsGbk)
{
    // Books come from Simplified Chinese systems, whose default code page
    // is GBK.
    const QByteArray gbk("\xD6\xD0\xCE\xC4");
    const QImage byDefault = RenderWmf(TextPicture(gbk, 10, 60, 24, 1), QSize(200, 100));
    const QImage chinese = RenderWmf(TextPicture(gbk, 10, 60, 24, 134), QSize(200, 100));
    EXPECT_EQ(byDefault, chinese);
}

TEST(WmfText, ExtTextOutSpacesCharactersByTheirAdvances)
{
    // "II" with the second letter 120 units after the first.
    QByteArray p;
    for (int w : {60, 20, 2, 0})  // y, x, count, options
        WmfBuilder::AppendWord(p, quint16(w));
    p += "II";
    WmfBuilder::AppendWord(p, 120);
    WmfBuilder::AppendWord(p, 10);
    WmfBuilder b;
    b.placeable(0, 0, 200, 100, 2540);
    b.record(0x02FB, FontRecord(-30, 0, 0, "DejaVu Sans")).record(0x012D, {0});
    b.record(0x0102, {1}).record(0x012E, {24}).record(0x0A32, p);
    const QImage image = RenderWmf(b.bytes(), QSize(200, 100));
    const QRect ink = InkBox(image);
    EXPECT_NEAR(ink.right() - ink.left(), 120 + 4, 6);
    EXPECT_TRUE(InkBox(image.copy(60, 0, 70, 100)).isEmpty());  // nothing between
}

TEST(WmfText, EscapementTurnsTheLine)
{
    const QImage flat = RenderWmf(TextPicture("HHHH", 100, 90, 24, 0, 0, -16), QSize(200, 100));
    const QImage turned = RenderWmf(TextPicture("HHHH", 100, 90, 24, 0, 900, -16), QSize(200, 100));
    const QRect a = InkBox(flat), b = InkBox(turned);
    EXPECT_GT(a.width(), 2 * a.height());
    EXPECT_GT(b.height(), 2 * b.width());
    // Counter-clockwise: the turned line rises from its reference point.
    EXPECT_LE(b.bottom(), 91);
    EXPECT_GE(b.right(), 95);
}

TEST(WmfText, OpaqueBackgroundFillsTheTextBox)
{
    WmfBuilder b;
    b.placeable(0, 0, 200, 100, 2540);
    b.record(0x02FB, FontRecord(-30, 0, 0, "DejaVu Sans")).record(0x012D, {0});
    b.record(0x0201, {0x0000, 0x00DC}).record(0x0102, {2}).record(0x012E, {0});  // blue, OPAQUE
    b.record(0x0521, TextOut("HH", 10, 10));
    const QImage image = RenderWmf(b.bytes(), QSize(200, 100));
    EXPECT_GT(CountNear(image, QColor(0, 0, 220)), 300);
}

} // namespace
