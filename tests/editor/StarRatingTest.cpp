#include "editor/StarRatingModel.h"

#include "Cases.h"

#include <gtest/gtest.h>

namespace {
// Cells of side 10, as a control 10 pixels high.
constexpr int kH = 10;

struct PressCase {
    const char *name;
    int x;
    int stars;
};

class StarPress : public testing::TestWithParam<PressCase> {};

TEST_P(StarPress, PressStoresTheCellUnderThePointer)
{
    StarRatingModel impl;
    impl.SetRating(2);
    impl.MouseMove(GetParam().x, kH);
    EXPECT_EQ(impl.ShownValue(), GetParam().stars);
    EXPECT_EQ(impl.Rating(), 2); // hovering alone stores nothing
    ASSERT_TRUE(impl.ButtonDown(GetParam().x, kH));
    impl.ButtonUp();
    impl.MouseLeave();
    EXPECT_EQ(impl.Rating(), GetParam().stars);
    EXPECT_EQ(impl.ShownValue(), GetParam().stars);
}

INSTANTIATE_TEST_SUITE_P(Cells, StarPress,
                         testing::Values(PressCase{"EmptyFirstCell", 9, 0}, PressCase{"FirstStar", 10, 1},
                                         PressCase{"EndOfTheFifthStar", 59, 5},
                                         // Right of the last star: not limited to 5.
                                         PressCase{"PastTheLastStar", 75, 7}),
                         CaseName());
} // namespace
