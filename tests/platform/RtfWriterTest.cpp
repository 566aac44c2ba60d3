// What the writer puts out: the header and tables, text escapes, and the
// control words of each format.

#include "RtfTestSupport.h"
#include "TestFiles.h"

#include "platform/RtfWriter.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <functional>

#include <gtest/gtest.h>

namespace {
QByteArray WriteText(const QString &text, const QTextCharFormat &format = {}, const QTextBlockFormat &block = {})
{
    QTextDocument doc;
    QTextCursor cursor(&doc);
    cursor.setBlockFormat(block);
    cursor.insertText(text, format);
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

void PrintTo(const EscapeCase &c, std::ostream *os) { *os << c.name; }

class WriterEscape : public testing::TestWithParam<EscapeCase> {};

TEST_P(WriterEscape, WritesTheTextSafely)
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(12);
    const QByteArray body = Body(WriteText(QString::fromUtf16(GetParam().text), f));
    EXPECT_EQ(body, "\\pard \\plain\\f0\\fs24 " + QByteArray(GetParam().written) + "\\par\r\n}\r\n");
}

INSTANTIATE_TEST_SUITE_P(Text, WriterEscape, testing::Values(
    EscapeCase{"Ascii", u"Hello, world.", "Hello, world."},
    EscapeCase{"Braces", u"a{b}c", "a\\{b\\}c"},
    EscapeCase{"Backslash", u"a\\b", "a\\\\b"},
    EscapeCase{"Chinese", u"中文", "\\u20013?\\u25991?"},
    EscapeCase{"AboveSigned16Bit", u"한", "\\u-10916?"},
    EscapeCase{"HighestUnit", u"\uffff", "\\u-1?"},
    EscapeCase{"EmojiAsSurrogates", u"😀", "\\u-10179?\\u-8704?"},
    EscapeCase{"Latin1", u"café", "caf\\u233?"},
    EscapeCase{"Tab", u"a\tb", "a\\tab b"},
    EscapeCase{"LineSeparator", u"a\u2028b", "a\\line b"},
    EscapeCase{"NoBreakSpace", u"a\u00a0b", "a\\~b"},
    EscapeCase{"SoftHyphen", u"a\u00adb", "a\\-b"},
    EscapeCase{"NoBreakHyphen", u"a\u2011b", "a\\_b"},
    EscapeCase{"ControlCharactersDropped", u"a\u0001\u007fb", "ab"}),
    [](const auto &info) { return std::string(info.param.name); });

struct ControlCase {
    const char *name;
    std::function<void(QTextCharFormat &, QTextBlockFormat &)> apply;
    const char *expected; // must appear in the output
};

void PrintTo(const ControlCase &c, std::ostream *os) { *os << c.name; }

class WriterControls : public testing::TestWithParam<ControlCase> {};

TEST_P(WriterControls, WritesTheFormat)
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(12);
    QTextBlockFormat b;
    GetParam().apply(f, b);
    const QByteArray rtf = WriteText(QStringLiteral("X"), f, b);
    EXPECT_TRUE(rtf.contains(GetParam().expected)) << rtf.constData();
}

INSTANTIATE_TEST_SUITE_P(Formats, WriterControls, testing::Values(
    ControlCase{"Bold", [](auto &f, auto &) { f.setFontWeight(QFont::Bold); }, "\\fs24\\b X"},
    ControlCase{"Italic", [](auto &f, auto &) { f.setFontItalic(true); }, "\\fs24\\i X"},
    ControlCase{"Underline", [](auto &f, auto &) { f.setFontUnderline(true); }, "\\fs24\\ul X"},
    ControlCase{"Strike", [](auto &f, auto &) { f.setFontStrikeOut(true); }, "\\fs24\\strike X"},
    ControlCase{"Super", [](auto &f, auto &) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); }, "\\super X"},
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
    ControlCase{"Indents", [](auto &, auto &b) { b.setLeftMargin(48); b.setRightMargin(96); b.setTextIndent(-24); },
                "\\pard\\li720\\ri1440\\fi-360 "},
    ControlCase{"Spacing", [](auto &, auto &b) { b.setTopMargin(16); b.setBottomMargin(12); }, "\\pard\\sb240\\sa180 "},
    ControlCase{"LineMultiple", [](auto &, auto &b) { b.setLineHeight(150, QTextBlockFormat::ProportionalHeight); },
                "\\pard\\sl360\\slmult1 "},
    ControlCase{"LineExact", [](auto &, auto &b) { b.setLineHeight(20, QTextBlockFormat::FixedHeight); },
                "\\pard\\sl-300\\slmult0 "},
    ControlCase{"HugeIndentBounded", [](auto &, auto &b) { b.setLeftMargin(1e30); }, "\\pard\\li31680 "},
    ControlCase{"HugeSizeBounded", [](auto &f, auto &) { f.setFontPointSize(1e30); }, "\\f0\\fs3276 X"},
    ControlCase{"TinySizeBounded", [](auto &f, auto &) { f.setFontPointSize(0.1); }, "\\f0\\fs2 X"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RtfWriter, SameDocumentSameBytes)
{
    const auto doc = ReadRtfText(ReadAll(QStringLiteral(VELLORA_TEST_DATA "/rtf/lo-from-fodt.rtf")));
    EXPECT_EQ(WriteRtf(*doc), WriteRtf(*doc));
}

TEST(RtfWriter, RunsShareFormatsUntilTheyChange)
{
    const QByteArray rtf = WriteRtf(*ReadRtfText(RtfWithBody("a\\par b{\\b c}d\\par")));
    EXPECT_EQ(Body(rtf), "\\pard \\plain\\f0\\fs24 a\\par\r\n"
                         "\\pard b\\plain\\f0\\fs24\\b c\\plain\\f0\\fs24 d\\par\r\n}\r\n");
}
} // namespace
