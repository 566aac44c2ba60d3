// Another program must read what we write: AbiWord converts our RTF to
// plain text, which must be our own text, Chinese and emoji included.

#include "RtfTestSupport.h"
#include "TestFiles.h"

#include "platform/RtfWriter.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace {
// AbiWord's text: UTF-8, each paragraph ended by a line feed.
QString AbiWordText(const QByteArray &rtf)
{
    ScratchDir dir;
    if (!WriteAll(dir.file(QStringLiteral("in.rtf")), rtf))
        return QStringLiteral("<cannot write>");
    QProcess abiword;
    abiword.start(QStringLiteral("abiword"),
                  {QStringLiteral("--to=txt"), QStringLiteral("--to-name=") + dir.file(QStringLiteral("out.txt")),
                   dir.file(QStringLiteral("in.rtf"))});
    if (!abiword.waitForFinished(60000) || abiword.exitCode() != 0)
        return QStringLiteral("<abiword failed>");
    QString text = QString::fromUtf8(ReadAll(dir.file(QStringLiteral("out.txt"))));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

struct OracleCase {
    const char *name;
    QByteArray rtf; // read by us, written again, then read by AbiWord
};

void PrintTo(const OracleCase &c, std::ostream *os) { *os << c.name; }

class AbiWordReadsOurRtf : public testing::TestWithParam<OracleCase> {};

TEST_P(AbiWordReadsOurRtf, ShowsTheSameText)
{
    ASSERT_FALSE(QStandardPaths::findExecutable(QStringLiteral("abiword")).isEmpty())
        << "abiword is missing: run scripts/install-deps.sh";
    const auto doc = ReadRtfText(GetParam().rtf);
    ASSERT_FALSE(doc->isEmpty());
    EXPECT_EQ(AbiWordText(WriteRtf(*doc)), doc->toPlainText());
}

QByteArray Fixture(const char *name) { return ReadAll(QStringLiteral(VELLORA_TEST_DATA "/rtf/") + QLatin1String(name)); }

INSTANTIATE_TEST_SUITE_P(Documents, AbiWordReadsOurRtf, testing::Values(
    OracleCase{"GbkRichEdit", Fixture("re20-gbk-hex.rtf")},
    OracleCase{"EmojiHangulAndWestern", Fixture("re41-unicode-escapes.rtf")},
    OracleCase{"FontCharsetWins", Fixture("re-ansicpg1252-font134.rtf")},
    OracleCase{"Formatted", RtfWithBody(R"(\qc\b 粗体\b0  \i 斜体\i0  \ul 下划线\ulnone\par)"
                                        R"(\pard\li720\cf1\fs40 红色大字 \u-10179?\u-8704?\par)"
                                        R"(\pard\qr\highlight2 {\}\\ 右对齐\tab end\par)")}),
    [](const auto &info) { return std::string(info.param.name); });
} // namespace
