// The digits-only edit box of the bars.

#include "KeyEvents.h"
#include "TestFiles.h"
#include "platform/DialogUnits.h"
#include "platform/NumberEdit.h"

#include <gtest/gtest.h>

namespace {

struct TypedCase {
    const char *text;
    bool accepted;
};

class NumberEditTypingTest : public ::testing::TestWithParam<TypedCase> {};

TEST_P(NumberEditTypingTest, OnlyDigitsAndControlCharactersMayBeTyped)
{
    EXPECT_EQ(NumberEdit::AcceptsTypedText(QString::fromUtf8(GetParam().text)), GetParam().accepted);
}

INSTANTIATE_TEST_SUITE_P(Texts, NumberEditTypingTest,
                         ::testing::Values(TypedCase{"7", true}, TypedCase{"0", true}, TypedCase{"", true},
                                           TypedCase{"\b", true}, TypedCase{"%", false}, TypedCase{"/", false},
                                           TypedCase{"a", false}, TypedCase{" ", false}, TypedCase{"-", false},
                                           TypedCase{"五", false}, TypedCase{"١", false}));

TEST(NumberEditTest, TypingLettersChangesNothingButDigitsGoIn)
{
    NumberEdit box;
    box.setText(QStringLiteral("100%"));
    box.setCursorPosition(0);
    SendKeyPress(&box, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    SendKeyPress(&box, Qt::Key_Percent, Qt::NoModifier, QStringLiteral("%"));
    SendKeyPress(&box, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    EXPECT_EQ(box.text(), QStringLiteral("100%"));
    SendKeyPress(&box, Qt::Key_2, Qt::NoModifier, QStringLiteral("2"));
    EXPECT_EQ(box.text(), QStringLiteral("2100%"));
    // editing keys still work
    SendKeyPress(&box, Qt::Key_Backspace);
    EXPECT_EQ(box.text(), QStringLiteral("100%"));
}

TEST(NumberEditTest, IsCentredAndSixteenAverageCharactersWide)
{
    NumberEdit box;
    box.SetWidthInCharacters(16);
    EXPECT_EQ(box.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(box.width(), 16 * DialogBaseUnitsOf(box.font()).averageCharWidth);
    EXPECT_GT(box.width(), 16);
}

} // namespace
