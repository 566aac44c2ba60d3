// The fixed-size dialogs: the reading parameters dialog and the settings
// sheet's reading page laid out alike at a Chinese font, and every fixed
// dialog offering only a close box and showing its whole caption.

#include "settings/dialogs/ReadingSettingsPage.h"
#include "settings/dialogs/SettingsSheet.h"
#include "ui/DialogTemplate.h"
#include "ui/DialogUnits.h"
#include "ui/ReadingParametersLayout.h"
#include "ui/ResourceIds.h"
#include "viewer/ReadingParametersDialog.h"

#include "TestFiles.h"
#include "document/AppDirectories.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

// The font a Chinese desktop gives: its average character is an ideograph,
// twice as wide as the Latin average that dialog units are made of.
class ChineseFont : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(data_.Path());
        saved_ = QApplication::font();
        QFont font(QStringLiteral("Noto Sans CJK SC"));
        font.setPointSizeF(10.5);
        QApplication::setFont(font);
    }
    void TearDown() override
    {
        QApplication::setFont(saved_);
        SetDataDirectory(QString());
    }
    ScratchDir data_;
    QFont saved_;
};

TEST_F(ChineseFont, ReadingParametersDialogIsItsTemplatesSizeInDialogUnits)
{
    ReadingParametersDialog dialog(nullptr);
    const DialogBaseUnits base = DialogBaseUnitsOf(dialog.font());
    EXPECT_EQ(dialog.width(), DialogXToPixels(kReadingParametersSize.width(), base));
    EXPECT_EQ(dialog.height(), DialogYToPixels(kReadingParametersSize.height(), base));
}

// Every control of the page sits where the same control of the dialog sits,
// buttons aside (the page hides them for the sheet's own).
TEST_F(ChineseFont, ReadingPageAndDialogPlaceTheirControlsAlike)
{
    ReadingParametersDialog dialog(nullptr);
    ReadingSettingsPage page;
    page.show();
    ASSERT_TRUE(page.IsCreated());
    const auto placed = [](const QWidget &host) {
        QList<std::pair<QString, QRect>> controls;
        for (const QWidget *child : host.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isHidden())
                continue;
            QString text;
            if (const auto *label = qobject_cast<const QLabel *>(child))
                text = label->text();
            else if (const auto *button = qobject_cast<const QAbstractButton *>(child))
                text = button->text();
            controls.append({QString::fromLatin1(child->metaObject()->className()) + text + child->objectName(),
                             child->geometry()});
        }
        return controls;
    };
    QList<std::pair<QString, QRect>> fromDialog = placed(dialog);
    fromDialog.removeIf([](const auto &c) { return c.first.startsWith(QLatin1String("QPushButton")); });
    const QList<std::pair<QString, QRect>> fromPage = placed(page);
    ASSERT_EQ(fromPage.size(), 9);
    EXPECT_EQ(fromDialog, fromPage);
    EXPECT_EQ(dialog.StepEdit()->geometry(), page.findChild<QLineEdit *>(QStringLiteral("edit1025"))->geometry());
}

struct DialogCase {
    const char *name;
    std::function<std::unique_ptr<QDialog>()> make;
};

class FixedDialog : public ChineseFont, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(FixedDialog, HasOnlyACloseBoxAndRoomForItsCaption)
{
    const std::unique_ptr<QDialog> dialog = GetParam().make();
    dialog->show();
    const Qt::WindowFlags flags = dialog->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Dialog);
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));
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
                      DialogCase{"AboutBox",
                                 [] {
                                     auto dialog = std::make_unique<QDialog>();
                                     BuildDialog(dialog.get(), *AppDialogTemplates().Dialog(kIddAbout));
                                     return dialog;
                                 }},
                      // A caption longer than the template is wide.
                      DialogCase{"LongCaption",
                                 [] {
                                     auto dialog = std::make_unique<QDialog>();
                                     DialogTemplate layout = *AppDialogTemplates().Dialog(kIddAbout);
                                     layout.caption = QStringLiteral("电子画册Vellora V1.0 ") + layout.caption
                                                      + layout.caption + layout.caption;
                                     BuildDialog(dialog.get(), layout);
                                     return dialog;
                                 }}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
