// The program's message boxes.

#include "TestFiles.h"
#include "platform/MessageBoxes.h"

#include <gtest/gtest.h>

namespace {

class MessageBoxButtonsTest : public ::testing::TestWithParam<QMessageBox::StandardButtons> {};

TEST_P(MessageBoxButtonsTest, HasNoOwnerTheProgramsCaptionAndTheInformationIcon)
{
    const auto box = MakeMessageBox(QStringLiteral("文件不能打开！"), GetParam());
    EXPECT_EQ(box->parentWidget(), nullptr);
    EXPECT_EQ(box->windowTitle(), QStringLiteral("电子画册Vellora V1.0"));
    EXPECT_EQ(box->icon(), QMessageBox::Information);
    EXPECT_EQ(box->text(), QStringLiteral("文件不能打开！"));
    EXPECT_EQ(box->standardButtons(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Buttons, MessageBoxButtonsTest,
                         ::testing::Values(QMessageBox::StandardButtons(QMessageBox::Ok),
                                           QMessageBox::Ok | QMessageBox::Cancel,
                                           QMessageBox::Yes | QMessageBox::No));

} // namespace
