// Writing and reading again keeps text and formats; writing what was read
// from our own output gives the same bytes.

#include "RtfTestSupport.h"
#include "TestFiles.h"

#include "platform/RtfWriter.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include <functional>

#include <gtest/gtest.h>

namespace {
// Every run of the document with the properties the writer carries.
struct Run {
    QString text;
    QString family;
    qreal points;
    int weight;
    bool italic, strike;
    int underline, valign;
    QRgb foreground, background;
    bool operator==(const Run &) const = default;
};

struct Paragraph {
    int align;
    qreal left, right, indent, top, bottom, lineHeight;
    int lineType;
    bool operator==(const Paragraph &) const = default;
};

QRgb Colour(const QTextCharFormat &f, QTextFormat::Property p)
{
    return f.hasProperty(p) ? f.brushProperty(p).color().rgb() : 0;
}

std::vector<Run> Runs(const QTextDocument &doc)
{
    std::vector<Run> runs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat f = it.fragment().charFormat();
            runs.push_back({it.fragment().text(), f.fontFamilies().toStringList().value(0), f.fontPointSize(),
                            f.fontWeight() >= QFont::Bold ? 700 : 400, f.fontItalic(), f.fontStrikeOut(),
                            int(f.underlineStyle()), int(f.verticalAlignment()),
                            Colour(f, QTextFormat::ForegroundBrush), Colour(f, QTextFormat::BackgroundBrush)});
        }
    return runs;
}

std::vector<Paragraph> Paragraphs(const QTextDocument &doc)
{
    std::vector<Paragraph> paragraphs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const QTextBlockFormat f = b.blockFormat();
        paragraphs.push_back({int(f.alignment() & Qt::AlignHorizontal_Mask), f.leftMargin(), f.rightMargin(),
                              f.textIndent(), f.topMargin(), f.bottomMargin(), f.lineHeight(), f.lineHeightType()});
    }
    return paragraphs;
}

void ExpectSameContent(const QTextDocument &a, const QTextDocument &b)
{
    EXPECT_EQ(RawText(a), RawText(b));
    EXPECT_TRUE(Runs(a) == Runs(b));
    EXPECT_TRUE(Paragraphs(a) == Paragraphs(b));
}

class FixtureRoundTrip : public testing::TestWithParam<const char *> {};

TEST_P(FixtureRoundTrip, ReadWriteReadKeepsEverything)
{
    const auto first = ReadRtfText(ReadAll(QStringLiteral(VELLORA_TEST_DATA "/rtf/") + QLatin1String(GetParam())));
    const QByteArray written = WriteRtf(*first);
    const auto second = ReadRtfText(written);
    ExpectSameContent(*first, *second);
    EXPECT_EQ(WriteRtf(*second), written);
}

