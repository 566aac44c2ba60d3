// The help documents the build places beside the program.

#include "TestFiles.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace {

class HelpDocumentFileTest : public ::testing::TestWithParam<const char *> {};

TEST_P(HelpDocumentFileTest, LiesBesideTheProgramInChinese)
{
    const QByteArray bytes = ReadAll(QStringLiteral(VELLORA_BIN_DIR "/") + QString::fromUtf8(GetParam()));
    ASSERT_FALSE(bytes.isEmpty());
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    EXPECT_FALSE(utf8.hasError());
    EXPECT_TRUE(text.contains(QStringLiteral("电子画册")));
    EXPECT_TRUE(text.contains(QStringLiteral("Vellora")));
}

INSTANTIATE_TEST_SUITE_P(Texts, HelpDocumentFileTest, ::testing::Values("faq.txt", "readme.txt"));

TEST(HelpDocumentFileTest, TheManualIsWellFormedRichText)
{
    const QByteArray rtf = ReadAll(QStringLiteral(VELLORA_BIN_DIR "/User Manual.rtf"));
    ASSERT_TRUE(rtf.startsWith("{\\rtf1"));
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '\\') {
            ++i; // an escaped brace or backslash is text
            continue;
        }
        if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            EXPECT_EQ(rtf.mid(i + 1).trimmed(), QByteArray()) << "text after the closing brace";
        }
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
    // every Chinese character is written as a \u escape: the file is ASCII
    for (char c : rtf)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80);
    // the keys the manual must explain
    for (const char *key : {"Ctrl+N", "Ctrl+O", "Ctrl+S", "Enter"})
        EXPECT_TRUE(rtf.contains(key)) << key;
}

} // namespace
