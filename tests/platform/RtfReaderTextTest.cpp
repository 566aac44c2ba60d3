// What the reader shows: code pages, Unicode escapes with their fallbacks,
// special characters, paragraphs and the groups whose content is hidden.

#include "RtfTestSupport.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {
struct TextCase {
    const char *name;
    const char *body;
    const char16_t *text;
};

void PrintTo(const TextCase &c, std::ostream *os) { *os << c.name; }

std::string CaseName(const testing::TestParamInfo<TextCase> &info) { return info.param.name; }

class ReaderText : public testing::TestWithParam<TextCase> {};

TEST_P(ReaderText, ShowsTheText)
{
    const auto doc = ReadRtfText(RtfWithBody(GetParam().body));
    EXPECT_EQ(RawText(*doc), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(CodePages, ReaderText, testing::Values(
    TextCase{"GbkInDefaultFont", R"(\'d6\'d0\'ce\'c4)", u"中文"},
    TextCase{"GbkBeyondGb2312TrailIsLetter", R"(\'e9\'46\'88\'d2)", u"镕堃"},
    TextCase{"LeadAndTrailAroundUnknownWord", R"(\'d6\lang2052\'d0)", u"中"},
    TextCase{"FontCharsetZeroIsWestern", R"(\f1 caf\'e9 \'80)", u"café €"},
    TextCase{"Big5Font", R"(\f2\'a4\'a4\'a4\'e5)", u"中文"},
    TextCase{"ShiftJisFont", R"(\f3\'93\'fa\'96\'7b)", u"日本"},
    TextCase{"CyrillicFont", R"(\f4\'cf\'f0\'e8)", u"При"},
    TextCase{"CentralEuropeanFont", R"(\f6\'9a\'e8)", u"šč"},
    TextCase{"FontWithoutCharsetUsesDocumentPage", R"(\f5\'d6\'d0)", u"中"},
    TextCase{"RawHighBytesInFontPage", "\\f1 caf\xe9", u"café"},
    TextCase{"SwitchingFontsMidText", R"(\'d6\'d0\f1\'e9\f0\'ce\'c4)", u"中é文"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Unicode, ReaderText, testing::Values(
    TextCase{"PositiveValues", R"(\u20013?\u25991?)", u"中文"},
    TextCase{"NegativeAbove32767", R"(\u-10916?\u-21139?)", u"한국"},
    TextCase{"UnsignedAbove32767", R"(\u54620?)", u"한"},
    TextCase{"SurrogatePair", R"(\u-10179?\u-8704?)", u"😀"},
    TextCase{"FallbackAsHexByte", R"(\u20013\'3f.)", u"中."},
    TextCase{"FallbackOfTwoBytes", R"(\uc2\u20013\'d6\'d0x)", u"中x"},
    TextCase{"NoFallback", R"(\uc0\u20013 x)", u"中x"},
    TextCase{"SkipCountRestoredAfterGroup", R"({\uc2\u20013??}\u25991?x)", u"中文x"},
    TextCase{"FallbackCutByGroupEnd", R"({\uc3\u20013?}x)", u"中x"},
    TextCase{"ControlWordCountsAsOneFallback", R"(\u8220\'93quote)", u"“quote"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Specials, ReaderText, testing::Values(
    TextCase{"Tab", R"(a\tab b)", u"a\tb"},
    TextCase{"LineBreak", R"(a\line b)", u"a\u2028b"},
    TextCase{"Dashes", R"(\emdash\endash)", u"—–"},
    TextCase{"Quotes", R"(\lquote\rquote\ldblquote\rdblquote)", u"‘’“”"},
    TextCase{"Bullet", R"(\bullet)", u"•"},
    TextCase{"NoBreakSpace", R"(a\~b)", u"a\u00a0b"},
    TextCase{"SoftHyphen", R"(a\-b)", u"a\u00adb"},
    TextCase{"NoBreakHyphen", R"(a\_b)", u"a\u2011b"},
    TextCase{"EscapedBracesAndBackslash", R"(\{\}\\)", u"{}\\"},
    TextCase{"LineBreaksInSourceAreNotText", "a\r\nb\nc", u"abc"},
    TextCase{"BackslashBeforeLineBreakIsParagraph", "a\\\r\nb", u"a\nb"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Paragraphs, ReaderText, testing::Values(
    TextCase{"TwoParagraphs", R"(a\par b)", u"a\nb"},
    TextCase{"EmptyParagraphBetween", R"(a\par\par b)", u"a\n\nb"},
    TextCase{"FinalParNoEmptyParagraph", R"(a\par)", u"a"},
    TextCase{"TwoFinalParsOneEmptyParagraph", R"(a\par\par)", u"a\n"},
    TextCase{"LeadingPar", R"(\par a)", u"\na"}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(Destinations, ReaderText, testing::Values(
    TextCase{"UnknownStarredDestination", R"({\*\mystery hidden}shown)", u"shown"},
    TextCase{"KnownWordStarredIsRead", R"({\*\shppict shown})", u"shown"},
    TextCase{"StyleSheet", R"({\stylesheet{\s0 Normal;}}x)", u"x"},
    TextCase{"Info", R"({\info{\title T}{\author A}}x)", u"x"},
    TextCase{"HeaderAndFooter", R"({\header h}{\footerl f}x)", u"x"},
    TextCase{"FieldShowsResult", R"({\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}})", u"link"},
    TextCase{"EmbeddedObjectShowsOnlyItsResult", R"({\object\objemb{\*\objdata 0102}hidden{\result shown}})", u"shown"},
    TextCase{"UnknownWordIgnored", R"(\frobnicate12 x)", u"x"},
    TextCase{"BinaryOutsidePicture", R"(\bin3 abcx)", u"x"},
    TextCase{"NestedUnknownInsideSkipped", R"({\*\a {\b {\c deep}}}x)", u"x"},
    TextCase{"ListTextIsShown", R"({\listtext 1.\tab}item)", u"1.\titem"},
    TextCase{"RichEditNumberingShown", R"({\pntext\f0 1.\tab}{\*\pn\pnlvlbody\pndec{\pntxta.}}item)", u"1.\titem"},
    TextCase{"TableCellsAsTabsRowsAsParagraphs", R"(\trowd a\cell b\cell\row c)", u"a\tb\t\nc"}),
    CaseName);
} // namespace
