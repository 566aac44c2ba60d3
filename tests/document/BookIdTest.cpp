#include "document/BookId.h"

#include <gtest/gtest.h>

TEST(BookId, ScramblesTheTickCountAsDocumented)
{
    EXPECT_EQ(MakeBookIdFromTicks(123456).toStdString(), "901234");
    // 7 mod 1 = 0: a single digit moves by nothing; "7" (55) + 0 -> 5.
    EXPECT_EQ(MakeBookIdFromTicks(7).toStdString(), "5");
    // "10" (k = 10 mod 2 = 0): '1' = 49 -> 9, '0' = 48 -> 8.
    EXPECT_EQ(MakeBookIdFromTicks(10).toStdString(), "98");
    // "13": k = 13 mod 2 = 1; '1' -> (49+1)%10 = 0 at 1, '3' -> (51+1)%10 = 2 at 0.
    EXPECT_EQ(MakeBookIdFromTicks(13).toStdString(), "20");
}

TEST(BookId, TickCountsPastTwoToThe31StillGiveDigitsOnly)
{
    // 2^31 prints as "-2147483648": 11 characters, the "-" scrambles to a digit too.
    for (std::uint32_t t : {0x80000000u, 0xFFFFFFFFu, 0x9ABCDEF0u}) {
        const QString id = MakeBookIdFromTicks(t);
        EXPECT_EQ(id.size(), QString::number(static_cast<std::int32_t>(t)).size());
        EXPECT_TRUE(IsFileSafeBookId(id)) << id.toStdString();
    }
    EXPECT_EQ(MakeBookIdFromTicks(0x80000000u).size(), 11);
    EXPECT_TRUE(IsFileSafeBookId(MakeBookId())); // and so does the clock now
}

class FileSafeBookId : public testing::TestWithParam<std::pair<const char *, bool>> {};

TEST_P(FileSafeBookId, OnlyDecimalDigitsNameAFile)
{
    EXPECT_EQ(IsFileSafeBookId(QString::fromUtf8(GetParam().first)), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Ids, FileSafeBookId,
                         testing::Values(std::pair{"901234", true}, std::pair{"0", true}, std::pair{"", false},
                                         std::pair{"../../x", false}, std::pair{"12/34", false}, std::pair{"-5", false},
                                         std::pair{"12 ", false}, std::pair{"١٢", false}));
