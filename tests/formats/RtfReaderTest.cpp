// The RTF tokenizer and reader: what a stream shows, with which formats, and
// how far damaged streams are read.

#include "RtfTestSupport.h"

#include "formats/rtf/RtfTokenizer.h"

#include <QColor>
#include <QTextBlockFormat>

namespace {
// Tokens as a compact string: W(name,param) S(c) T(text) H(hex) B(bytes) { }.
std::string Describe(QByteArrayView rtf)
{
    RtfTokenizer tokenizer(rtf);
    std::string out;
    for (RtfToken t = tokenizer.Next(); t.kind != RtfToken::Kind::End; t = tokenizer.Next()) {
        switch (t.kind) {
        case RtfToken::Kind::GroupOpen: out += "{"; break;
        case RtfToken::Kind::GroupClose: out += "}"; break;
        case RtfToken::Kind::ControlWord:
            out += "W(" + t.bytes.toByteArray().toStdString() + (t.hasParam ? "," + std::to_string(t.param) : "") + ")";
            break;
        case RtfToken::Kind::ControlSymbol: out += std::string("S(") + (t.symbol == '\n' ? 'n' : t.symbol) + ")"; break;
        case RtfToken::Kind::Text: out += "T(" + t.bytes.toByteArray().toStdString() + ")"; break;
        case RtfToken::Kind::HexByte: out += "H(" + std::to_string(t.byte) + ")"; break;
        case RtfToken::Kind::Binary: out += "B(" + t.bytes.toByteArray().toStdString() + ")"; break;
        case RtfToken::Kind::End: break;
        }
    }
    return out;
}

struct TokenCase {
    const char *name;
    QByteArray rtf;
    std::string tokens;
};

class Tokenizer : public testing::TestWithParam<TokenCase> {};

TEST_P(Tokenizer, SplitsIntoTokens) { EXPECT_EQ(Describe(GetParam().rtf), GetParam().tokens); }

INSTANTIATE_TEST_SUITE_P(
    Patterns, Tokenizer,
    testing::Values(
        TokenCase{"SpaceDelimiterConsumed", "\\b0  x", "W(b,0)T( x)"},
        TokenCase{"NegativeParameter", "\\u-10179?", "W(u,-10179)T(?)"},
        TokenCase{"HugeParameterSaturates", "\\fs99999999999x", "W(fs,2147483647)T(x)"},
        TokenCase{"HugeNegativeSaturates", "\\fs-99999999999x", "W(fs,-2147483648)T(x)"},
        TokenCase{"MinusWithoutDigitIsText", "\\a-b", "W(a)T(-b)"},
        TokenCase{"LongWordCut", "\\" + QByteArray(40, 'z') + " x", "W(" + std::string(32, 'z') + ")T(x)"},
        TokenCase{"BinarySwallowsBraces", "\\bin3 a}b}", "B(a}b)}"}, TokenCase{"BinaryCutAtEnd", "\\bin9 ab", "B(ab)"},
        TokenCase{"BinaryZero", "\\bin0 ab", "W(bin,0)T(ab)"}, TokenCase{"HexOneDigit", "\\'4g", "H(4)T(g)"},
        TokenCase{"HexNoDigit", "\\'g", "T(g)"}, TokenCase{"ControlSymbols", "\\~\\-\\_\\*\\{", "S(~)S(-)S(_)S(*)S({)"},
        TokenCase{"BackslashLineBreak", "a\\\r\nb", "T(a)S(n)T(b)"},
        TokenCase{"LineBreaksAndNulDropped", QByteArray("a\r\n\0b", 5), "T(a)T(b)"},
        TokenCase{"LoneBackslashAtEnd", "a\\", "T(a)"}, TokenCase{"Groups", "{\\rtf1{x}}", "{W(rtf,1){T(x)}}"}),
    CaseName());

// --- text ------------------------------------------------------------------

struct TextCase {
    const char *name;
    const char *body;
    const char16_t *text;
};

class ReaderText : public testing::TestWithParam<TextCase> {};

TEST_P(ReaderText, ShowsTheText)
{
    EXPECT_EQ(RawText(*ReadRtfText(RtfWithBody(GetParam().body))), QString::fromUtf16(GetParam().text));
}

// The code pages themselves are checked in CodePageTest; here the choice of
// page by font and document.
INSTANTIATE_TEST_SUITE_P(CodePages, ReaderText,
                         testing::Values(TextCase{"GbkInDefaultFont", R"(\'d6\'d0\'ce\'c4)", u"中文"},
                                         TextCase{"GbkBeyondGb2312TrailIsLetter", R"(\'e9\'46\'88\'d2)", u"镕堃"},
                                         TextCase{"LeadAndTrailAroundUnknownWord", R"(\'d6\lang2052\'d0)", u"中"},
                                         TextCase{"FontCharsetZeroIsWestern", R"(\f1 caf\'e9 \'80)", u"café €"},
                                         TextCase{"Big5Font", R"(\f2\'a4\'a4\'a4\'e5)", u"中文"},
                                         TextCase{"CyrillicFont", R"(\f4\'cf\'f0\'e8)", u"При"},
                                         TextCase{"FontWithoutCharsetUsesDocumentPage", R"(\f5\'d6\'d0)", u"中"},
                                         TextCase{"RawHighBytesInFontPage", "\\f1 caf\xe9", u"café"},
                                         TextCase{"SwitchingFontsMidText", R"(\'d6\'d0\f1\'e9\f0\'ce\'c4)", u"中é文"}),
                         CaseName());

INSTANTIATE_TEST_SUITE_P(Unicode, ReaderText,
                         testing::Values(TextCase{"PositiveValues", R"(\u20013?\u25991?)", u"中文"},
                                         TextCase{"NegativeAbove32767", R"(\u-10916?\u-21139?)", u"한국"},
                                         TextCase{"UnsignedAbove32767", R"(\u54620?)", u"한"},
                                         TextCase{"SurrogatePair", R"(\u-10179?\u-8704?)", u"😀"},
                                         TextCase{"FallbackAsHexByte", R"(\u20013\'3f.)", u"中."},
                                         TextCase{"FallbackOfTwoBytes", R"(\uc2\u20013\'d6\'d0x)", u"中x"},
                                         TextCase{"NoFallback", R"(\uc0\u20013 x)", u"中x"},
                                         TextCase{"SkipCountRestoredAfterGroup", R"({\uc2\u20013??}\u25991?x)",
                                                  u"中文x"},
                                         TextCase{"FallbackCutByGroupEnd", R"({\uc3\u20013?}x)", u"中x"},
                                         TextCase{"ControlWordCountsAsOneFallback", R"(\u8220\'93quote)", u"“quote"}),
                         CaseName());

INSTANTIATE_TEST_SUITE_P(
    Specials, ReaderText,
    testing::Values(TextCase{"Tab", R"(a\tab b)", u"a\tb"}, TextCase{"LineBreak", R"(a\line b)", u"a\u2028b"},
                    TextCase{"Punctuation", R"(\emdash\endash\lquote\rquote\ldblquote\rdblquote\bullet)", u"—–‘’“”•"},
                    TextCase{"SpaceAndHyphens", R"(a\~b\-c\_d)", u"a\u00a0b\u00adc\u2011d"},
                    TextCase{"EscapedBracesAndBackslash", R"(\{\}\\)", u"{}\\"},
                    TextCase{"LineBreaksInSourceAreNotText", "a\r\nb\nc", u"abc"},
                    TextCase{"BackslashBeforeLineBreakIsParagraph", "a\\\r\nb", u"a\nb"}),
    CaseName());

INSTANTIATE_TEST_SUITE_P(Paragraphs, ReaderText,
                         testing::Values(TextCase{"TwoParagraphs", R"(a\par b)", u"a\nb"},
                                         TextCase{"EmptyParagraphBetween", R"(a\par\par b)", u"a\n\nb"},
                                         TextCase{"FinalParNoEmptyParagraph", R"(a\par)", u"a"},
                                         TextCase{"TwoFinalParsOneEmptyParagraph", R"(a\par\par)", u"a\n"},
                                         TextCase{"LeadingPar", R"(\par a)", u"\na"}),
                         CaseName());

INSTANTIATE_TEST_SUITE_P(
    Destinations, ReaderText,
    testing::Values(
        TextCase{"UnknownStarredDestination", R"({\*\mystery hidden}shown)", u"shown"},
        TextCase{"KnownWordStarredIsRead", R"({\*\shppict shown})", u"shown"},
        TextCase{"HiddenGroups", R"({\stylesheet{\s0 Normal;}}{\info{\title T}}{\header h}{\footerl f}x)", u"x"},
        TextCase{"FieldShowsResult", R"({\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}})", u"link"},
        TextCase{"EmbeddedObjectShowsOnlyItsResult", R"({\object\objemb{\*\objdata 0102}hidden{\result shown}})",
                 u"shown"},
        TextCase{"UnknownWordIgnored", R"(\frobnicate12 x)", u"x"},
        TextCase{"BinaryOutsidePicture", R"(\bin3 abcx)", u"x"},
        TextCase{"NestedUnknownInsideSkipped", R"({\*\a {\b {\c deep}}}x)", u"x"},
        TextCase{"ListTextIsShown", R"({\listtext 1.\tab}item)", u"1.\titem"},
        TextCase{"RichEditNumberingShown", R"({\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pndec{\pntxta.}}item)", u"1.\titem"},
        TextCase{"TableCellsAsTabsRowsAsParagraphs", R"(\trowd a\cell b\cell\row c)", u"a\tb\t\nc"}),
    CaseName());

// --- formats ---------------------------------------------------------------

// What a case checks on the character "X" (or on its paragraph).
struct FormatCase {
    const char *name;
    const char *body;
    Property property;
    double value;          // for colours: 0 means "none"
    const char *text = ""; // colour or family
};

class ReaderFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(ReaderFormat, AppliesTheFormat)
{
    const FormatCase &c = GetParam();
    const auto doc = ReadRtfText(RtfWithBody(c.body));
    const int at = int(RawText(*doc).indexOf(QLatin1Char('X')));
    ASSERT_GE(at, 0);
    ExpectFormat(FormatAt(*doc, at), BlockWith(*doc, QStringLiteral("X")).blockFormat(), c.property, c.value, c.text);
}

using P = Property;
using CF = QTextCharFormat;
using BF = QTextBlockFormat;

INSTANTIATE_TEST_SUITE_P(
    Character, ReaderFormat,
    testing::Values(FormatCase{"Bold", R"(\b X)", P::Bold, 1}, FormatCase{"BoldOff", R"(\b\b0 X)", P::Bold, 0},
                    FormatCase{"BoldEndsWithGroup", R"({\b A}X)", P::Bold, 0},
                    FormatCase{"Italic", R"(\i X)", P::Italic, 1}, FormatCase{"Underline", R"(\ul X)", P::Underline, 1},
                    FormatCase{"UnderlineNone", R"(\ul\ulnone X)", P::Underline, 0},
                    FormatCase{"UnderlineZero", R"(\ul\ul0 X)", P::Underline, 0},
                    FormatCase{"UnderlineWave", R"(\ulwave X)", P::UnderlineStyle, CF::WaveUnderline},
                    FormatCase{"UnderlineDotted", R"(\uld X)", P::UnderlineStyle, CF::DotLine},
                    FormatCase{"Strike", R"(\strike X)", P::Strike, 1},
                    FormatCase{"StrikeOff", R"(\strike\strike0 X)", P::Strike, 0},
                    FormatCase{"Superscript", R"(\super X)", P::VAlign, CF::AlignSuperScript},
                    FormatCase{"Subscript", R"(\sub X)", P::VAlign, CF::AlignSubScript},
                    FormatCase{"NoSuperSub", R"(\super\nosupersub X)", P::VAlign, CF::AlignNormal},
                    FormatCase{"RaisedIsSuperscript", R"(\up6 X)", P::VAlign, CF::AlignSuperScript},
                    FormatCase{"DefaultSizeTwelve", R"(X)", P::Points, 12},
                    FormatCase{"HalfPoints", R"(\fs17 X)", P::Points, 8.5},
                    FormatCase{"SizeWithoutNumber", R"(\fs40\fs X)", P::Points, 12},
                    FormatCase{"HugeSizeBounded", R"(\fs99999999999999 X)", P::Points, 1638},
                    FormatCase{"DefaultFont", R"(X)", P::Family, 0, "SimSun"},
                    FormatCase{"FontSwitch", R"(\f1 X)", P::Family, 0, "Arial"},
                    FormatCase{"UnknownFontHasNoFamily", R"(\f77 X)", P::Family, 0, ""},
                    FormatCase{"ColourFromTable", R"(\cf1 X)", P::Foreground, 1, "#ff0000"},
                    FormatCase{"AutomaticColour", R"(\cf1\cf0 X)", P::Foreground, 0},
                    FormatCase{"ColourOutsideTable", R"(\cf9 X)", P::Foreground, 0},
                    FormatCase{"Highlight", R"(\highlight2 X)", P::Background, 1, "#0000ff"},
                    FormatCase{"CharacterBackground", R"(\chcbpat1 X)", P::Background, 1, "#ff0000"},
                    FormatCase{"PlainResetsBold", R"(\b\i\fs40\plain X)", P::Bold, 0},
                    FormatCase{"PlainResetsSize", R"(\b\i\fs40\plain X)", P::Points, 12},
                    FormatCase{"PlainResetsFont", R"(\f1\plain X)", P::Family, 0, "SimSun"},
                    FormatCase{"DoubleByteUsesAssociatedSize", R"(\fs24\afs40\dbch X)", P::Points, 20},
                    FormatCase{"SingleByteIgnoresAssociatedSize", R"(\fs24\afs40\dbch\loch X)", P::Points, 12}),
    CaseName());

// Twips to pixels at 96 dpi: 15 twips a pixel.
INSTANTIATE_TEST_SUITE_P(
    Paragraph, ReaderFormat,
    testing::Values(FormatCase{"Left", R"(X)", P::Align, Qt::AlignLeft},
                    FormatCase{"Centre", R"(\qc X\par)", P::Align, Qt::AlignHCenter},
                    FormatCase{"Right", R"(\qr X\par)", P::Align, Qt::AlignRight},
                    FormatCase{"Justify", R"(\qj X\par)", P::Align, Qt::AlignJustify},
                    FormatCase{"PardResets", R"(\qc\pard X\par)", P::Align, Qt::AlignLeft},
                    FormatCase{"SetAtTheParagraphMark", R"(X\qr\par)", P::Align, Qt::AlignRight},
                    FormatCase{"LastParagraphWithoutPar", R"(A\par\qc X)", P::Align, Qt::AlignHCenter},
                    FormatCase{"NextParagraphKeepsFormat", R"(\qc A\par X\par)", P::Align, Qt::AlignHCenter},
                    FormatCase{"LeftIndent", R"(\li720 X\par)", P::Left, 48},
                    FormatCase{"RightIndent", R"(\ri1440 X\par)", P::Right, 96},
                    FormatCase{"FirstLineIndent", R"(\fi-360\li720 X\par)", P::Indent, -24},
                    FormatCase{"SpaceBefore", R"(\sb240 X\par)", P::Top, 16},
                    FormatCase{"SpaceAfter", R"(\sa180 X\par)", P::Bottom, 12},
                    FormatCase{"HugeIndentBounded", R"(\li2147483647999 X\par)", P::Left, 2112},
                    FormatCase{"MultipleLineSpacing", R"(\sl360\slmult1 X\par)", P::LineHeight, 150},
                    FormatCase{"MultipleLineSpacingType", R"(\sl360\slmult1 X\par)", P::LineType,
                               BF::ProportionalHeight},
                    FormatCase{"SingleLineSpacingIsDefault", R"(\sl240\slmult1 X\par)", P::LineType, BF::SingleHeight},
                    FormatCase{"ExactLineSpacing", R"(\sl-300\slmult0 X\par)", P::LineHeight, 20},
                    FormatCase{"ExactLineSpacingType", R"(\sl-300\slmult0 X\par)", P::LineType, BF::FixedHeight},
                    FormatCase{"AtLeastLineSpacingType", R"(\sl300\slmult0 X\par)", P::LineType, BF::MinimumHeight}),
    CaseName());

// --- damaged and hostile streams: read as far as they go, never crash -------

struct DamagedCase {
    const char *name;
    QByteArray rtf;
    const char16_t *text; // nullptr: not RTF, the document left empty
};

class DamagedRtf : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedRtf, ReadsAsFarAsItCan)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old content"));
    EXPECT_EQ(ReadRtf(GetParam().rtf, doc), GetParam().text != nullptr);
    EXPECT_EQ(RawText(doc), GetParam().text ? QString::fromUtf16(GetParam().text) : QString());
    if (GetParam().text) {
        EXPECT_FALSE(doc.isModified());
        EXPECT_TRUE(doc.isUndoRedoEnabled());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Streams, DamagedRtf,
    testing::Values(
        DamagedCase{"Truncated", "{\\rtf1 abc", u"abc"}, DamagedCase{"TruncatedInsideGroup", "{\\rtf1 a{\\b b", u"ab"},
        DamagedCase{"TruncatedInsideControlWord", "{\\rtf1 a\\pa", u"a"},
        DamagedCase{"TruncatedAfterBackslash", "{\\rtf1 a\\", u"a"},
        DamagedCase{"TruncatedHexEscape", "{\\rtf1 a\\'", u"a"},
        DamagedCase{"TruncatedLeadByte", "{\\rtf1\\ansicpg936 a\\'d6", u"a\ufffd"},
        DamagedCase{"HexEscapeWithoutDigits", "{\\rtf1 a\\'zz}", u"azz"},
        DamagedCase{"ExtraClosingBraces", "{\\rtf1 abc}}}} more", u"abc"},
        DamagedCase{"NulAfterFinalBrace", QByteArray("{\\rtf1 abc}\r\n\0garbage", 20), u"abc"},
        DamagedCase{"DeepNestingBounded", "{\\rtf1 a" + QByteArray(100000, '{') + "b" + QByteArray(100000, '}') + "c}",
                    u"ac"},
        DamagedCase{"HugeUnicodeSkip", "{\\rtf1\\uc999999999\\u20013 abcdefghijklmnopqrstuvwxyz}", u"中qrstuvwxyz"},
        DamagedCase{"HugeBinaryLength", "{\\rtf1 a\\bin999999999 xyz}", u"a"},
        DamagedCase{"NegativeBinaryLength", "{\\rtf1 a\\bin-5 xyz}", u"axyz"},
        DamagedCase{"LongControlWord", "{\\rtf1 a\\" + QByteArray(5000, 'q') + " b}", u"ab"},
        DamagedCase{"ManyDigits", "{\\rtf1 a\\fs" + QByteArray(5000, '9') + " b}", u"ab"},
        DamagedCase{"PictureTruncated", "{\\rtf1 a{\\pict\\pngblip 89504e47", u"a"},
        DamagedCase{"PictureGarbage", "{\\rtf1 a{\\pict\\pngblip\\picwgoal100\\pichgoal100 0102}b}", u"ab"},
        DamagedCase{"FontTableTruncated", "{\\rtf1{\\fonttbl{\\f0\\fcharset134 \\'cb", u""},
        DamagedCase{"ColourTableHuge", "{\\rtf1{\\colortbl" + QByteArray(100000, ';') + "}\\cf4095 x}", u"x"},
        DamagedCase{"NotRtfEmpty", "", nullptr}, DamagedCase{"NotRtfPlainText", "hello", nullptr},
        DamagedCase{"NotRtfOtherGroup", "{\\pict 00}", nullptr},
        DamagedCase{"NotRtfNulBytes", QByteArray(16, '\0'), nullptr}),
    CaseName());
} // namespace
