// Accelerators through the frame's pre-translation, before and after mode
// switches, and the bar commands in either mode.

#include "FrameFixture.h"
#include "ui/NumberEdit.h"
#include "viewer/PictureView.h"

#include <QAction>
#include <QDialog>
#include <QEventLoop>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

enum class History { None, ToEdit, ToEditAndBack };

struct KeyCase {
    History history;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int command; // 0: the key does nothing
};

void PrintTo(const KeyCase &c, std::ostream *os)
{
    *os << "history " << static_cast<int>(c.history) << " key " << c.key << " command " << c.command;
}

class FrameAcceleratorTest : public FrameTest, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(FrameAcceleratorTest, KeyReachesItsCommandOnlyInItsTable)
{
    const KeyCase &c = GetParam();
    if (c.history != History::None)
        SwitchTo(false);
    if (c.history == History::ToEditAndBack)
        SwitchTo(true);
    // The key is typed into the zoom box, as if it had the focus.
    frame_->ZoomBox()->setFocus();
    const QString before = frame_->ZoomBox()->text();
    QTest::keyClick(frame_->ZoomBox(), c.key, c.modifiers);
    if (c.command != 0) {
        EXPECT_EQ(routed_, QList<int>{c.command});
        // consumed: the box never saw it
        EXPECT_EQ(frame_->ZoomBox()->text(), before);
    } else {
        EXPECT_TRUE(routed_.isEmpty()) << routed_.value(0);
    }
}

std::vector<KeyCase> AllKeyCases()
{
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int command;
        bool file;
    };
    const Key keys[] = {
        {Qt::Key_N, Qt::ControlModifier, 57600, true},     {Qt::Key_O, Qt::ControlModifier, 57601, true},
        {Qt::Key_S, Qt::ControlModifier, 57603, true},     {Qt::Key_Down, Qt::NoModifier, 32829, false},
        {Qt::Key_Left, Qt::NoModifier, 32826, false},      {Qt::Key_Return, Qt::NoModifier, 59395, false},
        {Qt::Key_Enter, Qt::KeypadModifier, 59395, false}, {Qt::Key_Right, Qt::NoModifier, 32828, false},
        {Qt::Key_Space, Qt::NoModifier, 32836, false},     {Qt::Key_Up, Qt::NoModifier, 32837, false},
    };
    std::vector<KeyCase> cases;
    for (const Key &k : keys) {
        cases.push_back({History::None, k.key, k.modifiers, k.command});
        cases.push_back({History::ToEdit, k.key, k.modifiers, k.file ? k.command : 0});
        // Back in read mode the file keys the menu shows work as well.
        cases.push_back({History::ToEditAndBack, k.key, k.modifiers, k.command});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Keys, FrameAcceleratorTest, ::testing::ValuesIn(AllKeyCases()));

TEST_F(FrameTest, AccelerateRegardlessOfTheButtonsState)
{
    // Space stands for 32836 even while its button is disabled (auto-browse
    // runs), so the same key starts and stops it.
    GiveReaderPages();
    frame_->OnCommand(32836);
    routed_.clear();
    frame_->OnIdle();
    ASSERT_FALSE(frame_->Commands().FindToolBarAction(32836)->isEnabled());
    QTest::keyClick(frame_->ZoomBox(), Qt::Key_Space);
    EXPECT_EQ(routed_, QList<int>{32836});
}

TEST_F(FrameTest, DigitsStillReachTheBoxes)
{
    frame_->PageBox()->setFocus();
    frame_->PageBox()->clear();
    QTest::keyClicks(frame_->PageBox(), QStringLiteral("12a/"));
    EXPECT_EQ(frame_->PageBox()->text(), QStringLiteral("12"));
    EXPECT_TRUE(routed_.isEmpty());
}

