// What the writer puts out, byte for byte, and that writing then reading
// keeps text and formats while writing what was read gives the same bytes.

#include "RtfTestSupport.h"

#include "formats/rtf/RtfWriter.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <functional>

namespace {
using Apply = std::function<void(QTextCharFormat &, QTextBlockFormat &)>;

QByteArray WriteX(const QString &text, const Apply &apply)
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(12);
    QTextBlockFormat b;
    apply(f, b);
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.setBlockFormat(b);
    cursor.insertText(text, f);
    return WriteRtf(doc);
}

// The body of the written document: what follows "\viewkind4\uc1\r\n".
QByteArray Body(const QByteArray &rtf)
{
    const qsizetype at = rtf.indexOf("\\uc1\r\n");
    return at < 0 ? QByteArray() : rtf.mid(at + 6);
}

struct EscapeCase {
    const char *name;
    const char16_t *text;
    const char *written;
};

class WriterEscape : public testing::TestWithParam<EscapeCase> {};

TEST_P(WriterEscape, WritesTheTextSafely)
{
    const QByteArray body = Body(WriteX(QString::fromUtf16(GetParam().text), [](auto &, auto &) {}));
    EXPECT_EQ(body, "\\pard \\plain\\f0\\fs24 " + QByteArray(GetParam().written) + "\\par\r\n}\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Text, WriterEscape,
    testing::Values(EscapeCase{"Ascii", u"Hello, world.", "Hello, world."}, EscapeCase{"Braces", u"a{b}c", "a\\{b\\}c"},
                    EscapeCase{"Backslash", u"a\\b", "a\\\\b"}, EscapeCase{"Chinese", u"中文", "\\u20013?\\u25991?"},
                    EscapeCase{"AboveSigned16Bit", u"한", "\\u-10916?"}, EscapeCase{"HighestUnit", u"\uffff", "\\u-1?"},
                    EscapeCase{"EmojiAsSurrogates", u"😀", "\\u-10179?\\u-8704?"},
                    EscapeCase{"Latin1", u"café", "caf\\u233?"}, EscapeCase{"Tab", u"a\tb", "a\\tab b"},
                    EscapeCase{"LineSeparator", u"a\u2028b", "a\\line b"},
                    EscapeCase{"NoBreakSpace", u"a\u00a0b", "a\\~b"}, EscapeCase{"SoftHyphen", u"a\u00adb", "a\\-b"},
                    EscapeCase{"NoBreakHyphen", u"a\u2011b", "a\\_b"},
                    EscapeCase{"ControlCharactersDropped", u"a\u0001\u007fb", "ab"}),
    CaseName());

struct ControlCase {
    const char *name;
    Apply apply;
    const char *expected; // must appear in the output
};

class WriterControls : public testing::TestWithParam<ControlCase> {};

TEST_P(WriterControls, WritesTheFormat)
{
    const QByteArray rtf = WriteX(QStringLiteral("X"), GetParam().apply);
    EXPECT_TRUE(rtf.contains(GetParam().expected)) << rtf.constData();
}

INSTANTIATE_TEST_SUITE_P(
    Formats, WriterControls,
    testing::Values(
        ControlCase{"Bold", [](auto &f, auto &) { f.setFontWeight(QFont::Bold); }, "\\fs24\\b X"},
        ControlCase{"Italic", [](auto &f, auto &) { f.setFontItalic(true); }, "\\fs24\\i X"},
        ControlCase{"Underline", [](auto &f, auto &) { f.setFontUnderline(true); }, "\\fs24\\ul X"},
        ControlCase{"Strike", [](auto &f, auto &) { f.setFontStrikeOut(true); }, "\\fs24\\strike X"},
        ControlCase{"Super", [](auto &f, auto &) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); },
                    "\\super X"},
        ControlCase{"Sub", [](auto &f, auto &) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); }, "\\sub X"},
        ControlCase{"HalfPointSize", [](auto &f, auto &) { f.setFontPointSize(10.5); }, "\\f0\\fs21 X"},
        ControlCase{"Colour", [](auto &f, auto &) { f.setForeground(QColor(255, 0, 0)); }, "\\cf1 X"},
        ControlCase{"ColourTable", [](auto &f, auto &) { f.setForeground(QColor(255, 0, 0)); },
                    "{\\colortbl ;\\red255\\green0\\blue0;}"},
        ControlCase{"Highlight", [](auto &f, auto &) { f.setBackground(QColor(0, 0, 255)); }, "\\highlight1 X"},
        ControlCase{"ChineseFontName", [](auto &f, auto &) { f.setFontFamilies({QStringLiteral("宋体")}); },
                    "{\\fonttbl{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}}"},
        ControlCase{"Header", [](auto &, auto &) {}, "{\\rtf1\\ansi\\ansicpg936\\deff0"},
        ControlCase{"Centre", [](auto &, auto &b) { b.setAlignment(Qt::AlignHCenter); }, "\\pard\\qc "},
        ControlCase{"Right", [](auto &, auto &b) { b.setAlignment(Qt::AlignRight); }, "\\pard\\qr "},
        ControlCase{"Justify", [](auto &, auto &b) { b.setAlignment(Qt::AlignJustify); }, "\\pard\\qj "},
        ControlCase{"Indents",
                    [](auto &, auto &b) {
                        b.setLeftMargin(48);
                        b.setRightMargin(96);
                        b.setTextIndent(-24);
                    },
                    "\\pard\\li720\\ri1440\\fi-360 "},
        ControlCase{"Spacing",
                    [](auto &, auto &b) {
                        b.setTopMargin(16);
                        b.setBottomMargin(12);
                    },
                    "\\pard\\sb240\\sa180 "},
        ControlCase{"LineMultiple", [](auto &, auto &b) { b.setLineHeight(150, QTextBlockFormat::ProportionalHeight); },
                    "\\pard\\sl360\\slmult1 "},
        ControlCase{"LineExact", [](auto &, auto &b) { b.setLineHeight(20, QTextBlockFormat::FixedHeight); },
                    "\\pard\\sl-300\\slmult0 "},
        ControlCase{"HugeIndentBounded", [](auto &, auto &b) { b.setLeftMargin(1e30); }, "\\pard\\li31680 "},
        ControlCase{"HugeSizeBounded", [](auto &f, auto &) { f.setFontPointSize(1e30); }, "\\f0\\fs3276 X"},
        ControlCase{"TinySizeBounded", [](auto &f, auto &) { f.setFontPointSize(0.1); }, "\\f0\\fs2 X"}),
    CaseName());

