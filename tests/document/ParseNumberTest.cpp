#include "document/ParseNumber.h"

#include <QString>
#include <gtest/gtest.h>

struct NumberCase {
    const char *text;
    std::optional<std::int32_t> expected;
};

class ParseNumberCases : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberCases, ParsesExactlyTheDecimalSyntax)
{
    EXPECT_EQ(ParseNumber(QString::fromUtf8(GetParam().text)), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Numbers, ParseNumberCases,
                         testing::Values(NumberCase{"\t12 ", 12}, NumberCase{"-3.7", -3}, NumberCase{"1E+2", 100}, NumberCase{"+5", 5},
                                         NumberCase{"0.0", 0}, NumberCase{".5e1", 5}, NumberCase{"25e-1", 2},
                                         NumberCase{"-99999999999", -2147483647 - 1}, NumberCase{"1e400", 2147483647},
                                         NumberCase{"", std::nullopt}, NumberCase{"12a", std::nullopt}, NumberCase{"-0", std::nullopt},
                                         NumberCase{".0", std::nullopt}, NumberCase{"1e-400", std::nullopt}, NumberCase{"inf", std::nullopt},
                                         NumberCase{"0x10", std::nullopt}, NumberCase{"1 2", std::nullopt}, NumberCase{"5\r", std::nullopt},
                                         NumberCase{"１２", std::nullopt}));
