#include "editor/PictureDialogFilter.h"
#include "platform/PictureFileFilters.h"

#include <QComboBox>
#include <QFileDialog>
#include <gtest/gtest.h>

namespace {
// What the user sees in the dialog's type box: the descriptions exactly.
TEST(PictureDialogFilter, DialogShowsTheDescriptionsExactly)
{
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setNameFilters(PictureDialogNameFilters());
    auto *types = dialog.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->count(), 9);
    EXPECT_EQ(types->itemText(0), QStringLiteral("所有图像 (*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf)"));
    EXPECT_EQ(types->itemText(2), QStringLiteral("JPEG文件 (*.jpg)"));
    EXPECT_EQ(types->itemText(8), QStringLiteral("所有文件 (*.*)"));
    EXPECT_EQ(dialog.selectedNameFilter(), PictureDialogFilters().first().text);  // first entry selected
}

} // namespace