TEST(RtfWriter, RunsShareFormatsUntilTheyChange)
{
    const QByteArray rtf = WriteRtf(*ReadRtfText(RtfWithBody("a\\par b{\\b c}d\\par")));
    EXPECT_EQ(Body(rtf), "\\pard \\plain\\f0\\fs24 a\\par\r\n"
                         "\\pard b\\plain\\f0\\fs24\\b c\\plain\\f0\\fs24 d\\par\r\n}\r\n");
}

// --- round trips -------------------------------------------------------------

QString N(double v) { return QString::number(v, 'g', 17); }

// Every run and paragraph with the properties the writer carries, as text.
QStringList Content(const QTextDocument &doc)
{
    QStringList out;
    const auto colour = [](const QTextCharFormat &f, QTextFormat::Property p) {
        return f.hasProperty(p) ? N(f.brushProperty(p).color().rgba()) : QString();
    };
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat p = b.blockFormat();
        out << QStringList{N(int(p.alignment() & Qt::AlignHorizontal_Mask)),
                           N(p.leftMargin()),
                           N(p.rightMargin()),
                           N(p.textIndent()),
                           N(p.topMargin()),
                           N(p.bottomMargin()),
                           N(p.lineHeight()),
                           N(p.lineHeightType())}
                   .join(QLatin1Char(' '));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            out << QStringList{it.fragment().text(),
                               f.fontFamilies().toStringList().value(0),
                               N(f.fontPointSize()),
                               N(int(f.fontWeight() >= QFont::Bold)),
                               N(int(f.fontItalic())),
                               N(int(f.fontStrikeOut())),
                               N(int(f.underlineStyle())),
                               N(int(f.verticalAlignment())),
                               colour(f, QTextFormat::ForegroundBrush),
                               colour(f, QTextFormat::BackgroundBrush)}
                       .join(QLatin1Char('|'));
        }
    }
    return out;
}