TEST_F(FrameTest, NoAcceleratorFiresWhileAModalDialogIsOpen)
{
    QDialog dialog(frame_.get());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    QTest::keyClick(&dialog, Qt::Key_Space);
    QTest::keyClick(&dialog, Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(frame_->ZoomBox(), Qt::Key_Right);
    EXPECT_TRUE(routed_.isEmpty());
    dialog.hide();
    QApplication::setActiveWindow(frame_.get());
    QTest::keyClick(frame_->ZoomBox(), Qt::Key_Right);
    EXPECT_EQ(routed_, QList<int>{32828});
}

TEST_F(FrameTest, EditFormsDialogKeysComeAfterTheAccelerators)
{
    QList<int> formKeys;
    frame_->SetFormPreTranslate([&](const QKeyEvent &event) {
        formKeys.append(event.key());
        return true;
    });
    QTest::keyClick(frame_->ZoomBox(), Qt::Key_Tab); // read mode: the form is not asked
    EXPECT_TRUE(formKeys.isEmpty());
    SwitchTo(false);
    QTest::keyClick(frame_->ZoomBox(), Qt::Key_N, Qt::ControlModifier);
    QTest::keyClick(frame_->ZoomBox(), Qt::Key_Tab);
    EXPECT_EQ(routed_, QList<int>{57600});
    EXPECT_FALSE(formKeys.contains(Qt::Key_N)); // taken by the accelerator
    EXPECT_TRUE(formKeys.contains(Qt::Key_Tab));
}

struct ModeCase {
    int command;
    bool readMode;
    int table;
    bool readingBarShown;
};

class ModeCommandTest : public FrameTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeCommandTest, SwitchesViewTableAndReadingBar)
{
    const ModeCase &c = GetParam();
    frame_->OnCommand(c.command);
    EXPECT_EQ(frame_->IsReadMode(), c.readMode);
    EXPECT_EQ(frame_->ReadModeWidget()->isVisible(), c.readMode);
    EXPECT_EQ(frame_->EditForm()->isVisible(), !c.readMode);
    EXPECT_EQ(frame_->AcceleratorTableId(), c.table);
    EXPECT_EQ(frame_->ReadingBar()->isVisible(), c.readingBarShown);
    EXPECT_EQ(frame_->Commands().FindMenuAction(32809)->isChecked(), c.readingBarShown);
}

INSTANTIATE_TEST_SUITE_P(Commands, ModeCommandTest,
                         ::testing::Values(ModeCase{32806, false, 233, false},
                                           // already in read mode: the table stays the start table
                                           ModeCase{1038, true, 128, true},
                                           // picture sequence and introduction pages leave the bar as it is
                                           ModeCase{32805, false, 233, true}, ModeCase{32807, false, 233, true}));

TEST_F(FrameTest, ReadModeCommandAfterEditingLoadsTheReadingTable)
{
    frame_->OnCommand(32806);
    frame_->OnCommand(1038);
    EXPECT_TRUE(frame_->IsReadMode());
    EXPECT_EQ(frame_->AcceleratorTableId(), 234);
    EXPECT_TRUE(frame_->ReadingBar()->isVisible());
}

class ReadingBarToggleTest : public FrameTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ReadingBarToggleTest, ReadingBarCommandTogglesTheBandInEitherMode)
{
    if (!GetParam()) {
        SwitchTo(false);
        frame_->ShowReadingBar(true);
    }
    ASSERT_TRUE(frame_->ReadingBar()->isVisible());
    frame_->OnCommand(32809);
    EXPECT_FALSE(frame_->ReadingBar()->isVisible());
    EXPECT_FALSE(frame_->Commands().FindMenuAction(32809)->isChecked());
    frame_->OnCommand(32809);
    EXPECT_TRUE(frame_->ReadingBar()->isVisible());
    EXPECT_TRUE(frame_->Commands().FindMenuAction(32809)->isChecked());
    EXPECT_EQ(frame_->IsReadMode(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Modes, ReadingBarToggleTest, ::testing::Values(true, false));

TEST_F(FrameTest, ToolbarAndStatusBarCommandsToggleWithTheirChecks)
{
    frame_->OnCommand(59392);
    EXPECT_FALSE(frame_->MainToolBar()->isVisible());
    EXPECT_FALSE(frame_->Commands().FindMenuAction(59392)->isChecked());
    frame_->OnCommand(59392);
    EXPECT_TRUE(frame_->MainToolBar()->isVisible());
    EXPECT_TRUE(frame_->Commands().FindMenuAction(59392)->isChecked());

    frame_->OnCommand(59393);
    EXPECT_FALSE(frame_->statusBar()->isVisible());
    EXPECT_FALSE(frame_->Commands().FindMenuAction(59393)->isChecked());
    frame_->OnCommand(59393);
    EXPECT_TRUE(frame_->statusBar()->isVisible());
    EXPECT_TRUE(frame_->Commands().FindMenuAction(59393)->isChecked());
}

TEST_F(FrameTest, ClickingAMenuItemRoutesItsCommand)
{
    frame_->Commands().FindMenuAction(32809)->trigger();
    frame_->Commands().FindToolBarAction(32806)->trigger();
    EXPECT_EQ(routed_, (QList<int>{32809, 32806}));
    EXPECT_FALSE(frame_->IsReadMode());
}

TEST_F(FrameTest, TheIdleHookRefreshesStatesAfterActivity)
{
    frame_->Viewer()->ToggleStretch();
    QTest::keyClick(frame_->PageBox(), Qt::Key_5); // activity
    // let the loop fall idle (qWait never blocks, so it never idles)
    QEventLoop loop;
    QTimer stop;
    QObject::connect(&stop, &QTimer::timeout, &loop, &QEventLoop::quit);
    stop.start(30);
    loop.exec();
    EXPECT_FALSE(frame_->Commands().FindMenuAction(32784)->isEnabled());
    EXPECT_TRUE(frame_->ZoomBox()->isReadOnly());
}

} // namespace
