// Dialog units to pixels: a quarter of the average character width and an
// eighth of the character height, rounded to the nearest pixel.

#include "ui/DialogUnits.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include <cstdlib>

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

// The about box, 233 x 174 units, with the classic 6 x 13 and 7 x 16 fonts;
// 1.5 rounds up.
INSTANTIATE_TEST_SUITE_P(Values, DialogUnitsTest,
                         ::testing::Values(UnitCase{233, 6, 13, 350, 379}, UnitCase{174, 6, 13, 261, 283},
                                           UnitCase{233, 7, 16, 408, 466}, UnitCase{174, 7, 16, 305, 348},
                                           UnitCase{4, 6, 13, 6, 7}, UnitCase{0, 9, 19, 0, 0}, UnitCase{1, 6, 12, 2, 2},
                                           UnitCase{-3, 6, 13, -5, -5},
                                           UnitCase{2000000000, 8, 16, 2147483647, 2147483647}));

TEST(DialogUnitsTest, RectanglesConvertEachSideAndBaseUnitsComeFromTheFontsLatinLetters)
{
    EXPECT_EQ(DialogRectToPixels(QRect(88, 151, 56, 16), {6, 13}), QRect(132, 245, 84, 26));
    EXPECT_EQ(DialogSizeToPixels(QSize(233, 174), {6, 13}), QSize(350, 283));
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const DialogBaseUnits base = DialogBaseUnitsOf(font);
    EXPECT_EQ(base.charHeight, metrics.height());
    EXPECT_GT(base.averageCharWidth, 0);
    EXPECT_LE(std::abs(base.averageCharWidth * 52 - letters), 26); // within half a pixel of the true average
}
} // namespace