// Read back, the document is the same, and writes the same bytes again.
void ExpectRoundTrip(const QTextDocument &doc)
{
    const QByteArray written = WriteRtf(doc);
    const auto read = ReadRtfText(written);
    EXPECT_EQ(RawText(doc), RawText(*read));
    EXPECT_EQ(Content(doc), Content(*read));
    EXPECT_EQ(WriteRtf(*read), written);
}

class FixtureRoundTrip : public testing::TestWithParam<const char *> {};

TEST_P(FixtureRoundTrip, ReadWriteReadKeepsEverything) { ExpectRoundTrip(*ReadRtfText(RtfFixture(GetParam()))); }

INSTANTIATE_TEST_SUITE_P(Files, FixtureRoundTrip,
                         testing::Values("re20-gbk-hex.rtf", "re41-unicode-escapes.rtf", "re-ansicpg1252-font134.rtf",
                                         "lo-from-fodt.rtf", "pandoc-from-md.rtf", "latex2rtf-from-tex.rtf",
                                         "enscript-from-txt.rtf", "pod-simple-rtf-from-pod.rtf"),
                         CaseName());

struct FormatCase {
    const char *name;
    Apply apply;
};

class FormatRoundTrip : public testing::TestWithParam<FormatCase> {};

// A document as the editor makes it: plain runs around one formatted run,
// in a formatted paragraph between two plain ones.
TEST_P(FormatRoundTrip, SurvivesWriteAndRead)
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat plain;
    plain.setFontFamilies({QStringLiteral("SimSun")});
    plain.setFontPointSize(12);
    QTextCharFormat special = plain;
    QTextBlockFormat block;
    GetParam().apply(special, block);
    cursor.insertText(QStringLiteral("前 before"), plain);
    cursor.insertBlock(block);
    cursor.insertText(QStringLiteral("a "), plain);
    cursor.insertText(QStringLiteral("格式 X 😀"), special);
    cursor.insertText(QStringLiteral(" b"), plain);
    cursor.insertBlock(QTextBlockFormat());
    cursor.insertText(QStringLiteral("after 后"), plain);
    ExpectRoundTrip(doc);
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatRoundTrip,
    testing::Values(
        FormatCase{"Everything",
                   [](auto &f, auto &) {
                       f.setFontWeight(QFont::Bold);
                       f.setFontItalic(true);
                       f.setFontUnderline(true);
                       f.setFontStrikeOut(true);
                       f.setForeground(QColor(12, 34, 56));
                       f.setBackground(QColor(255, 255, 0));
                       f.setFontPointSize(28.5);
                   }},
        FormatCase{"WaveSuperscript",
                   [](auto &f, auto &) {
                       f.setUnderlineStyle(QTextCharFormat::WaveUnderline);
                       f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
                   }},
        FormatCase{"DottedSubscript",
                   [](auto &f, auto &) {
                       f.setUnderlineStyle(QTextCharFormat::DotLine);
                       f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
                   }},
        FormatCase{"Family", [](auto &f, auto &) { f.setFontFamilies({QStringLiteral("Noto Sans CJK SC")}); }},
        FormatCase{"ChineseFamily", [](auto &f, auto &) { f.setFontFamilies({QStringLiteral("微软雅黑")}); }},
        FormatCase{"CentreIndentsMultiple",
                   [](auto &, auto &b) {
                       b.setAlignment(Qt::AlignHCenter);
                       b.setLeftMargin(48);
                       b.setRightMargin(24);
                       b.setTextIndent(-16);
                       b.setLineHeight(200, QTextBlockFormat::ProportionalHeight);
                   }},
        FormatCase{"RightSpacingAtLeast",
                   [](auto &, auto &b) {
                       b.setAlignment(Qt::AlignRight);
                       b.setTopMargin(8);
                       b.setBottomMargin(12);
                       b.setLineHeight(30, QTextBlockFormat::MinimumHeight);
                   }},
        FormatCase{"JustifyExact",
                   [](auto &, auto &b) {
                       b.setAlignment(Qt::AlignJustify);
                       b.setLineHeight(20, QTextBlockFormat::FixedHeight);
                   }}),
    CaseName());

