#include "platform/Himetric.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>

struct MulDivCase {
    int a, b, c, expected;
};

class MulDivRounding : public testing::TestWithParam<MulDivCase> {};

TEST_P(MulDivRounding, RoundsHalvesAwayFromZero)
{
    const MulDivCase &c = GetParam();
    EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, MulDivRounding, testing::Values(
    MulDivCase{96, 1000, 2540, 38}, MulDivCase{96, 500, 2540, 19}, MulDivCase{96, 2540, 2540, 96},
    MulDivCase{120, 2540, 2540, 120}, MulDivCase{127, 10, 2540, 1}, MulDivCase{127, -10, 2540, -1},
    MulDivCase{127, 9, 2540, 0}, MulDivCase{-127, 10, 2540, -1}, MulDivCase{127, 10, -2540, -1},
    MulDivCase{3, 5, 2, 8}, MulDivCase{-3, 5, 2, -8}, MulDivCase{5, 1, 2, 3},
    // 96 × 2 000 000 000 does not fit in 32 bits.
    MulDivCase{96, 2000000000, 2540, 75590551}, MulDivCase{2000000000, 2540, 96, std::numeric_limits<int>::max()},
    MulDivCase{-2000000000, 2540, 96, std::numeric_limits<int>::min()}, MulDivCase{7, 9, 0, 0}));

class PixelRoundTrip : public testing::TestWithParam<std::tuple<int, int>> {};

// At 100 % one picture pixel must be one screen pixel, so the natural size a
// raster picture reports has to come back to its pixel size.
TEST_P(PixelRoundTrip, PixelsComeBackFromTheirHimetricSize)
{
    const auto [pixels, resolution] = GetParam();
    const QSize dpi(resolution, resolution);
    EXPECT_EQ(HimetricToPixels(PixelsToHimetric({pixels, pixels + 1}, dpi), dpi), QSize(pixels, pixels + 1));
}

INSTANTIATE_TEST_SUITE_P(Sizes, PixelRoundTrip, testing::Combine(testing::Values(1, 7, 400, 1919, 6000, 16384),
                                                                 testing::Values(72, 96, 120, 144, 192)),
                         [](const auto &info) {
                             return std::to_string(std::get<0>(info.param)) + "px_at_" +
                                    std::to_string(std::get<1>(info.param));
                         });
