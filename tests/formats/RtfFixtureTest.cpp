// The reader against RTF made by other programs (rich-edit controls of
// Windows and the usual converters on Linux), and another program reading
// what we write.

#include "RtfTestSupport.h"

#include "formats/rtf/RtfWriter.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {
class ProducerFixture : public testing::TestWithParam<const char *> {};

// Rich-edit files ("re…") show exactly the recorded text; other producers
// the same characters as LibreOffice shows, white space aside (list labels
// and blank lines are laid out differently).
TEST_P(ProducerFixture, ShowsTheRecordedText)
{
    const QString base = QStringLiteral(VELLORA_TEST_DATA "/rtf/") + QLatin1String(GetParam());
    QString ours = ReadRtfText(ReadAll(base + QStringLiteral(".rtf")))->toPlainText();
    const bool richEdit = QByteArray(GetParam()).startsWith("re");
    QString theirs =
        QString::fromUtf8(ReadAll(base + (richEdit ? QStringLiteral(".txt") : QStringLiteral(".rtf.libreoffice.txt"))));
    if (!richEdit) {
        const QRegularExpression space(QStringLiteral("[\\s\\x{feff}]+"),
                                       QRegularExpression::UseUnicodePropertiesOption);
        ours.remove(space);
        theirs.remove(space);
    }
    EXPECT_FALSE(ours.isEmpty());
    EXPECT_EQ(ours, theirs);
}

INSTANTIATE_TEST_SUITE_P(Files, ProducerFixture,
                         testing::Values("re20-gbk-hex", "re41-unicode-escapes", "re-ansicpg1252-font134",
                                         "lo-from-fodt", "pandoc-from-md", "latex2rtf-from-tex", "enscript-from-txt",
                                         "pod-simple-rtf-from-pod"),
                         CaseName());

struct OracleCase {
    const char *name;
    QByteArray rtf; // read by us, written again, then read by AbiWord
};

class AbiWordReadsOurRtf : public testing::TestWithParam<OracleCase> {};

// AbiWord's text of our RTF: UTF-8, each paragraph ended by a line feed
// (the last one's at times left off).
TEST_P(AbiWordReadsOurRtf, ShowsTheSameText)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("abiword")).isEmpty())
        << "abiword is missing: run scripts/install-deps.sh";
    const auto doc = ReadRtfText(GetParam().rtf);
    ASSERT_FALSE(doc->isEmpty());
    ScratchDir dir;
    ASSERT_TRUE(WriteAll(dir.FilePath(QStringLiteral("in.rtf")), WriteRtf(*doc)));
    ASSERT_EQ(QProcess::execute(QStringLiteral("abiword"),
                                {QStringLiteral("--to=txt"),
                                 QStringLiteral("--to-name=") + dir.FilePath(QStringLiteral("out.txt")),
                                 dir.FilePath(QStringLiteral("in.rtf"))}),
              0);
    QString text = QString::fromUtf8(ReadAll(dir.FilePath(QStringLiteral("out.txt"))));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    EXPECT_EQ(text, doc->toPlainText());
}

INSTANTIATE_TEST_SUITE_P(Documents, AbiWordReadsOurRtf,
                         testing::Values(OracleCase{"GbkRichEdit", RtfFixture("re20-gbk-hex.rtf")},
                                         OracleCase{"EmojiHangulAndWestern", RtfFixture("re41-unicode-escapes.rtf")},
                                         OracleCase{"Formatted",
                                                    RtfWithBody(R"(\qc\b 粗体\b0  \i 斜体\i0  \ul 下划线\ulnone\par)"
                                                                R"(\pard\li720\cf1\fs40 红色大字 \u-10179?\u-8704?\par)"
                                                                R"(\pard\qr\highlight2 {\}\\ 右对齐\tab end\par)")}),
                         CaseName());
} // namespace