struct ShapeCase {
    const char *name;
    const char16_t *text; // paragraphs separated by \n
};

class ShapeRoundTrip : public testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeRoundTrip, KeepsParagraphsExactly)
{
    QTextDocument doc;
    doc.setPlainText(QString::fromUtf16(GetParam().text));
    const QByteArray written = WriteRtf(doc);
    const auto read = ReadRtfText(written);
    EXPECT_EQ(RawText(*read), QString::fromUtf16(GetParam().text));
    EXPECT_EQ(WriteRtf(*read), written);
}

INSTANTIATE_TEST_SUITE_P(Texts, ShapeRoundTrip,
                         testing::Values(ShapeCase{"Empty", u""}, ShapeCase{"OneLine", u"一行"},
                                         ShapeCase{"TrailingEmptyParagraph", u"a\n"},
                                         ShapeCase{"LeadingEmptyParagraph", u"\na"},
                                         ShapeCase{"OnlyEmptyParagraphs", u"\n\n"},
                                         ShapeCase{"Specials", u"{\\}\t\u00a0\u00ad\u2011 — “引号”"}),
                         CaseName());

struct StableCase {
    const char *name;
    QByteArray rtf;
};

class WriterIsStable : public testing::TestWithParam<StableCase> {};

// Odd documents the reader makes still write the same bytes once read back.
TEST_P(WriterIsStable, WriteReadWriteGivesTheSameBytes)
{
    const QByteArray written = WriteRtf(*ReadRtfText(GetParam().rtf));
    EXPECT_EQ(WriteRtf(*ReadRtfText(written)), written);
}

// A 2 x 1 bitmap, 24 bits, no resolution in its header.
const QByteArray kDibWithoutResolution =
    "{\\rtf1{\\pict\\dibitmap0\\picwgoal300\\pichgoal150 "
    "28000000020000000100000001001800000000000800000000000000000000000000000000000000"
    "0000ff00ff000000}}";

INSTANTIATE_TEST_SUITE_P(Documents, WriterIsStable,
                         testing::Values(StableCase{"ControlCharacterInFontName",
                                                    "{\\rtf1{\\fonttbl{\\f0\\fni\x01hfcharset134 SimSun;}}x}"},
                                         StableCase{"SpacesAroundFontName", "{\\rtf1{\\fonttbl{\\f0   Sim Sun  ;}}x}"},
                                         StableCase{"SemicolonlessFontName", "{\\rtf1{\\fonttbl{\\f0 A\\{B\\}}}x}"},
                                         StableCase{"EmptyFontName", "{\\rtf1{\\fonttbl{\\f0 ;}}x}"},
                                         StableCase{"RunOfControlCharactersOnly", "{\\rtf1 a{\\fs40 \\'15}b}"},
                                         StableCase{"BitmapWithoutResolution", kDibWithoutResolution},
                                         StableCase{"LoneSurrogateInText", "{\\rtf1 \\u-10179?x}"}),
                         CaseName());
} // namespace
