// The idle update: which menu items and tool-bar buttons are enabled in
// each of the frame's situations, reached through the user's commands.

#include "FrameFixture.h"
#include "ui/CommandTable.h"
#include "ui/NumberEdit.h"

#include <QAction>

namespace {

enum class Situation { Reading, FitScreen, Editing, AutoBrowsing };

struct UiCase {
    const char *name;
    Situation situation;
    // Enabled, as 1 or 0: the 100 % menu item and button, the fit-screen
    // button, the start and the stop auto-browse buttons.
    const char *enabled;
};

class FrameUpdateUiTest : public FrameTest, public ::testing::WithParamInterface<UiCase> {};

TEST_P(FrameUpdateUiTest, MenuItemAndButtonGetTheirOwnState)
{
    Open(MakeBook(QStringLiteral("book.vlr"), QStringLiteral("书"), 3));
    switch (GetParam().situation) {
    case Situation::Reading: break;
    case Situation::FitScreen: frame_->OnCommand(32812); break;
    case Situation::Editing: SwitchTo(false); break;
    case Situation::AutoBrowsing: frame_->OnCommand(32836); break;
    }
    frame_->OnIdle();
    const CommandTable &commands = frame_->Commands();
    QString enabled;
    for (const QAction *action :
         {commands.FindMenuAction(32783), commands.FindToolBarAction(32783), commands.FindToolBarAction(32812),
          commands.FindToolBarAction(32836), commands.FindToolBarAction(32822)})
        enabled += QLatin1Char(action->isEnabled() ? '1' : '0');
    EXPECT_EQ(enabled, QLatin1String(GetParam().enabled));
}

// The 100 % button is never disabled with its menu item.
INSTANTIATE_TEST_SUITE_P(Situations, FrameUpdateUiTest,
                         ::testing::Values(UiCase{"Reading", Situation::Reading, "11110"},
                                           UiCase{"FitScreen", Situation::FitScreen, "01110"},
                                           UiCase{"Editing", Situation::Editing, "01000"},
                                           UiCase{"AutoBrowsing", Situation::AutoBrowsing, "11101"}),
                         [](const auto &instance) { return std::string(instance.param.name); });

// Opening a book, making a new one or editing stops auto-browse behind the
// buttons' backs; back in read mode they must offer to start it again.
class AutoBrowseButtonsTest : public FrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(AutoBrowseButtonsTest, ButtonsFollowTheReader)
{
    const QString path = MakeBook(QStringLiteral("book.vlr"), QStringLiteral("书"), 3);
    Open(path);
    frame_->OnCommand(32836);
    frame_->OnIdle();
    ASSERT_FALSE(frame_->Commands().FindToolBarAction(32836)->isEnabled());
    user_->openAnswers.enqueue(path);
    frame_->OnCommand(GetParam());
    if (GetParam() == 32806)
        frame_->OnIdle(); // edit mode stops it at the next idle update
    frame_->OnCommand(1038);
    frame_->OnIdle();
    EXPECT_FALSE(frame_->Reader().IsAutoBrowsing());
    EXPECT_TRUE(frame_->Commands().FindToolBarAction(32836)->isEnabled());
    EXPECT_FALSE(frame_->Commands().FindToolBarAction(32822)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Commands, AutoBrowseButtonsTest, ::testing::Values(57601, 57600, 32806), [](const auto &instance) {
    return std::string(instance.param == 57601 ? "Open" : instance.param == 57600 ? "New" : "Edit");
});

// The checks follow the view at once, not only at the next idle update; a
// zoom chosen again keeps its mark although the click toggles it.
TEST_F(FrameTest, ZoomBorderAndCentreChecksFollowTheViewWithoutAnIdleUpdate)
{
    Open(MakeBook(QStringLiteral("book.vlr"), QStringLiteral("书"), 3));
    const CommandTable &commands = frame_->Commands();
    commands.FindMenuAction(32781)->trigger();
    commands.FindMenuAction(32781)->trigger();
    EXPECT_TRUE(commands.FindMenuAction(32781)->isChecked());
    EXPECT_EQ(frame_->ZoomBox()->text(), QStringLiteral("25%"));
    frame_->OnCommand(32810);
    frame_->OnCommand(32811);
    EXPECT_FALSE(commands.FindMenuAction(32810)->isChecked());
    EXPECT_FALSE(commands.FindToolBarAction(32811)->isChecked());
}

} // namespace
