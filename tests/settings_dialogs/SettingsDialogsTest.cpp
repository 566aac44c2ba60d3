// The settings dialogs at a Chinese font: the reading parameters dialog as
// wide as its template, every fixed dialog offering only a close box and
// showing its whole caption, and what the settings sheet writes.

#include "settings/dialogs/PathSettingsPage.h"
#include "settings/dialogs/ReadingSettingsPage.h"
#include "settings/dialogs/SettingsSheet.h"
#include "settings/store/SettingsStore.h"
#include "ui/FixedDialog.h"
#include "ui/DialogUnits.h"
#include "ui/ReadingParametersLayout.h"
#include "viewer/ReadingParametersDialog.h"

#include "TestFiles.h"
#include "document/AppDirectories.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// A data folder of its own, and the font a Chinese desktop gives: its
// average character is an ideograph, twice as wide as the Latin average
// that dialog units are made of.
class SettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(data_.Path());
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPointSizeF(10.5);
        QApplication::setFont(font);
    }
    ScratchDir data_;
};

TEST_F(SettingsDialogTest, ReadingParametersDialogIsItsTemplatesSizeInDialogUnits)
{
    ReadingParametersDialog dialog(nullptr);
    EXPECT_EQ(dialog.size(), DialogSizeToPixels(kReadingParametersSize, DialogBaseUnitsOf(dialog.font())));
}

struct DialogCase {
    const char *name;
    std::function<std::unique_ptr<QDialog>()> make;
};

class FixedDialog : public SettingsDialogTest, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(FixedDialog, HasOnlyACloseBoxAndRoomForItsCaption)
{
    const std::unique_ptr<QDialog> dialog = GetParam().make();
    dialog->show();
    const Qt::WindowFlags wanted =
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
    const Qt::WindowFlags unwanted =
        Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint;
    EXPECT_EQ(dialog->windowFlags() & (Qt::WindowType_Mask | wanted | unwanted), wanted);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    // The caption in a bold title font, with the close box beside it.
    QFont title = dialog->font();
    title.setBold(true);
    const QFontMetrics metrics(title);
    EXPECT_GT(dialog->width(), metrics.horizontalAdvance(dialog->windowTitle()) + 2 * metrics.height());
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, FixedDialog,
    ::testing::Values(DialogCase{"ReadingParameters",
                                 [] { return std::make_unique<ReadingParametersDialog>(nullptr); }},
                      DialogCase{"SettingsSheet", [] { return std::make_unique<SettingsSheet>(); }},
                      // A caption longer than the dialog is wide.
                      DialogCase{"LongCaption",
                                 [] {
                                     auto dialog = std::make_unique<QDialog>();
                                     dialog->setWindowTitle(QStringLiteral("关于 电子画册Vellora V1.0 关于 电子画册Vellora"));
                                     SetFixedDialogSize(*dialog, QSize(120, 80));
                                     return dialog;
                                 }}),
    [](const auto &instance) { return std::string(instance.param.name); });

// OK writes the reading values in their normal form, and the paths only
// once their page was shown; Cancel writes nothing.
TEST_F(SettingsDialogTest, SheetWritesOnOkOnly)
{
    WriteSetting(QStringLiteral("Read Mode"), QStringLiteral("Border"), QStringLiteral("2"));
    WriteSetting(QStringLiteral("Read Mode"), QStringLiteral("Step"), QStringLiteral("007"));
    const auto close = [](bool ok, const std::function<void(SettingsSheet &)> &edit) {
        SettingsSheet sheet;
        sheet.show();
        edit(sheet);
        ok ? sheet.accept() : sheet.reject();
    };
    close(true, [](SettingsSheet &) {});
    const QByteArray written = ReadAll(SettingsFilePath());
    EXPECT_EQ(written, QByteArray("[Read Mode]\nBorder=1\nStep=7\nCenter=1\nSpeed=1\n"));
    const auto edit = [](SettingsSheet &sheet) {
        sheet.ReadPage()->BorderCheck()->setChecked(false);
        sheet.Tabs()->setCurrentIndex(1);
        sheet.PathPage()->Edit(PathSettingsPage::kPictureEdit)->setText(QStringLiteral("/pics"));
    };
    close(false, edit);
    EXPECT_EQ(ReadAll(SettingsFilePath()), written);
    close(true, edit);
    EXPECT_EQ(ReadSettingText(QStringLiteral("Default Path"), QStringLiteral("Picture Library"), QString()),
              QStringLiteral("/pics"));
    EXPECT_EQ(ReadSettingInt(QStringLiteral("Read Mode"), QStringLiteral("Border"), 1), 0);
}

} // namespace
