// The main frame as the program starts it.

#include "FrameFixture.h"
#include "TestFiles.h"
#include "document/AppDirectories.h"
#include "ui/CommandTable.h"
#include "ui/NumberEdit.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

TEST_F(FrameTest, StartsInReadModeWithEmptyBoxesAndTheProgramsName)
{
    EXPECT_TRUE(frame_->IsReadMode());
    EXPECT_EQ(frame_->PageBox()->text(), QStringLiteral("0/0"));
    EXPECT_EQ(frame_->ZoomBox()->text(), QStringLiteral("100%"));
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("电子画册Vellora V1.0"));
    EXPECT_EQ(frame_->StatusPane()->text(), QStringLiteral("就绪"));
    EXPECT_EQ(frame_->AcceleratorTableId(), 128);
    EXPECT_FALSE(frame_->windowIcon().isNull());
}

TEST_F(FrameTest, StartsWithAllThreeBandsAndTheStatusBarShown)
{
    EXPECT_TRUE(frame_->MenuBand()->isVisible());
    EXPECT_TRUE(frame_->MainToolBar()->isVisible());
    EXPECT_TRUE(frame_->ReadingBar()->isVisible());
    EXPECT_TRUE(frame_->statusBar()->isVisible());
    EXPECT_TRUE(frame_->ReadModeWidget()->isVisible());
    EXPECT_FALSE(frame_->EditForm()->isVisible());
}

TEST_F(FrameTest, TheBandsShareOneRowEvenWhenTheWindowIsNarrow)
{
    const int top = frame_->MenuBand()->geometry().top();
    EXPECT_EQ(frame_->MainToolBar()->geometry().top(), top);
    EXPECT_EQ(frame_->ReadingBar()->geometry().top(), top);
    EXPECT_LT(frame_->MenuBand()->geometry().left(), frame_->MainToolBar()->geometry().left());
    EXPECT_LT(frame_->MainToolBar()->geometry().left(), frame_->ReadingBar()->geometry().left());
}

class StartCheckTest : public FrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(StartCheckTest, MenuItemIsChecked)
{
    QAction *item = frame_->Commands().FindMenuAction(GetParam());
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Commands, StartCheckTest, ::testing::Values(59392, 59393, 32809, 32811, 32810, 32783));

TEST_F(FrameTest, TheHundredPercentButtonsAreNotCheckedWithTheirMenuItem)
{
    EXPECT_FALSE(frame_->Commands().FindToolBarAction(32783)->isChecked());
}

TEST_F(FrameTest, IsCreatedAt380By265CentredOnTheScreen)
{
    EXPECT_EQ(frame_->size(), QSize(380, 265));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    // within the width of the window frame the platform draws round it
    const int marginX = frame_->geometry().left() - frame_->frameGeometry().left();
    const int marginY = frame_->geometry().top() - frame_->frameGeometry().top();
    EXPECT_LE(std::abs(frame_->geometry().center().x() - area.center().x()), marginX + 1);
    EXPECT_LE(std::abs(frame_->geometry().center().y() - area.center().y()), marginY + 1);
}

TEST(FrameCreationTest, MakesTheDataFoldersAgainWhenTheyWereDeleted)
{
    ScratchDir scratch;
    const QString data = scratch.FilePath(QStringLiteral("Documents/Vellora/"));
    const QString saved = DataDirectory();
    SetDataDirectory(data);
    ASSERT_FALSE(QDir(data).exists());
    {
        MainWindow frame;
        EXPECT_TRUE(QDir(data).exists());
        EXPECT_TRUE(QDir(data + QStringLiteral("etc")).exists());
    }
    SetDataDirectory(saved);
}

TEST_F(FrameTest, TheZoomButtonDropsDownTheZoomMenuAsAWhole)
{
    QAction *button = frame_->Commands().FindToolBarAction(1031);
    ASSERT_NE(button, nullptr);
    auto *tool = qobject_cast<QToolButton *>(frame_->MainToolBar()->widgetForAction(button));
    ASSERT_NE(tool, nullptr);
    EXPECT_EQ(tool->popupMode(), QToolButton::InstantPopup);
    ASSERT_EQ(tool->defaultAction(), button);
    ASSERT_EQ(button->menu(), frame_->ZoomDropDownMenu());
    QList<int> ids;
    for (QAction *item : frame_->ZoomDropDownMenu()->actions())
        ids.append(item->isSeparator() ? 0 : item->data().toInt());
    EXPECT_EQ(ids, (QList<int>{32781, 32782, 0, 32783, 0, 32784, 32785, 32786}));
}

