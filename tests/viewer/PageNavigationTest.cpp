#include "viewer/PageNavigation.h"

#include "document/BookDocument.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct MoveCase {
    PageMove move;
    int current;
    int step;
    int pages;
    int expected;
};

class PageMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(PageMoves, LandOnTheTabledPageAndWrapToTheOtherEnd)
{
    const MoveCase &c = GetParam();
    EXPECT_EQ(PageAfterMove(c.move, c.current, c.step, c.pages), c.expected);
}

using PM = PageMove;
INSTANTIATE_TEST_SUITE_P(SingleSteps, PageMoves,
                         ::testing::Values(MoveCase{PM::Next, 3, 1, 10, 4}, MoveCase{PM::Next, 9, 1, 10, 0},
                                           MoveCase{PM::Previous, 3, 1, 10, 2}, MoveCase{PM::Previous, 0, 1, 10, 9},
                                           MoveCase{PM::First, 7, 1, 10, 0}, MoveCase{PM::Last, 2, 1, 10, 9},
                                           MoveCase{PM::Next, 0, 1, 1, 0}, MoveCase{PM::Previous, 0, 1, 1, 0}));

INSTANTIATE_TEST_SUITE_P(
    Jumps, PageMoves,
    ::testing::Values(
        // Page 9 (index 8) of 10 with a width of 5 goes to page 1, not page 4;
        // from page 3 back it goes to page 10.
        MoveCase{PM::JumpForward, 8, 5, 10, 0}, MoveCase{PM::JumpBack, 2, 5, 10, 9},
        MoveCase{PM::JumpForward, 2, 5, 10, 7}, MoveCase{PM::JumpBack, 7, 5, 10, 2},
        // Width 0 reloads the current page; a width beyond the book lands on the first or the last page.
        MoveCase{PM::JumpForward, 4, 0, 10, 4}, MoveCase{PM::JumpBack, 4, 0, 10, 4},
        MoveCase{PM::JumpForward, 4, 100, 10, 0}, MoveCase{PM::JumpBack, 4, 100, 10, 9},
        // Near 2^31 the sum would wrap in 32 bits.
        MoveCase{PM::JumpForward, 5, INT_MAX, 10, 0}, MoveCase{PM::JumpBack, 5, INT_MIN, 10, 0},
        MoveCase{PM::JumpBack, 5, INT_MAX, 10, 9}, MoveCase{PM::JumpForward, 5, INT_MIN, 10, 9},
        // A negative width jumps the other way and wraps like that way.
        MoveCase{PM::JumpForward, 5, -3, 10, 2}, MoveCase{PM::JumpForward, 1, -3, 10, 9},
        MoveCase{PM::JumpBack, 5, -3, 10, 8}, MoveCase{PM::JumpBack, 8, -3, 10, 0}));

struct CountCase {
    int pictureCount;
    int entries;
    int expected;
};

class UsableCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(UsableCount, NeverExceedsTheEntries)
{
    const CountCase &c = GetParam();
    BookDocument book;
    book.pictureCount = c.pictureCount;
    for (int i = 0; i < c.entries; ++i)
        book.pictures.append(PictureEntry{});
    EXPECT_EQ(UsablePageCount(book), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, UsableCount,
                         ::testing::Values(CountCase{5, 5, 5}, CountCase{10, 3, 3}, CountCase{2, 5, 2},
                                           CountCase{-1, 4, 0}, CountCase{0, 0, 0}, CountCase{INT_MAX, 1, 1}));

struct TypedPageCase {
    const char *typed;
    int current;
    int pages;
    std::optional<int> expected;
};

class TypedPage : public ::testing::TestWithParam<TypedPageCase> {};

TEST_P(TypedPage, CountsFromOneAndClampsToTheBook)
{
    const TypedPageCase &c = GetParam();
    EXPECT_EQ(TypedPageTarget(QString::fromUtf8(c.typed), c.current, c.pages), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Values, TypedPage,
                         ::testing::Values(TypedPageCase{"0", 4, 10, 0}, TypedPageCase{"999", 4, 10, 9},
                                           TypedPageCase{"99999999999", 4, 10, 9}, TypedPageCase{"-7", 4, 10, 0},
                                           TypedPageCase{" 7 ", 4, 10, 6}, TypedPageCase{"7.9", 4, 10, 6},
                                           TypedPageCase{"5", 4, 10, std::nullopt}, // the current page
                                           TypedPageCase{"3/10", 4, 10, std::nullopt},
                                           TypedPageCase{"", 4, 10, std::nullopt},
                                           TypedPageCase{"2", 4, 0, std::nullopt}));

struct IntervalCase {
    std::int32_t speed;
    int expectedMs;
};

class AutoBrowseInterval : public ::testing::TestWithParam<IntervalCase> {};

TEST_P(AutoBrowseInterval, IsSpeedSecondsClampedTo32Bits)
{
    EXPECT_EQ(AutoBrowseIntervalMs(GetParam().speed), GetParam().expectedMs);
}

INSTANTIATE_TEST_SUITE_P(Values, AutoBrowseInterval,
                         ::testing::Values(IntervalCase{1, 1000}, IntervalCase{7, 7000}, IntervalCase{0, 0},
                                           IntervalCase{-1, 0}, IntervalCase{INT_MIN, 0},
                                           IntervalCase{2147483, 2147483000}, IntervalCase{2147484, INT_MAX},
                                           IntervalCase{INT_MAX, INT_MAX}));

TEST(NormalisedPage, OutsideTheBookIsPageZero)
{
    EXPECT_EQ(std::vector({NormalisedPage(7, 5), NormalisedPage(-1, 5), NormalisedPage(4, 5), NormalisedPage(0, 0)}),
              std::vector({0, 0, 4, 0}));
}

} // namespace
