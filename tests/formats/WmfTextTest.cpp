// Text records: the code page by charset, where the reference point sits,
// and the spacing the record gives.

#include "WmfBuilder.h"

#include <QFont>

namespace {
// A font record: height, width, escapement, orientation, weight, italic/
// underline, strike-out/charset, precision bytes, then the face name.
QByteArray FontRecord(int height, int charset, const QByteArray &face)
{
    return Words({height, 0, 0, 0, 400}) + QByteArray("\0\0\0", 3) + char(charset) + QByteArray(4, '\0')
           + face.leftJustified(32, '\0');
}

// A 200 x 100 picture: the font selected, transparent background, the
// alignment set, then one text record.
QImage TextPicture(const QByteArray &font, int align, int function, const QByteArray &params)
{
    WmfBuilder b;
    b.Placeable(0, 0, 200, 100, 2540);
    b.AppendRecord(0x02FB, font).AppendRecord(0x012D, {0});
    b.AppendRecord(0x0102, {1}).AppendRecord(0x012E, {align}).AppendRecord(function, params);
    return RenderWmf(b.Bytes(), QSize(200, 100));
}

// TEXTOUT: count, the bytes padded to a word, y, x.
QImage TextOut(const QByteArray &text, int x, int y, int align, int charset = 0, int height = -30,
               const char *face = "DejaVu Sans")
{
    const QByteArray padded = text.size() % 2 ? text + '\0' : text;
    return TextPicture(FontRecord(height, charset, face), align, 0x0521,
                       Words({int(text.size())}) + padded + Words({y, x}));
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
    const QRect ink = InkOf(TextOut("HH", 100, 50, GetParam().align), Qt::white, true, 60).box;
    ASSERT_FALSE(ink.isEmpty());
    const AlignCase &c = GetParam();
    for (const auto &[want, got, slack] :
         {std::tuple{c.inkLeft, ink.left(), 4}, std::tuple{c.inkRight, ink.right(), 4},
          std::tuple{c.inkTop, ink.top(), 9}, std::tuple{c.inkBottom, ink.bottom(), 2}})
        if (want >= 0) {
            EXPECT_NEAR(got, want, slack);
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

TEST(WmfText, GbkBytesInCharset134DrawChineseAndTheDefaultCharsetIsGbk)
{
    // Drawn through the metafile and directly by Qt with the same font, size
    // and baseline.
    const QImage played = TextOut(kGbk, 10, 60, 24, 134, -40, "Noto Sans CJK SC");
    QImage direct = White({200, 100});
    QPainter painter(&direct);
    QFont font(QStringLiteral("Noto Sans CJK SC"));
    font.setPixelSize(40);
    painter.setFont(font);
    painter.drawText(QPointF(10, 60), QString::fromUtf8("中文"));
    painter.end();
    const QRect a = InkOf(played, Qt::white, true, 60).box, d = InkOf(direct, Qt::white, true, 60).box;
    ASSERT_FALSE(a.isEmpty());
    EXPECT_NEAR(a.left(), d.left(), 2);
    EXPECT_NEAR(a.right(), d.right(), 2);
    EXPECT_NEAR(a.top(), d.top(), 2);
    EXPECT_NEAR(a.bottom(), d.bottom(), 2);
    EXPECT_LT(MeanDifference(played, direct), 6.0);
    // Read as 1252 the bytes are four Latin letters, not two ideographs.
    // Books come from Simplified Chinese systems, whose default code page
    // is GBK.
    const QImage chinese = TextOut(kGbk, 10, 60, 24, 134);
    EXPECT_GT(MeanDifference(chinese, TextOut(kGbk, 10, 60, 24, 0)), 1.0);
    EXPECT_EQ(TextOut(kGbk, 10, 60, 24, 1), chinese);
}

TEST(WmfText, ExtTextOutSpacesCharactersByTheirAdvances)
{
    // "II" with the second letter 120 units after the first: y, x, count,
    // options, text, advances.
    const QImage image =
        TextPicture(FontRecord(-30, 0, "DejaVu Sans"), 24, 0x0A32, Words({60, 20, 2, 0}) + "II" + Words({120, 10}));
    const QRect ink = InkOf(image, Qt::white, true, 60).box;
    EXPECT_NEAR(ink.right() - ink.left(), 120 + 4, 6);
    EXPECT_TRUE(InkOf(image.copy(60, 0, 70, 100), Qt::white, true, 60).box.isEmpty()); // nothing between
}
} // namespace