struct ImageCase {
    int id;
    bool hasImage;
};

class MenuImageTest : public FrameTest, public ::testing::WithParamInterface<ImageCase> {};

TEST_P(MenuImageTest, MenuItemsShowTheMainToolBarsImagesOnly)
{
    QAction *item = frame_->Commands().FindMenuAction(GetParam().id);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(!item->icon().isNull(), GetParam().hasImage);
}

INSTANTIATE_TEST_SUITE_P(Items, MenuImageTest,
                         ::testing::Values(ImageCase{57600, true}, ImageCase{57601, true}, ImageCase{57664, true},
                                           ImageCase{32808, true}, ImageCase{32813, true}, ImageCase{32783, true},
                                           // only on the reading bar, or on no bar at all
                                           ImageCase{32812, false}, ImageCase{32809, false}, ImageCase{57604, false},
                                           ImageCase{32815, false}));

TEST_F(FrameTest, TheRecentFilesPopupIsTheFifthItemOfTheFileMenu)
{
    ASSERT_NE(frame_->RecentFilesMenu(), nullptr);
    EXPECT_EQ(frame_->RecentFilesMenu()->title(), QStringLiteral("最近文件"));
}

TEST_F(FrameTest, TheSaveCommandHasAButtonButNoMenuItem)
{
    EXPECT_NE(frame_->Commands().FindToolBarAction(57603), nullptr);
    EXPECT_EQ(frame_->Commands().FindMenuAction(57603), nullptr);
}

struct TitleCase {
    const char *name;
    const char *caption;
};

class WindowTitleTest : public FrameTest, public ::testing::WithParamInterface<TitleCase> {};

TEST_P(WindowTitleTest, NameComesBeforeTheProgramsName)
{
    frame_->SetWindowTitle(QString::fromUtf8(GetParam().name));
    EXPECT_EQ(frame_->windowTitle(), QString::fromUtf8(GetParam().caption));
}

INSTANTIATE_TEST_SUITE_P(Names, WindowTitleTest,
                         ::testing::Values(TitleCase{"", "电子画册Vellora V1.0"},
                                           TitleCase{"童话.vlr", "童话.vlr - 电子画册Vellora V1.0"},
                                           TitleCase{"/home/u/书/a.vlr", "/home/u/书/a.vlr - 电子画册Vellora V1.0"}));

TEST_F(FrameTest, ExitClosesTheWindow)
{
    frame_->OnCommand(57665);
    EXPECT_FALSE(frame_->isVisible());
}

} // namespace

namespace {

TEST_F(FrameTest, AHighlightedMenuItemShowsItsStatusHelpUntilTheMenuCloses)
{
    auto *view = qobject_cast<QToolButton *>(
        frame_->MenuBand()->widgetForAction(frame_->MenuBand()->actions().value(2))); // "查看"
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->text(), QStringLiteral("查看"));
    QString shownWhileOpen;
    QTimer::singleShot(0, view, [&] {
        view->menu()->setActiveAction(frame_->Commands().FindMenuAction(32810));
        shownWhileOpen = frame_->statusBar()->currentMessage();
        view->menu()->close();
    });
    view->showMenu(); // runs until the menu closes
    EXPECT_EQ(shownWhileOpen, QStringLiteral("在图片周围显示边框"));
    EXPECT_TRUE(frame_->statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(frame_->StatusPane()->isVisibleTo(frame_->statusBar()));
}

} // namespace

namespace {

// Qt's own dialogs and menus speak the program's language.
TEST(QtTranslationTest, FileDialogsAndTextMenusAreChinese)
{
    ASSERT_TRUE(InstallQtChineseTranslation());
    QFileDialog dialog;
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    const auto *buttons = dialog.findChild<QDialogButtonBox *>();
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("取消"));
    QTextEdit editor;
    editor.setPlainText(QStringLiteral("字"));
    editor.selectAll();
    const std::unique_ptr<QMenu> menu(editor.createStandardContextMenu());
    for (const QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        EXPECT_FALSE(action->text().contains(QStringLiteral("Copy")) || action->text().contains(QStringLiteral("Undo")))
            << action->text().toStdString();
    }
}

} // namespace
