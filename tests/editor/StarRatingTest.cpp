#include "editor/StarRatingModel.h"

#include "Cases.h"

#include <gtest/gtest.h>

namespace {
struct PressCase {
    const char *name;
    int x; // in a control 10 pixels high: cells of side 10
    int stars;
};

class StarPress : public testing::TestWithParam<PressCase> {};

TEST_P(StarPress, HoverShowsAndAPressStoresTheCellUnderThePointer)
{
    StarRatingModel impl;
    impl.SetRating(2);
    impl.MouseMove(GetParam().x, 10);
    EXPECT_EQ(impl.ShownValue(), GetParam().stars);
    ASSERT_TRUE(impl.ButtonDown(GetParam().x, 10));
    impl.ButtonUp();
    impl.MouseLeave();
    EXPECT_EQ(impl.Rating(), GetParam().stars);
}

INSTANTIATE_TEST_SUITE_P(Cells, StarPress,
                         testing::Values(PressCase{"EmptyFirstCell", 9, 0}, PressCase{"FirstStar", 10, 1},
                                         // Right of the last star: not limited to 5.
                                         PressCase{"PastTheLastStar", 75, 7}),
                         CaseName());
} // namespace
