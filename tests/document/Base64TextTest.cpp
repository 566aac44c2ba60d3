#include "document/Base64Text.h"

#include <gtest/gtest.h>

namespace {
// A CR LF follows every 19th full group (57 bytes), also at the very end.
class Base64Wrapping : public testing::TestWithParam<int> {};

TEST_P(Base64Wrapping, BreaksAfterEvery19thFullGroupOnly)
{
    const int bytes = GetParam();
    const QByteArray data(bytes, '\xff');
    const QString text = EncodeBase64Text(data);
    const QString line = QStringLiteral("////").repeated(19) + QStringLiteral("\r\n");
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), bytes / 57);
    EXPECT_EQ(text.left(78), bytes >= 57 ? line : text.left(78));
    EXPECT_EQ(text.endsWith(QStringLiteral("\r\n")), bytes % 57 == 0);
    EXPECT_EQ(DecodeBase64Text(text), data);
}

INSTANTIATE_TEST_SUITE_P(Sizes, Base64Wrapping, testing::Values(56, 57, 58, 114),
                         [](const auto &instance) { return std::to_string(instance.param) + "Bytes"; });

TEST(Base64Text, EncodesWithPaddingAndDecodesSkippingWhatIsNotInTheAlphabetUpToANul)
{
    EXPECT_EQ(EncodeBase64Text(QByteArray("f")), QStringLiteral("Zg=="));
    EXPECT_EQ(DecodeBase64Text(QStringLiteral("=Z=m 9\r\nv=")), QByteArray("foo"));
    EXPECT_EQ(DecodeBase64Text(QString::fromUtf16(u"Zm9v\0YmFy", 9)), QByteArray("foo"));
    // A wide character whose low byte is in the alphabet is still not in it.
    EXPECT_EQ(DecodeBase64Text(QString::fromUtf16(u"Zm9v\u0141中YmFy")), QByteArray("foobar"));
}
} // namespace
