// Dialog units to pixels: a quarter of the average character width and an
// eighth of the character height, rounded to the nearest pixel.

#include "ui/DialogUnits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {
struct UnitCase {
    int units, averageCharWidth, charHeight, x, y;
};

class DialogUnitsTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DialogUnitsTest, ConvertsWithAQuarterAndAnEighthRoundedToNearest)
{
    const UnitCase &c = GetParam();
    EXPECT_EQ(DialogXToPixels(c.units, {c.averageCharWidth, c.charHeight}), c.x);
    EXPECT_EQ(DialogYToPixels(c.units, {c.averageCharWidth, c.charHeight}), c.y);
}

// The about box's 233 units with the classic 6 x 13 font; 1.5 rounds up.
INSTANTIATE_TEST_SUITE_P(Values, DialogUnitsTest,
                         ::testing::Values(UnitCase{233, 6, 13, 350, 379}, UnitCase{1, 6, 12, 2, 2},
                                           UnitCase{-3, 6, 13, -5, -5},
                                           UnitCase{2000000000, 8, 16, 2147483647, 2147483647}),
                         [](const auto &instance) {
                             return (instance.param.units < 0 ? "Minus" : "") + std::to_string(std::abs(instance.param.units)) + "Units";
                         });
} // namespace
