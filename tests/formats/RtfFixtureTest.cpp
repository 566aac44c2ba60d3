// The reader against RTF made by other programs (rich-edit controls of
// Windows and the usual converters on Linux), and another program reading
// what we write.

#include "RtfTestSupport.h"

#include "formats/rtf/RtfWriter.h"

#include <QColor>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextBlockFormat>

namespace {
QString WithoutWhiteSpace(QString text)
{
    text.remove(QChar(0xfeff));
    text.remove(QRegularExpression(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption));
    return text;
}

class ProducerFixture : public testing::TestWithParam<const char *> {};

// Rich-edit files ("re…") show exactly the recorded text; other producers
// the same characters as LibreOffice shows, white space aside (list labels
// and blank lines are laid out differently).
TEST_P(ProducerFixture, ShowsTheRecordedText)
{
    const QString base = QStringLiteral(VELLORA_TEST_DATA "/rtf/") + QLatin1String(GetParam());
    const QByteArray rtf = ReadAll(base + QStringLiteral(".rtf"));
    ASSERT_FALSE(rtf.isEmpty());
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(rtf, doc));
    if (QByteArray(GetParam()).startsWith("re")) {
        EXPECT_EQ(doc.toPlainText(), QString::fromUtf8(ReadAll(base + QStringLiteral(".txt"))));
    } else {
        EXPECT_EQ(WithoutWhiteSpace(doc.toPlainText()),
                  WithoutWhiteSpace(QString::fromUtf8(ReadAll(base + QStringLiteral(".rtf.libreoffice.txt")))));
    }
}

INSTANTIATE_TEST_SUITE_P(Files, ProducerFixture,
                         testing::Values("re20-gbk-hex", "re41-unicode-escapes", "re-ansicpg1252-font134",
                                         "lo-from-fodt", "pandoc-from-md", "latex2rtf-from-tex", "enscript-from-txt",
                                         "pod-simple-rtf-from-pod"),
                         CaseName());

struct FormatCase {
    const char *file;
    const char16_t *needle;
    Property property;
    double value;          // points, alignment flags, or 1 for "on"
    const char *text = ""; // colour name or font family
};

class FixtureFormat : public testing::TestWithParam<FormatCase> {};

TEST_P(FixtureFormat, CarriesTheFormat)
{
    const FormatCase &c = GetParam();
    const auto doc = ReadRtfText(RtfFixture(c.file));
    const QString needle = QString::fromUtf16(c.needle);
    ASSERT_TRUE(doc->toPlainText().contains(needle)) << c.file;
    ExpectFormat(FormatOf(*doc, needle), BlockWith(*doc, needle).blockFormat(), c.property, c.value, c.text);
}

const char *const kLo = "lo-from-fodt.rtf", *const kPandoc = "pandoc-from-md.rtf",
                  *const kPod = "pod-simple-rtf-from-pod.rtf", *const kGbk = "re20-gbk-hex.rtf",
                  *const k1252 = "re-ansicpg1252-font134.rtf";

using P = Property;

INSTANTIATE_TEST_SUITE_P(
    Files, FixtureFormat,
    testing::Values(FormatCase{kLo, u"Bold ", P::Bold, 1}, FormatCase{kLo, u"Plain", P::Bold, 0},
                    FormatCase{kLo, u"italic ", P::Italic, 1}, FormatCase{kLo, u"underline ", P::Underline, 1},
                    FormatCase{kLo, u"Red ", P::Foreground, 1, "#ff0000"},
                    FormatCase{kLo, u"Green ", P::Foreground, 1, "#008000"}, FormatCase{kLo, u"9pt", P::Points, 9},
                    FormatCase{kLo, u"小字", P::Points, 9}, FormatCase{kLo, u"28pt", P::Points, 28},
                    FormatCase{kLo, u"Plain", P::Points, 12},
                    FormatCase{kLo, u"Centred", P::Align, double(Qt::AlignHCenter)},
                    FormatCase{kLo, u"Right-aligned", P::Align, double(Qt::AlignRight)},
                    FormatCase{kPandoc, u"Heading", P::Points, 18}, FormatCase{kPandoc, u"粗体", P::Bold, 1},
                    FormatCase{kPandoc, u"斜体", P::Italic, 1}, FormatCase{kPandoc, u"strike", P::Strike, 1},
                    FormatCase{kPandoc, u"代码", P::Family, 0, "Courier"},
                    FormatCase{kPandoc, u"链接", P::Underline, 1}, FormatCase{kPod, u"Bold", P::Bold, 1},
                    FormatCase{kPod, u"Heading", P::Points, 16}, FormatCase{kGbk, u"小猫", P::Points, 9},
                    FormatCase{kGbk, u"小猫", P::Family, 0, "宋体"}, FormatCase{k1252, u"蜜蜂", P::Family, 0, "SimSun"},
                    FormatCase{k1252, u"café", P::Family, 0, "Microsoft Sans Serif"},
                    FormatCase{k1252, u"café", P::Points, 8.5}));

// AbiWord's text of our RTF: UTF-8, each paragraph ended by a line feed.
QString AbiWordText(const QByteArray &rtf)
{
    ScratchDir dir;
    if (!WriteAll(dir.FilePath(QStringLiteral("in.rtf")), rtf))
        return QStringLiteral("<cannot write>");
    QProcess abiword;
    abiword.start(QStringLiteral("abiword"),
                  {QStringLiteral("--to=txt"), QStringLiteral("--to-name=") + dir.FilePath(QStringLiteral("out.txt")),
                   dir.FilePath(QStringLiteral("in.rtf"))});
    if (!abiword.waitForFinished(60000) || abiword.exitCode() != 0)
        return QStringLiteral("<abiword failed>");
    QString text = QString::fromUtf8(ReadAll(dir.FilePath(QStringLiteral("out.txt"))));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

struct OracleCase {
    const char *name;
    QByteArray rtf; // read by us, written again, then read by AbiWord
};

class AbiWordReadsOurRtf : public testing::TestWithParam<OracleCase> {};

TEST_P(AbiWordReadsOurRtf, ShowsTheSameText)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("abiword")).isEmpty())
        << "abiword is missing: run scripts/install-deps.sh";
    const auto doc = ReadRtfText(GetParam().rtf);
    ASSERT_FALSE(doc->isEmpty());
    EXPECT_EQ(AbiWordText(WriteRtf(*doc)), doc->toPlainText());
}

INSTANTIATE_TEST_SUITE_P(Documents, AbiWordReadsOurRtf,
                         testing::Values(OracleCase{"GbkRichEdit", RtfFixture(kGbk)},
                                         OracleCase{"EmojiHangulAndWestern", RtfFixture("re41-unicode-escapes.rtf")},
                                         OracleCase{"FontCharsetWins", RtfFixture(k1252)},
                                         OracleCase{"Formatted",
                                                    RtfWithBody(R"(\qc\b 粗体\b0  \i 斜体\i0  \ul 下划线\ulnone\par)"
                                                                R"(\pard\li720\cf1\fs40 红色大字 \u-10179?\u-8704?\par)"
                                                                R"(\pard\qr\highlight2 {\}\\ 右对齐\tab end\par)")}),
                         CaseName());
} // namespace
