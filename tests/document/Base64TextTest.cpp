#include "document/Base64Text.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
QByteArray Bytes(int n, int seed = 1)
{
    QByteArray b(n, Qt::Uninitialized);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 37 + seed * 11) & 0xFF);
    return b;
}
} // namespace

class Base64Vectors : public testing::TestWithParam<std::pair<QByteArray, const char *>> {};

TEST_P(Base64Vectors, EncodeAndDecodeBothWays)
{
    EXPECT_EQ(EncodeBase64Text(GetParam().first).toStdString(), GetParam().second);
    EXPECT_EQ(DecodeBase64Text(QString::fromLatin1(GetParam().second)), GetParam().first);
}

INSTANTIATE_TEST_SUITE_P(Standard, Base64Vectors,
                         testing::Values(std::pair{QByteArray(), ""}, std::pair{QByteArray("f"), "Zg=="},
                                         std::pair{QByteArray("fo"), "Zm8="}, std::pair{QByteArray("foo"), "Zm9v"},
                                         std::pair{QByteArray("foobar"), "Zm9vYmFy"},
                                         std::pair{QByteArray("\xff\xfe\x00", 3), "//4A"}));

struct WrapCase {
    int bytes;
    int lineBreaks;
    bool endsWithCrLf;
};

class Base64Wrapping : public testing::TestWithParam<WrapCase> {};

TEST_P(Base64Wrapping, BreaksAfterEvery19thFullGroupOnly)
{
    const QString text = EncodeBase64Text(Bytes(GetParam().bytes));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), GetParam().lineBreaks);
    EXPECT_EQ(text.endsWith(QStringLiteral("\r\n")), GetParam().endsWithCrLf);
    EXPECT_EQ(text.size(), (GetParam().bytes + 2) / 3 * 4 + 2 * GetParam().lineBreaks);
    // Every line of full groups is 76 characters.
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 76);
    EXPECT_EQ(DecodeBase64Text(text), Bytes(GetParam().bytes));
}

INSTANTIATE_TEST_SUITE_P(Sizes, Base64Wrapping,
                         testing::Values(WrapCase{56, 0, false}, WrapCase{57, 1, true}, WrapCase{58, 1, false},
                                         WrapCase{59, 1, false}, WrapCase{114, 2, true}, WrapCase{115, 2, false},
                                         WrapCase{1, 0, false}));

struct DecodeCase {
    const char16_t *text;
    QByteArray expected;
};

class Base64Decoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(Base64Decoding, SkipsNonAlphabetAndStopsAtNul)
{
    EXPECT_EQ(DecodeBase64Text(QString::fromUtf16(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, Base64Decoding,
                         testing::Values(DecodeCase{u"Zm 9\r\nv", "foo"}, DecodeCase{u"=Z=m=9=v=", "foo"},
                                         DecodeCase{u"Zg", "f"}, DecodeCase{u"Zm8", "fo"}, DecodeCase{u"Zm9vY", "foo"},
                                         DecodeCase{u"Zm9v\0YmFy", "foo"}, DecodeCase{u"Zm9v中YmFy", "foobar"},
                                         // A wide character whose low byte is in the alphabet is still not in it.
                                         DecodeCase{u"Zm9v\u0141\u0142YmFy", "foobar"}, DecodeCase{u"!!!", ""}));
