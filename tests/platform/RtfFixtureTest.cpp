// The reader against RTF made by other programs: rich-edit controls of
// Windows and the usual converters on Linux.

#include "RtfTestSupport.h"
#include "TestFiles.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {
QString DataFile(const QString &name) { return QStringLiteral(VELLORA_TEST_DATA "/rtf/") + name; }

QString WithoutWhiteSpace(QString text)
{
    text.remove(QChar(0xfeff));
    text.remove(QRegularExpression(QStringLiteral("\\s+"), QRegularExpression::UseUnicodePropertiesOption));
    return text;
}
} // namespace

class RichEditFixture : public testing::TestWithParam<const char *> {};

// Rich-edit files: the exact visible text, paragraph by paragraph.
TEST_P(RichEditFixture, ShowsExactlyTheRecordedText)
{
    const QString base = QString::fromLatin1(GetParam());
    const QByteArray rtf = ReadAll(DataFile(base + ".rtf"));
    ASSERT_FALSE(rtf.isEmpty());
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(rtf, doc));
    EXPECT_EQ(doc.toPlainText(), QString::fromUtf8(ReadAll(DataFile(base + ".txt"))));
}

INSTANTIATE_TEST_SUITE_P(Files, RichEditFixture,
                         testing::Values("re20-gbk-hex", "re41-unicode-escapes", "re-ansicpg1252-font134"),
                         [](const auto &info) {
                             QString name = QString::fromLatin1(info.param);
                             return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });

class ProducerFixture : public testing::TestWithParam<const char *> {};

// Other producers: the same characters as LibreOffice shows, white space
// aside (list labels and blank lines are laid out differently).
TEST_P(ProducerFixture, ShowsWhatLibreOfficeShows)
{
    const QString base = QString::fromLatin1(GetParam());
    const QByteArray rtf = ReadAll(DataFile(base + ".rtf"));
    ASSERT_FALSE(rtf.isEmpty());
    QTextDocument doc;
    ASSERT_TRUE(ReadRtf(rtf, doc));
    EXPECT_EQ(WithoutWhiteSpace(doc.toPlainText()),
              WithoutWhiteSpace(QString::fromUtf8(ReadAll(DataFile(base + ".rtf.libreoffice.txt")))));
}

INSTANTIATE_TEST_SUITE_P(Files, ProducerFixture,
                         testing::Values("lo-from-fodt", "pandoc-from-md", "latex2rtf-from-tex",
                                         "enscript-from-txt", "pod-simple-rtf-from-pod"),
                         [](const auto &info) {
                             QString name = QString::fromLatin1(info.param);
                             return name.replace(QLatin1Char('-'), QLatin1Char('_')).toStdString();
                         });
