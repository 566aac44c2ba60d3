// Dialog units to pixels.

#include "platform/DialogUnits.h"

#include <QApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

struct UnitCase {
    int units;
    int averageCharWidth;
    int charHeight;
    int x;
    int y;
};

class DialogUnitsTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DialogUnitsTest, ConvertsWithAQuarterAndAnEighthRoundedToNearest)
{
    const UnitCase &c = GetParam();
    const DialogBaseUnits base{c.averageCharWidth, c.charHeight};
    EXPECT_EQ(DialogXToPixels(c.units, base), c.x);
    EXPECT_EQ(DialogYToPixels(c.units, base), c.y);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DialogUnitsTest,
    ::testing::Values(
        // the about box, 233 x 174 units, with the classic 6 x 13 and 7 x 16 fonts
        UnitCase{233, 6, 13, 350, 379}, UnitCase{174, 6, 13, 261, 283}, UnitCase{233, 7, 16, 408, 466},
        UnitCase{174, 7, 16, 305, 348}, UnitCase{4, 6, 13, 6, 7}, UnitCase{0, 9, 19, 0, 0},
        UnitCase{1, 6, 12, 2, 2}, // 1.5 rounds up
        UnitCase{-3, 6, 13, -5, -5}, UnitCase{2000000000, 8, 16, 2147483647, 2147483647}));

TEST(DialogUnitsTest, RectanglesConvertEachSide)
{
    const DialogBaseUnits base{6, 13};
    EXPECT_EQ(DialogRectToPixels(QRect(88, 151, 56, 16), base), QRect(132, 245, 84, 26));
    EXPECT_EQ(DialogSizeToPixels(QSize(233, 174), base), QSize(350, 283));
}

TEST(DialogUnitsTest, BaseUnitsComeFromTheFontsLatinLetters)
{
    const QFont font = QApplication::font();
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const DialogBaseUnits base = DialogBaseUnitsOf(font);
    EXPECT_EQ(base.charHeight, metrics.height());
    // within half a pixel of the true average
    EXPECT_LE(std::abs(base.averageCharWidth * 52 - letters), 26);
    EXPECT_GT(base.averageCharWidth, 0);
}

TEST(DialogUnitsTest, ABiggerFontMakesBiggerDialogs)
{
    QFont small = QApplication::font();
    small.setPixelSize(10);
    QFont big = small;
    big.setPixelSize(20);
    EXPECT_GT(DialogXToPixels(233, DialogBaseUnitsOf(big)), DialogXToPixels(233, DialogBaseUnitsOf(small)));
    EXPECT_GT(DialogYToPixels(174, DialogBaseUnitsOf(big)), DialogYToPixels(174, DialogBaseUnitsOf(small)));
}

} // namespace
