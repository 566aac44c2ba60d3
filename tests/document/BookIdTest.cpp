#include "document/BookId.h"

#include <gtest/gtest.h>

// Ids name the reading-state files: digits only, whatever the tick count.
TEST(BookId, IsDigitsOnlyEvenPastTwoToThe31)
{
    // 2^31 prints as "-2147483648": 11 characters, the "-" scrambles to a digit too.
    EXPECT_EQ(MakeBookIdFromTicks(0x80000000u).size(), 11);
    EXPECT_TRUE(IsFileSafeBookId(MakeBookIdFromTicks(0x80000000u)));
    EXPECT_TRUE(IsFileSafeBookId(MakeBookId()));
    for (const char *unsafe : {"", "../../x", "-5", "12 ", "١٢"})
        EXPECT_FALSE(IsFileSafeBookId(QString::fromUtf8(unsafe))) << unsafe;
}
