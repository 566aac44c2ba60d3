// What the writer puts out, byte for byte, and that what it writes reads
// back as the same document, which writes the same bytes again.

#include "RtfTestSupport.h"

#include "formats/rtf/RtfWriter.h"

#include <functional>

namespace {
// Read back, the document shows the same with the same formats, and writes
// the same bytes again.
void ExpectRoundTrip(const QTextDocument &doc)
{
    const QByteArray written = WriteRtf(doc);
    const auto read = ReadRtfText(written);
    ASSERT_EQ(RawText(doc), RawText(*read));
    for (int at = 0; at < doc.characterCount() - 1; ++at)
        EXPECT_EQ(Describe(doc, at), Describe(*read, at)) << at;
    EXPECT_EQ(WriteRtf(*read), written);
}

using Apply = std::function<void(QTextCharFormat &)>;

struct WriteCase {
    const char *name;
    const char *body;    // read into the document first
    const char *written; // must appear in the output
    Apply apply = {};    // then laid over the whole document
};

class RtfWriter : public testing::TestWithParam<WriteCase> {};

TEST_P(RtfWriter, WritesTheBytesAndReadsThemBack)
{
    const auto doc = ReadRtfText(RtfWithBody(GetParam().body));
    if (GetParam().apply) {
        QTextCharFormat f;
        GetParam().apply(f);
        QTextCursor all(doc.get());
        all.select(QTextCursor::Document);
        all.mergeCharFormat(f);
    }
    const QByteArray rtf = WriteRtf(*doc);
    EXPECT_TRUE(rtf.contains(GetParam().written)) << rtf.constData();
    if (!GetParam().apply) // what the reader makes is within the writer's bounds
        ExpectRoundTrip(*doc);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Documents, RtfWriter, testing::Values(
    WriteCase{"Header", "X", "{\\rtf1\\ansi\\ansicpg936\\deff0"},
    WriteCase{"BracesAndBackslash", R"(X\{\\\})", " X\\{\\\\\\}\\par"},
    WriteCase{"UnicodeAsSigned16Bit", R"(X\u20013?\u-10916?\u-1?\u-10179?\u-8704?\u233?)", "X\\u20013?\\u-10916?\\u-1?\\u-10179?\\u-8704?\\u233?\\par"},
    WriteCase{"Specials", R"(X\tab\line\~\-\_.)", "X\\tab \\line \\~\\-\\_.\\par"},
    WriteCase{"RunsShareFormatsUntilTheyChange", R"(a\par b{\b c}d\par)", "\\pard \\plain\\f0\\fs24 a\\par\r\n\\pard b\\plain\\f0\\fs24\\b c\\plain\\f0\\fs24 d\\par\r\n}"},
    WriteCase{"Flags", R"(a \b\i\ul\strike X)", "\\fs24\\b\\i\\ul\\strike X"},
    WriteCase{"WaveSuperscript", R"(\ulwave\super X)", "\\ulwave\\super X"},
    WriteCase{"DottedSubscript", R"(\uld\sub X)", "\\uld\\sub X"},
    WriteCase{"HalfPointSize", R"(\fs21 X)", "\\f0\\fs21 X"},
    WriteCase{"Colours", R"(\cf2\highlight1 X)", "{\\colortbl ;\\red0\\green0\\blue255;\\red255\\green0\\blue0;}"},
    WriteCase{"CentreIndentsMultiple", R"(\qc\li720\ri1440\fi-360\sl360\slmult1 X\par)", "\\pard\\qc\\li720\\ri1440\\fi-360\\sl360\\slmult1 "},
    WriteCase{"RightSpacingAtLeast", R"(\qr\sb240\sa180\sl450\slmult0 X\par)", "\\pard\\qr\\sb240\\sa180\\sl450\\slmult0 "},
    WriteCase{"JustifyExact", R"(\qj\sl-300\slmult0 X\par)", "\\pard\\qj\\sl-300\\slmult0 "},
    WriteCase{"HugeIndentBounded", R"(\li2147483647999 X\par)", "\\pard\\li31680 "},
    WriteCase{"ChineseFontName", "X", "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}", [](QTextCharFormat &f) { f.setFontFamilies({QStringLiteral("宋体")}); }},
    WriteCase{"HugeSizeBounded", "X", "\\f0\\fs3276 X", [](QTextCharFormat &f) { f.setFontPointSize(1e30); }},
    WriteCase{"TinySizeBounded", "X", "\\f0\\fs2 X", [](QTextCharFormat &f) { f.setFontPointSize(0.1); }}),
    CaseName());
// clang-format on

TEST(RtfWriterText, ControlCharactersAreDropped)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("a\u0001\u007fb"));
    EXPECT_TRUE(WriteRtf(doc).contains(" ab\\par\r\n}")) << WriteRtf(doc).constData();
}

struct DocumentCase {
    const char *name;
    QByteArray rtf;
};

class RtfRoundTrip : public testing::TestWithParam<DocumentCase> {};

TEST_P(RtfRoundTrip, ReadWriteReadKeepsEverything) { ExpectRoundTrip(*ReadRtfText(GetParam().rtf)); }

INSTANTIATE_TEST_SUITE_P(Documents, RtfRoundTrip,
                         testing::Values(DocumentCase{"Empty", RtfWithBody("")},
                                         DocumentCase{"EmptyParagraphs", RtfWithBody(R"(\par a\par\par)")},
                                         DocumentCase{"RichEditGbk", RtfFixture("re20-gbk-hex.rtf")},
                                         DocumentCase{"RichEditUnicode", RtfFixture("re41-unicode-escapes.rtf")},
                                         DocumentCase{"LibreOffice", RtfFixture("lo-from-fodt.rtf")},
                                         DocumentCase{"Pandoc", RtfFixture("pandoc-from-md.rtf")},
                                         DocumentCase{"Latex2rtf", RtfFixture("latex2rtf-from-tex.rtf")},
                                         DocumentCase{"PodSimple", RtfFixture("pod-simple-rtf-from-pod.rtf")}),
                         CaseName());
} // namespace
