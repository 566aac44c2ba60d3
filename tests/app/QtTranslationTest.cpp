// What the program sets up as it starts: Qt's own texts in Chinese.

#include "app/StartUp.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// Qt's own dialogs speak the program's language.
TEST(QtTranslationTest, FileDialogButtonsAreChinese)
{
    ASSERT_TRUE(InstallQtChineseTranslation());
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto *buttons = dialog.findChild<QDialogButtonBox *>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
}

} // namespace
