// HIMETRIC and pixels: at 100 % one picture pixel must be one screen pixel,
// so the natural size a raster picture reports has to come back to its
// pixel size at every resolution.

#include "formats/Himetric.h"

#include <gtest/gtest.h>

TEST(Himetric, PixelsComeBackFromTheirHimetricSize)
{
    for (int resolution : {72, 96, 120, 144, 192})
        for (int pixels : {1, 7, 400, 1919, 6000, 16384}) {
            const QSize dpi(resolution, resolution);
            EXPECT_EQ(HimetricToPixels(PixelsToHimetric({pixels, pixels + 1}, dpi), dpi), QSize(pixels, pixels + 1))
                << pixels << " px at " << resolution;
        }
}
