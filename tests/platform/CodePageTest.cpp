#include "platform/CodePage.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

struct CharsetCase {
    int charset;
    int codePage;
};

class CharsetToCodePage : public testing::TestWithParam<CharsetCase> {};

TEST_P(CharsetToCodePage, MapsFontCharsets)
{
    EXPECT_EQ(CodePageForCharset(GetParam().charset), GetParam().codePage);
}

INSTANTIATE_TEST_SUITE_P(Sets, CharsetToCodePage, testing::Values(
    CharsetCase{0, 1252}, CharsetCase{1, 0}, CharsetCase{128, 932}, CharsetCase{129, 949},
    CharsetCase{134, 936}, CharsetCase{136, 950}, CharsetCase{204, 1251}, CharsetCase{238, 1250},
    CharsetCase{222, 874}, CharsetCase{99, -1}));

struct DecodeCase {
    int codePage;
    QByteArray bytes;
    const char16_t *text;
};

class CodePageDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(CodePageDecoding, DecodesWholeRunsAndSplitDoubleBytes)
{
    const QString expected = QString::fromUtf16(GetParam().text);
    EXPECT_EQ(DecodeCodePage(GetParam().bytes, GetParam().codePage), expected);
    // Byte by byte through the stateful decoder gives the same text.
    CodePageDecoder decoder(GetParam().codePage);
    QString joined;
    for (char b : GetParam().bytes)
        joined += decoder.decode(QByteArrayView(&b, 1));
    joined += decoder.flush();
    EXPECT_EQ(joined, expected);
}

INSTANTIATE_TEST_SUITE_P(Pages, CodePageDecoding, testing::Values(
    DecodeCase{936, "\xd6\xd0\xce\xc4", u"中文"},
    // GBK beyond GB2312: 0x81 lead bytes.
    DecodeCase{936, "\x81\x40", u"丂"},
    DecodeCase{950, "\xa4\xa4\xa4\xe5", u"中文"},
    DecodeCase{932, "\x93\xfa\x96\x7b", u"日本"},
    DecodeCase{949, "\xc7\xd1", u"한"},
    DecodeCase{1252, "caf\xe9 \x80", u"café €"},
    DecodeCase{1251, "\xcf\xf0\xe8", u"При"},
    DecodeCase{1250, "\x8a", u"Š"},
    DecodeCase{874, "\xa1", u"ก"},
    // Unknown pages decode as Western.
    DecodeCase{4242, "\xe9", u"é"}));

struct LoneLeadCase {
    int codePage;
    QByteArray lead;
};

class LoneLeadByte : public testing::TestWithParam<LoneLeadCase> {};

// A lead byte whose trail never comes shows as one replacement character
// when the decoder is flushed, and the decoder starts afresh afterwards.
TEST_P(LoneLeadByte, FlushesAsReplacementCharacter)
{
    CodePageDecoder decoder(GetParam().codePage);
    EXPECT_EQ(decoder.decode(GetParam().lead), QString());
    EXPECT_EQ(decoder.flush(), QString(QChar(0xfffd)));
    EXPECT_EQ(decoder.decode("A"), QStringLiteral("A"));
    EXPECT_EQ(decoder.flush(), QString());
}

INSTANTIATE_TEST_SUITE_P(Pages, LoneLeadByte, testing::Values(
    LoneLeadCase{936, "\xd6"}, LoneLeadCase{950, "\xa4"}, LoneLeadCase{949, "\xb0"}));
