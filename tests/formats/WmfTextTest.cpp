// Text records: code pages by charset, alignment, spacing and rotation.

#include "WmfBuilder.h"

#include <QFont>

namespace {
// A font record: height, width, escapement, orientation, weight, italic/
// underline, strike-out/charset, precision bytes, then the face name.
QByteArray FontRecord(int height, int escapement, int charset, const QByteArray &face)
{
    QByteArray name = face;
    name.resize(32, '\0');
    return Words({height, 0, escapement, escapement, 400}) + QByteArray("\0\0\0", 3) + char(charset)
           + QByteArray("\0\0\0\0", 4) + name;
}

QByteArray TextOut(const QByteArray &text, int x, int y)
{
    return Words({int(text.size())}) + text + (text.size() % 2 ? QByteArray(1, '\0') : QByteArray()) + Words({y, x});
}

// A 200 x 100 picture: the font selected, transparent background, the
// alignment set, then the records.
QByteArray TextPicture(const QByteArray &font, int align, quint16 function, const QByteArray &params)
{
    WmfBuilder b;
    b.Placeable(0, 0, 200, 100, 2540);
    b.AppendRecord(0x02FB, font).AppendRecord(0x012D, {0});
    b.AppendRecord(0x0102, {1}).AppendRecord(0x012E, {align}).AppendRecord(function, params);
    return b.Bytes();
}

QImage TextOutImage(const QByteArray &text, int x, int y, int align, int charset = 0, int escapement = 0,
                    int height = -30)
{
    return RenderWmf(
        TextPicture(FontRecord(height, escapement, charset, "DejaVu Sans"), align, 0x0521, TextOut(text, x, y)),
        QSize(200, 100));
}

const QByteArray kGbk("\xD6\xD0\xCE\xC4"); // "中文"

struct AlignCase {
    const char *name;
    int align;
    int inkLeft, inkRight, inkTop, inkBottom; // where the ink must start, end or sit; -1: not checked
};

class WmfTextAlignment : public testing::TestWithParam<AlignCase> {};

TEST_P(WmfTextAlignment, PutsTheReferencePointWhereTheFlagsSay)
{
    // "HH" has no descender: its ink ends at the baseline.
    const QRect ink = InkBox(TextOutImage("HH", 100, 50, GetParam().align));
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

INSTANTIATE_TEST_SUITE_P(Flags, WmfTextAlignment,
                         testing::Values(AlignCase{"LeftBaseline", 24, 100, -1, -1, 50},
                                         AlignCase{"RightBaseline", 24 | 2, -1, 100, -1, 50},
                                         AlignCase{"CenterBaseline", 24 | 6, -1, -1, -1, 50},
                                         AlignCase{"LeftTop", 0, 100, -1, 50, -1},
                                         AlignCase{"LeftBottom", 8, 100, -1, -1, 43}),
                         CaseName());

TEST(WmfText, GbkBytesInCharset134DrawChinese)
{
    // Drawn through the metafile and directly by Qt with the same font, size
    // and baseline.
    const QImage played = RenderWmf(
        TextPicture(FontRecord(-40, 0, 134, "Noto Sans CJK SC"), 24, 0x0521, TextOut(kGbk, 10, 60)), QSize(200, 100));
    QImage direct = White({200, 100});
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

TEST(WmfText, CharsetDecidesTheCodePageAndTheDefaultIsGbk)
{
    // Read as 1252 the bytes are four Latin letters, not two ideographs.
    // Books come from Simplified Chinese systems, whose default code page
    // is GBK.
    const QImage chinese = TextOutImage(kGbk, 10, 60, 24, 134);
    EXPECT_GT(MeanDifference(chinese, TextOutImage(kGbk, 10, 60, 24, 0)), 1.0);
    EXPECT_EQ(TextOutImage(kGbk, 10, 60, 24, 1), chinese);
}

TEST(WmfText, ExtTextOutSpacesCharactersByTheirAdvances)
{
    // "II" with the second letter 120 units after the first: y, x, count,
    // options, text, advances.
    const QImage image = RenderWmf(
        TextPicture(FontRecord(-30, 0, 0, "DejaVu Sans"), 24, 0x0A32, Words({60, 20, 2, 0}) + "II" + Words({120, 10})),
        QSize(200, 100));
    const QRect ink = InkBox(image);
    EXPECT_NEAR(ink.right() - ink.left(), 120 + 4, 6);
    EXPECT_TRUE(InkBox(image.copy(60, 0, 70, 100)).isEmpty()); // nothing between
}

TEST(WmfText, EscapementTurnsTheLine)
{
    const QRect a = InkBox(TextOutImage("HHHH", 100, 90, 24, 0, 0, -16));
    const QRect b = InkBox(TextOutImage("HHHH", 100, 90, 24, 0, 900, -16));
    EXPECT_GT(a.width(), 2 * a.height());
    EXPECT_GT(b.height(), 2 * b.width());
    // Counter-clockwise: the turned line rises from its reference point.
    EXPECT_LE(b.bottom(), 91);
    EXPECT_GE(b.right(), 95);
}

TEST(WmfText, OpaqueBackgroundFillsTheTextBox)
{
    WmfBuilder b;
    b.Placeable(0, 0, 200, 100, 2540);
    b.AppendRecord(0x02FB, FontRecord(-30, 0, 0, "DejaVu Sans")).AppendRecord(0x012D, {0});
    b.AppendRecord(0x0201, {0x0000, 0x00DC})
        .AppendRecord(0x0102, {2})
        .AppendRecord(0x012E, {0})
        .AppendRecord(0x0521, TextOut("HH", 10, 10)); // blue, OPAQUE
    EXPECT_GT(CountNear(RenderWmf(b.Bytes(), QSize(200, 100)), QColor(0, 0, 220)), 300);
}
} // namespace
