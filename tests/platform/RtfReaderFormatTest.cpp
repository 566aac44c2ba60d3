// Character and paragraph formats as the document holds them after reading.

#include "RtfTestSupport.h"

#include <QColor>
#include <QTextBlockFormat>

#include <gtest/gtest.h>

namespace {
// What a case checks on the character "X" (or on its paragraph).
enum class Property {
    Bold, Italic, Underline, UnderlineStyle, Strike, VerticalAlign, PointSize, Family,
    Foreground, Background, Alignment, LeftMargin, RightMargin, TextIndent, TopMargin,
    BottomMargin, LineHeight, LineHeightType
};

struct FormatCase {
    const char *name;
    const char *body;
    Property property;
    double value;          // for colours: 0 means "none"
    const char *text = ""; // colour or family
};

void PrintTo(const FormatCase &c, std::ostream *os) { *os << c.name; }
std::string CaseName(const testing::TestParamInfo<FormatCase> &info) { return info.param.name; }

class ReaderFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(ReaderFormat, AppliesTheFormat)
{
    const FormatCase &c = GetParam();
    const auto doc = ReadRtfText(RtfWithBody(c.body));
    const int at = int(RawText(*doc).indexOf(QLatin1Char('X')));
    ASSERT_GE(at, 0);
    const QTextCharFormat f = FormatAt(*doc, at);
    const QTextBlockFormat b = BlockWith(*doc, QStringLiteral("X")).blockFormat();
    switch (c.property) {
    case Property::Bold: EXPECT_EQ(f.fontWeight() >= QFont::Bold, c.value != 0); break;
    case Property::Italic: EXPECT_EQ(f.fontItalic(), c.value != 0); break;
    case Property::Underline: EXPECT_EQ(f.fontUnderline(), c.value != 0); break;
    case Property::UnderlineStyle: EXPECT_EQ(int(f.underlineStyle()), int(c.value)); break;
    case Property::Strike: EXPECT_EQ(f.fontStrikeOut(), c.value != 0); break;
    case Property::VerticalAlign: EXPECT_EQ(int(f.verticalAlignment()), int(c.value)); break;
    case Property::PointSize: EXPECT_DOUBLE_EQ(f.fontPointSize(), c.value); break;
    case Property::Family: EXPECT_EQ(f.fontFamilies().toStringList().value(0), QLatin1String(c.text)); break;
    case Property::Foreground:
        if (c.value == 0)
            EXPECT_FALSE(f.hasProperty(QTextFormat::ForegroundBrush));
        else
            EXPECT_EQ(f.foreground().color(), QColor(QLatin1String(c.text)));
        break;
    case Property::Background:
        if (c.value == 0)
            EXPECT_FALSE(f.hasProperty(QTextFormat::BackgroundBrush));
        else
            EXPECT_EQ(f.background().color(), QColor(QLatin1String(c.text)));
        break;
    case Property::Alignment: EXPECT_EQ(int(b.alignment() & Qt::AlignHorizontal_Mask), int(c.value)); break;
    case Property::LeftMargin: EXPECT_DOUBLE_EQ(b.leftMargin(), c.value); break;
    case Property::RightMargin: EXPECT_DOUBLE_EQ(b.rightMargin(), c.value); break;
    case Property::TextIndent: EXPECT_DOUBLE_EQ(b.textIndent(), c.value); break;
    case Property::TopMargin: EXPECT_DOUBLE_EQ(b.topMargin(), c.value); break;
    case Property::BottomMargin: EXPECT_DOUBLE_EQ(b.bottomMargin(), c.value); break;
    case Property::LineHeight: EXPECT_DOUBLE_EQ(b.lineHeight(), c.value); break;
    case Property::LineHeightType: EXPECT_EQ(b.lineHeightType(), int(c.value)); break;
    }
}

INSTANTIATE_TEST_SUITE_P(Character, ReaderFormat, testing::Values(
    FormatCase{"Bold", R"(\b X)", Property::Bold, 1},
    FormatCase{"BoldOff", R"(\b\b0 X)", Property::Bold, 0},
    FormatCase{"BoldEndsWithGroup", R"({\b A}X)", Property::Bold, 0},
    FormatCase{"Italic", R"(\i X)", Property::Italic, 1},
    FormatCase{"Underline", R"(\ul X)", Property::Underline, 1},
    FormatCase{"UnderlineNone", R"(\ul\ulnone X)", Property::Underline, 0},
    FormatCase{"UnderlineZero", R"(\ul\ul0 X)", Property::Underline, 0},
    FormatCase{"UnderlineWave", R"(\ulwave X)", Property::UnderlineStyle, QTextCharFormat::WaveUnderline},
    FormatCase{"UnderlineDotted", R"(\uld X)", Property::UnderlineStyle, QTextCharFormat::DotLine},
    FormatCase{"Strike", R"(\strike X)", Property::Strike, 1},
    FormatCase{"StrikeOff", R"(\strike\strike0 X)", Property::Strike, 0},
    FormatCase{"Superscript", R"(\super X)", Property::VerticalAlign, QTextCharFormat::AlignSuperScript},
    FormatCase{"Subscript", R"(\sub X)", Property::VerticalAlign, QTextCharFormat::AlignSubScript},
    FormatCase{"NoSuperSub", R"(\super\nosupersub X)", Property::VerticalAlign, QTextCharFormat::AlignNormal},
    FormatCase{"RaisedIsSuperscript", R"(\up6 X)", Property::VerticalAlign, QTextCharFormat::AlignSuperScript},
    FormatCase{"DefaultSizeTwelve", R"(X)", Property::PointSize, 12},
    FormatCase{"HalfPoints", R"(\fs17 X)", Property::PointSize, 8.5},
    FormatCase{"SizeWithoutNumber", R"(\fs40\fs X)", Property::PointSize, 12},
    FormatCase{"HugeSizeBounded", R"(\fs99999999999999 X)", Property::PointSize, 1638},
    FormatCase{"DefaultFont", R"(X)", Property::Family, 0, "SimSun"},
    FormatCase{"FontSwitch", R"(\f1 X)", Property::Family, 0, "Arial"},
    FormatCase{"UnknownFontHasNoFamily", R"(\f77 X)", Property::Family, 0, ""},
    FormatCase{"ColourFromTable", R"(\cf1 X)", Property::Foreground, 1, "#ff0000"},
    FormatCase{"AutomaticColour", R"(\cf1\cf0 X)", Property::Foreground, 0},
    FormatCase{"ColourOutsideTable", R"(\cf9 X)", Property::Foreground, 0},
    FormatCase{"Highlight", R"(\highlight2 X)", Property::Background, 1, "#0000ff"},
    FormatCase{"CharacterBackground", R"(\chcbpat1 X)", Property::Background, 1, "#ff0000"},
    FormatCase{"PlainResetsBold", R"(\b\i\fs40\plain X)", Property::Bold, 0},
    FormatCase{"PlainResetsSize", R"(\b\i\fs40\plain X)", Property::PointSize, 12},
    FormatCase{"PlainResetsFont", R"(\f1\plain X)", Property::Family, 0, "SimSun"},
    FormatCase{"DoubleByteUsesAssociatedSize", R"(\fs24\afs40\dbch X)", Property::PointSize, 20},
    FormatCase{"SingleByteIgnoresAssociatedSize", R"(\fs24\afs40\dbch\loch X)", Property::PointSize, 12}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Paragraph, ReaderFormat, testing::Values(
    FormatCase{"Left", R"(X)", Property::Alignment, Qt::AlignLeft},
    FormatCase{"Centre", R"(\qc X\par)", Property::Alignment, Qt::AlignHCenter},
    FormatCase{"Right", R"(\qr X\par)", Property::Alignment, Qt::AlignRight},
    FormatCase{"Justify", R"(\qj X\par)", Property::Alignment, Qt::AlignJustify},
    FormatCase{"PardResets", R"(\qc\pard X\par)", Property::Alignment, Qt::AlignLeft},
    FormatCase{"SetAtTheParagraphMark", R"(X\qr\par)", Property::Alignment, Qt::AlignRight},
    FormatCase{"LastParagraphWithoutPar", R"(A\par\qc X)", Property::Alignment, Qt::AlignHCenter},
    FormatCase{"NextParagraphKeepsFormat", R"(\qc A\par X\par)", Property::Alignment, Qt::AlignHCenter},
    // Twips to pixels at 96 dpi: 15 twips a pixel.
    FormatCase{"LeftIndent", R"(\li720 X\par)", Property::LeftMargin, 48},
    FormatCase{"RightIndent", R"(\ri1440 X\par)", Property::RightMargin, 96},
    FormatCase{"FirstLineIndent", R"(\fi-360\li720 X\par)", Property::TextIndent, -24},
    FormatCase{"SpaceBefore", R"(\sb240 X\par)", Property::TopMargin, 16},
    FormatCase{"SpaceAfter", R"(\sa180 X\par)", Property::BottomMargin, 12},
    FormatCase{"HugeIndentBounded", R"(\li2147483647999 X\par)", Property::LeftMargin, 2112},
    FormatCase{"MultipleLineSpacing", R"(\sl360\slmult1 X\par)", Property::LineHeight, 150},
    FormatCase{"MultipleLineSpacingType", R"(\sl360\slmult1 X\par)", Property::LineHeightType,
               QTextBlockFormat::ProportionalHeight},
    FormatCase{"SingleLineSpacingIsDefault", R"(\sl240\slmult1 X\par)", Property::LineHeightType,
               QTextBlockFormat::SingleHeight},
    FormatCase{"ExactLineSpacing", R"(\sl-300\slmult0 X\par)", Property::LineHeight, 20},
    FormatCase{"ExactLineSpacingType", R"(\sl-300\slmult0 X\par)", Property::LineHeightType,
               QTextBlockFormat::FixedHeight},
    FormatCase{"AtLeastLineSpacingType", R"(\sl300\slmult0 X\par)", Property::LineHeightType,
               QTextBlockFormat::MinimumHeight}),
    CaseName);
} // namespace
