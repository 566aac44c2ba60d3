#include "viewer/PageNavigation.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct MoveCase {
    PageMove move;
    int current, step, pages, expected;
};

class PageMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(PageMoves, LandOnTheTabledPageAndWrapToTheOtherEnd)
{
    const MoveCase &c = GetParam();
    EXPECT_EQ(PageAfterMove(c.move, c.current, c.step, c.pages), c.expected);
}

using PM = PageMove;
INSTANTIATE_TEST_SUITE_P(
    Jumps, PageMoves,
    ::testing::Values(
        // Page 9 (index 8) of 10 with a width of 5 goes to page 1, not page 4;
        // from page 3 back it goes to page 10.
        MoveCase{PM::JumpForward, 8, 5, 10, 0}, MoveCase{PM::JumpBack, 2, 5, 10, 9},
        MoveCase{PM::JumpForward, 2, 5, 10, 7}, MoveCase{PM::Next, 0, 1, 1, 0},
        // Width 0 reloads the current page; a width beyond the book lands on the first or the last page.
        MoveCase{PM::JumpForward, 4, 0, 10, 4}, MoveCase{PM::JumpForward, 4, 100, 10, 0},
        MoveCase{PM::JumpBack, 4, 100, 10, 9},
        // Near 2^31 the sum would wrap in 32 bits.
        MoveCase{PM::JumpForward, 5, INT_MAX, 10, 0}, MoveCase{PM::JumpBack, 5, INT_MIN, 10, 0},
        // A negative width jumps the other way and wraps like that way.
        MoveCase{PM::JumpForward, 1, -3, 10, 9}, MoveCase{PM::JumpBack, 8, -3, 10, 0}));

TEST(AutoBrowseInterval, IsSpeedSecondsClampedTo32Bits)
{
    for (const auto &[speed, ms] : {std::pair{7, 7000}, std::pair{INT_MIN, 0}, std::pair{2147484, INT_MAX}})
        EXPECT_EQ(AutoBrowseIntervalMs(speed), ms) << speed;
}

} // namespace
