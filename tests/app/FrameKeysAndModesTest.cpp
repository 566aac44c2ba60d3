// Accelerators through the frame's pre-translation, before and after mode
// switches, and what each mode shows.

#include "FrameFixture.h"
#include "ui/NumberEdit.h"
#include "viewer/PictureView.h"

#include <QStatusBar>

#include <QTest>
#include <QToolBar>

namespace {

enum class History { None, ToEdit, ToEditAndBack };

struct KeyCase {
    const char *name;
    History history;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int command; // 0: the key does nothing
};

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
        EXPECT_EQ(frame_->ZoomBox()->text(), before) << "consumed: the box never saw it";
    } else {
        EXPECT_TRUE(routed_.isEmpty()) << routed_.value(0);
    }
}

// A reading key in each mode, a file key where the table changed; back in
// read mode the file keys the menu shows work as well.
INSTANTIATE_TEST_SUITE_P(
    Keys, FrameAcceleratorTest,
    ::testing::Values(KeyCase{"OpenEditing", History::ToEdit, Qt::Key_O, Qt::ControlModifier, 57601},
                      KeyCase{"OpenBackInReadMode", History::ToEditAndBack, Qt::Key_O, Qt::ControlModifier, 57601},
                      KeyCase{"SaveBackInReadMode", History::ToEditAndBack, Qt::Key_S, Qt::ControlModifier, 57603},
                      KeyCase{"NextAtStart", History::None, Qt::Key_Right, Qt::NoModifier, 32828},
                      KeyCase{"NextEditing", History::ToEdit, Qt::Key_Right, Qt::NoModifier, 0},
                      KeyCase{"NextBackInReadMode", History::ToEditAndBack, Qt::Key_Right, Qt::NoModifier, 32828},
                      KeyCase{"KeypadEnterAtStart", History::None, Qt::Key_Enter, Qt::KeypadModifier, 59395}),
    [](const auto &instance) { return std::string(instance.param.name); });

TEST_F(FrameTest, StartsInReadModeAndEachModeShowsItsOwnParts)
{
    for (const bool read : {true, false, true}) {
        if (frame_->IsReadMode() != read)
            SwitchTo(read);
        EXPECT_EQ(frame_->IsReadMode(), read);
        EXPECT_EQ(frame_->ReadModeWidget()->isVisible(), read);
        EXPECT_EQ(frame_->EditForm()->isVisible(), !read);
        EXPECT_EQ(frame_->ReadingBar()->isVisible(), read);
        EXPECT_TRUE(frame_->MainToolBar()->isVisible());
    }
}

// Full-screen reading is entered by F11 or the menu item and left by F11 or
// Esc; what the window showed before comes back as it was.
struct FullScreenCase {
    const char *name;
    bool editMode;
    bool statusBarHidden; // before full screen
    int enterKey;         // 0: the menu command
    Qt::Key leaveKey;
};

class FullScreenReading : public FrameTest, public ::testing::WithParamInterface<FullScreenCase> {};

TEST_P(FullScreenReading, ShowsOnlyThePageAndGivesTheWindowBack)
{
    const FullScreenCase &c = GetParam();
    Open(MakeBook(QStringLiteral("a.vlr"), QStringLiteral("a"), 2));
    frame_->OnCommand(kCmdZoom25);
    if (c.statusBarHidden)
        frame_->OnCommand(kCmdViewStatusBar);
    if (c.editMode)
        SwitchTo(false);
    frame_->setGeometry(40, 50, 500, 400);
    const QRect geometry = frame_->geometry();
    const QString zoom = frame_->ZoomBox()->text();
    QWidget *const parts[] = {frame_->MenuBand(), frame_->MainToolBar(), frame_->ReadingBar(), frame_->statusBar()};
    QList<bool> shown;
    for (QWidget *part : parts)
        shown.append(part->isVisible());
    const auto corner = [this] { return frame_->Viewer()->viewport()->grab().toImage().pixelColor(2, 2); };
    const QColor background = corner();

    if (c.enterKey)
        QTest::keyClick(frame_.get(), Qt::Key(c.enterKey));
    else
        frame_->OnCommand(kCmdFullScreen);
    if (c.editMode) {
        EXPECT_FALSE(frame_->isFullScreen());
        EXPECT_EQ(frame_->geometry(), geometry);
        EXPECT_TRUE(frame_->MenuBand()->isVisible());
        return;
    }
    EXPECT_TRUE(frame_->isFullScreen());
    for (QWidget *part : parts)
        EXPECT_FALSE(part->isVisible()) << part->metaObject()->className();
    EXPECT_TRUE(frame_->Viewer()->isVisible());
    EXPECT_EQ(corner(), QColor(Qt::black));
    QTest::keyClick(frame_.get(), Qt::Key_Right);
    EXPECT_EQ(frame_->Reader().CurrentPage(), 1) << "page keys still turn pages";
    frame_->OpenBookFile(MakeBook(QStringLiteral("dropped.vlr"), QStringLiteral("d"), 1));
    EXPECT_FALSE(frame_->ReadingBar()->isVisible()) << "a book dropped meanwhile shows no bar";

    QTest::keyClick(frame_.get(), c.leaveKey);
    EXPECT_FALSE(frame_->isFullScreen());
    EXPECT_EQ(frame_->geometry(), geometry);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(parts[i]->isVisible(), shown.at(i)) << i;
    EXPECT_EQ(frame_->ZoomBox()->text(), zoom);
    EXPECT_EQ(corner(), background);
    QTest::keyClick(frame_.get(), Qt::Key_Escape);
    EXPECT_FALSE(frame_->isFullScreen()) << "Esc alone does not enter";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FullScreenReading,
    ::testing::Values(FullScreenCase{"F11ThenF11", false, false, Qt::Key_F11, Qt::Key_F11},
                      FullScreenCase{"MenuThenEsc", false, false, 0, Qt::Key_Escape},
                      FullScreenCase{"HiddenStatusBarStaysHidden", false, true, Qt::Key_F11, Qt::Key_Escape},
                      FullScreenCase{"F11IgnoredInEditMode", true, false, Qt::Key_F11, Qt::Key_F11},
                      FullScreenCase{"MenuIgnoredInEditMode", true, false, 0, Qt::Key_F11}),
    [](const auto &instance) { return std::string(instance.param.name); });

} // namespace
