// The RTF reader: what a stream shows, with which formats, and how far
// damaged streams are read.

#include "RtfTestSupport.h"

namespace {
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

// The page of a byte is its font's charset, else the document's.
INSTANTIATE_TEST_SUITE_P(
    Bodies, ReaderText,
    testing::Values(TextCase{"GbkBeyondGb2312TrailIsLetter", R"(\'e9\'46\'88\'d2)", u"镕堃"},
                    TextCase{"LeadAndTrailAroundUnknownWord", R"(\'d6\lang2052\'d0)", u"中"},
                    TextCase{"Big5Font", R"(\f2\'a4\'a4\'a4\'e5)", u"中文"},
                    TextCase{"SwitchingFontsMidText", R"(\'d6\'d0\f1\'e9\f4\'cf\f0\'ce\'c4)", u"中éП文"},
                    TextCase{"UnicodeAbove32767AndSurrogates", R"(\u-10916?\u54620?\u-10179?\u-8704?)", u"한한😀"},
                    TextCase{"UnicodeFallbackOfTwoBytes", R"(\uc2\u20013\'d6\'d0x)", u"中x"},
                    TextCase{"UnicodeSkipCountRestoredAfterGroup", R"({\uc2\u20013??}\u25991?x)", u"中文x"},
                    TextCase{"Specials", R"(a\tab b\line\~\-\_\{\}\\\emdash\lquote\rdblquote\bullet)",
                             u"a\tb\u2028\u00a0\u00ad\u2011{}\\—‘”•"},
                    TextCase{"BackslashBeforeLineBreakIsParagraph", "a\\\r\nb", u"a\nb"},
                    TextCase{"TwoFinalParsMakeOne", R"(a\par\par)", u"a\n"},
                    TextCase{"HiddenGroups",
                             R"({\*\mystery m}{\stylesheet{\s0 Normal;}}{\info{\title T}}{\header h}{\footerl f}x)",
                             u"x"},
                    TextCase{"FieldShowsResult", R"({\field{\*\fldinst HYPERLINK "u"}{\fldrslt link}})", u"link"},
                    TextCase{"EmbeddedObjectShowsOnlyItsResult",
                             R"({\object\objemb{\*\objdata 0102}hidden{\result shown}})", u"shown"},
                    TextCase{"TableCellsAsTabsRowsAsParagraphs", R"(\trowd a\cell b\cell\row c)", u"a\tb\t\nc"}),
    CaseName());

struct FormatCase {
    const char *name;
    QByteArray rtf;
    const char *words; // see Describe
    const char16_t *needle = u"X";
};

QByteArray B(const char *body) { return RtfWithBody(body); }

class ReaderFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(ReaderFormat, AppliesTheFormat)
{
    const auto doc = ReadRtfText(GetParam().rtf);
    const QString described = Describe(*doc, doc->toPlainText().indexOf(QString::fromUtf16(GetParam().needle)));
    for (const QString &word : QString::fromUtf8(GetParam().words).split(QLatin1Char(';')))
        EXPECT_TRUE(described.contains(QLatin1Char(' ') + word + QLatin1Char(' '))) << described.toStdString();
}

// Alignment flags: 1 left, 2 right, 4 centre, 8 justify. Line height types:
// 0 single, 1 proportional, 2 fixed, 3 at least. 15 twips a pixel.
INSTANTIATE_TEST_SUITE_P(
    Formats, ReaderFormat,
    testing::Values(FormatCase{"Defaults", B("X"), "b=0;pt=12;font=SimSun;fg=none;al=1;lt=0"},
                    FormatCase{"Flags", B(R"(\b\i\ul\strike\up6 X)"), "b=1;i=1;u=1;s=1;va=1"},
                    FormatCase{"FlagsEndWithGroup", B(R"({\b\i A}X)"), "b=0;i=0"},
                    FormatCase{"HalfPoints", B(R"(\fs17 X)"), "pt=8.5"},
                    FormatCase{"HugeSizeBounded", B(R"(\fs99999999999999 X)"), "pt=1638"},
                    FormatCase{"ColoursFromTable", B(R"(\cf1\highlight2 X)"), "fg=#ff0000;bg=#0000ff"},
                    FormatCase{"PlainResets", B(R"(\b\fs40\f1\plain X)"), "b=0;pt=12;font=SimSun"},
                    FormatCase{"DoubleByteUsesAssociatedSize", B(R"(\fs24\afs40\dbch X)"), "pt=20"},
                    FormatCase{"SetAtTheParagraphMark", B(R"(X\qr\par)"), "al=2"},
                    FormatCase{"LastParagraphWithoutPar", B(R"(A\par\qc X)"), "al=4"},
                    FormatCase{"IndentsAndSpacing", B(R"(\fi-360\li720\ri1440\sb240\sa180 X\par)"),
                               "fi=-24;li=48;ri=96;sb=16;sa=12"},
                    FormatCase{"HugeIndentBounded", B(R"(\li2147483647999 X\par)"), "li=2112"},
                    FormatCase{"MultipleLineSpacing", B(R"(\sl360\slmult1 X\par)"), "lh=150;lt=1"},
                    FormatCase{"ExactLineSpacing", B(R"(\sl-300\slmult0 X\par)"), "lh=20;lt=2"},
                    FormatCase{"LibreOfficeCentred", RtfFixture("lo-from-fodt.rtf"), "al=4", u"Centred"},
                    FormatCase{"GbkFontName", RtfFixture("re20-gbk-hex.rtf"), "pt=9;font=宋体", u"小猫"},
                    FormatCase{"FontCharsetBeatsDocumentPage", RtfFixture("re-ansicpg1252-font134.rtf"), "font=SimSun",
                               u"蜜蜂"}),
    CaseName());

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
    testing::Values(DamagedCase{"TruncatedInsideGroup", "{\\rtf1 a{\\b b", u"ab"},
                    DamagedCase{"TruncatedLeadByte", "{\\rtf1\\ansicpg936 a\\'d6", u"a\ufffd"},
                    DamagedCase{"ExtraClosingBracesAndNul", QByteArray("{\\rtf1 abc}}\r\n\0garbage", 21), u"abc"},
                    DamagedCase{"DeepNestingBounded",
                                "{\\rtf1 a" + QByteArray(100000, '{') + "b" + QByteArray(100000, '}') + "c}", u"ac"},
                    DamagedCase{"BinaryLengths", "{\\rtf1 a\\bin-5 x\\bin999999999 xyz}", u"ax"},
                    DamagedCase{"NotRtfPlainText", "hello", nullptr}),
    CaseName());
} // namespace
