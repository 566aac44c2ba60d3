// Damaged and hostile streams: read as far as they go, never crash.

#include "RtfTestSupport.h"

#include <gtest/gtest.h>

namespace {
struct DamagedCase {
    const char *name;
    QByteArray rtf;
    const char16_t *text;
};

void PrintTo(const DamagedCase &c, std::ostream *os) { *os << c.name; }
std::string CaseName(const testing::TestParamInfo<DamagedCase> &info) { return info.param.name; }

QByteArray DeepNesting()
{
    return "{\\rtf1 a" + QByteArray(100000, '{') + "b" + QByteArray(100000, '}') + "c}";
}

class DamagedRtf : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedRtf, ReadsAsFarAsItCan)
{
    QTextDocument doc;
    EXPECT_TRUE(ReadRtf(GetParam().rtf, doc));
    EXPECT_EQ(RawText(doc), QString::fromUtf16(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Streams, DamagedRtf, testing::Values(
    DamagedCase{"Truncated", "{\\rtf1 abc", u"abc"},
    DamagedCase{"TruncatedInsideGroup", "{\\rtf1 a{\\b b", u"ab"},
    DamagedCase{"TruncatedInsideControlWord", "{\\rtf1 a\\pa", u"a"},
    DamagedCase{"TruncatedAfterBackslash", "{\\rtf1 a\\", u"a"},
    DamagedCase{"TruncatedHexEscape", "{\\rtf1 a\\'", u"a"},
    DamagedCase{"TruncatedLeadByte", "{\\rtf1\\ansicpg936 a\\'d6", u"a\ufffd"},
    DamagedCase{"HexEscapeWithoutDigits", "{\\rtf1 a\\'zz}", u"azz"},
    DamagedCase{"ExtraClosingBraces", "{\\rtf1 abc}}}} more", u"abc"},
    DamagedCase{"NulAfterFinalBrace", QByteArray("{\\rtf1 abc}\r\n\0garbage", 20), u"abc"},
    DamagedCase{"DeepNestingBounded", DeepNesting(), u"ac"},
    DamagedCase{"HugeUnicodeSkip", "{\\rtf1\\uc999999999\\u20013 abcdefghijklmnopqrstuvwxyz}", u"中qrstuvwxyz"},
    DamagedCase{"HugeBinaryLength", "{\\rtf1 a\\bin999999999 xyz}", u"a"},
    DamagedCase{"NegativeBinaryLength", "{\\rtf1 a\\bin-5 xyz}", u"axyz"},
    DamagedCase{"LongControlWord", "{\\rtf1 a\\" + QByteArray(5000, 'q') + " b}", u"ab"},
    DamagedCase{"ManyDigits", "{\\rtf1 a\\fs" + QByteArray(5000, '9') + " b}", u"ab"},
    DamagedCase{"PictureTruncated", "{\\rtf1 a{\\pict\\pngblip 89504e47", u"a"},
    DamagedCase{"PictureGarbage", "{\\rtf1 a{\\pict\\pngblip\\picwgoal100\\pichgoal100 0102}b}", u"ab"},
    DamagedCase{"FontTableTruncated", "{\\rtf1{\\fonttbl{\\f0\\fcharset134 \\'cb", u""},
    DamagedCase{"ColourTableHuge", "{\\rtf1{\\colortbl" + QByteArray(100000, ';') + "}\\cf4095 x}", u"x"}),
    CaseName);

struct NotRtfCase {
    const char *name;
    QByteArray bytes;
};

class NotRtf : public testing::TestWithParam<NotRtfCase> {};

TEST_P(NotRtf, LeavesTheDocumentEmpty)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old content"));
    EXPECT_FALSE(ReadRtf(GetParam().bytes, doc));
    EXPECT_TRUE(doc.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Bytes, NotRtf, testing::Values(
    NotRtfCase{"Empty", ""},
    NotRtfCase{"PlainText", "hello"},
    NotRtfCase{"OtherGroup", "{\\pict 00}"},
    NotRtfCase{"NulBytes", QByteArray(16, '\0')}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RtfReader, ReplacesTheWholeDocumentAndLeavesItUnmodified)
{
    QTextDocument doc;
    doc.setPlainText(QStringLiteral("old content"));
    ASSERT_TRUE(ReadRtf("{\\rtf1 new}", doc));
    EXPECT_EQ(doc.toPlainText(), QStringLiteral("new"));
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.isUndoRedoEnabled());
}
} // namespace