INSTANTIATE_TEST_SUITE_P(Files, FixtureRoundTrip,
                         testing::Values("re20-gbk-hex.rtf", "re41-unicode-escapes.rtf", "re-ansicpg1252-font134.rtf",
                                         "lo-from-fodt.rtf", "pandoc-from-md.rtf", "latex2rtf-from-tex.rtf",
                                         "enscript-from-txt.rtf", "pod-simple-rtf-from-pod.rtf"),
                         [](const auto &info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

struct FormatCase {
    const char *name;
    std::function<void(QTextCharFormat &, QTextBlockFormat &)> apply;
};

void PrintTo(const FormatCase &c, std::ostream *os) { *os << c.name; }

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

    const QByteArray written = WriteRtf(doc);
    const auto read = ReadRtfText(written);
    ExpectSameContent(doc, *read);
    EXPECT_EQ(WriteRtf(*read), written);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatRoundTrip, testing::Values(
    FormatCase{"Bold", [](auto &f, auto &) { f.setFontWeight(QFont::Bold); }},
    FormatCase{"Italic", [](auto &f, auto &) { f.setFontItalic(true); }},
    FormatCase{"Underline", [](auto &f, auto &) { f.setUnderlineStyle(QTextCharFormat::SingleUnderline); }},
    FormatCase{"WaveUnderline", [](auto &f, auto &) { f.setUnderlineStyle(QTextCharFormat::WaveUnderline); }},
    FormatCase{"DottedUnderline", [](auto &f, auto &) { f.setUnderlineStyle(QTextCharFormat::DotLine); }},
    FormatCase{"Strike", [](auto &f, auto &) { f.setFontStrikeOut(true); }},
    FormatCase{"Superscript", [](auto &f, auto &) { f.setVerticalAlignment(QTextCharFormat::AlignSuperScript); }},
    FormatCase{"Subscript", [](auto &f, auto &) { f.setVerticalAlignment(QTextCharFormat::AlignSubScript); }},
    FormatCase{"Size", [](auto &f, auto &) { f.setFontPointSize(28.5); }},
    FormatCase{"Family", [](auto &f, auto &) { f.setFontFamilies({QStringLiteral("Noto Sans CJK SC")}); }},
    FormatCase{"ChineseFamily", [](auto &f, auto &) { f.setFontFamilies({QStringLiteral("微软雅黑")}); }},
    FormatCase{"Foreground", [](auto &f, auto &) { f.setForeground(QColor(12, 34, 56)); }},
    FormatCase{"Background", [](auto &f, auto &) { f.setBackground(QColor(255, 255, 0)); }},
    FormatCase{"Everything", [](auto &f, auto &) {
        f.setFontWeight(QFont::Bold); f.setFontItalic(true); f.setFontUnderline(true); f.setFontStrikeOut(true);
        f.setForeground(QColor(200, 0, 0)); f.setBackground(QColor(0, 200, 0)); f.setFontPointSize(9); }},
    FormatCase{"Centre", [](auto &, auto &b) { b.setAlignment(Qt::AlignHCenter); }},
    FormatCase{"Right", [](auto &, auto &b) { b.setAlignment(Qt::AlignRight); }},
    FormatCase{"Justify", [](auto &, auto &b) { b.setAlignment(Qt::AlignJustify); }},
    FormatCase{"Indents", [](auto &, auto &b) { b.setLeftMargin(48); b.setRightMargin(24); b.setTextIndent(-16); }},
    FormatCase{"Spacing", [](auto &, auto &b) { b.setTopMargin(8); b.setBottomMargin(12); }},
    FormatCase{"LineMultiple", [](auto &, auto &b) { b.setLineHeight(200, QTextBlockFormat::ProportionalHeight); }},
    FormatCase{"LineAtLeast", [](auto &, auto &b) { b.setLineHeight(30, QTextBlockFormat::MinimumHeight); }},
    FormatCase{"LineExact", [](auto &, auto &b) { b.setLineHeight(20, QTextBlockFormat::FixedHeight); }}),
    [](const auto &info) { return std::string(info.param.name); });

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

INSTANTIATE_TEST_SUITE_P(Texts, ShapeRoundTrip, testing::Values(
    ShapeCase{"Empty", u""},
    ShapeCase{"OneLine", u"一行"},
    ShapeCase{"TrailingEmptyParagraph", u"a\n"},
    ShapeCase{"LeadingEmptyParagraph", u"\na"},
    ShapeCase{"OnlyEmptyParagraphs", u"\n\n"},
    ShapeCase{"Specials", u"{\\}\t\u00a0\u00ad\u2011 — “引号”"}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace

namespace {
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

QByteArray DibPicture()
{
    // A 2 x 1 bitmap, 24 bits, no resolution in its header.
    QByteArray dib = QByteArray::fromHex("28000000020000000100000001001800000000000800000000000000000000000000000000000000");
    dib += QByteArray::fromHex("0000ff00ff000000");
    return "{\\rtf1{\\pict\\dibitmap0\\picwgoal300\\pichgoal150 " + dib.toHex() + "}}";
}

INSTANTIATE_TEST_SUITE_P(Documents, WriterIsStable, testing::Values(
    StableCase{"ControlCharacterInFontName", "{\\rtf1{\\fonttbl{\\f0\\fni\x01hfcharset134 SimSun;}}x}"},
    StableCase{"SpacesAroundFontName", "{\\rtf1{\\fonttbl{\\f0   Sim Sun  ;}}x}"},
    StableCase{"SemicolonlessFontName", "{\\rtf1{\\fonttbl{\\f0 A\\{B\\}}}x}"},
    StableCase{"EmptyFontName", "{\\rtf1{\\fonttbl{\\f0 ;}}x}"},
    StableCase{"RunOfControlCharactersOnly", "{\\rtf1 a{\\fs40 \\'15}b}"},
    StableCase{"BitmapWithoutResolution", DibPicture()},
    StableCase{"LoneSurrogateInText", "{\\rtf1 \\u-10179?x}"}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace
