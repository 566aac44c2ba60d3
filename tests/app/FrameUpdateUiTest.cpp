// The idle update: every command's enabled and checked state on its menu
// item and its tool-bar button, in each of the frame's situations.

#include "FrameFixture.h"
#include "app/FrameCommandStates.h"
#include "document/BookFile.h"
#include "ui/CommandTable.h"
#include "ui/NumberEdit.h"
#include "viewer/PictureView.h"

#include <QAction>

namespace {

enum class Situation { Reading, FitScreen, Editing, AutoBrowsing };

// -1: the command has no such action (or its state is not compared here).
struct UiCase {
    Situation situation;
    int id;
    int menuEnabled;
    int toolBarEnabled;
};

void PrintTo(const UiCase &c, std::ostream *os)
{
    *os << "situation " << static_cast<int>(c.situation) << " id " << c.id;
}

class FrameUpdateUiTest : public FrameTest, public ::testing::WithParamInterface<UiCase> {
protected:
    void Enter(Situation situation)
    {
        switch (situation) {
        case Situation::Reading: break;
        case Situation::FitScreen: frame_->OnCommand(32812); break;
        case Situation::Editing: SwitchTo(false); break;
        case Situation::AutoBrowsing:
            GiveReaderPages();
            frame_->OnCommand(32836);
            break;
        }
        frame_->OnIdle();
    }
};

TEST_P(FrameUpdateUiTest, MenuItemAndButtonGetTheirOwnState)
{
    const UiCase &c = GetParam();
    Enter(c.situation);
    QAction *menu = frame_->Commands().FindMenuAction(c.id);
    QAction *button = frame_->Commands().FindToolBarAction(c.id);
    if (c.menuEnabled < 0) {
        EXPECT_EQ(menu, nullptr);
    } else {
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->isEnabled(), c.menuEnabled == 1);
    }
    if (c.toolBarEnabled < 0) {
        EXPECT_EQ(button, nullptr);
    } else {
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->isEnabled(), c.toolBarEnabled == 1);
    }
}

// One row per command and situation: Reading (R, no fit, no auto-browse),
// FitScreen (R and F), Editing (not R), AutoBrowsing (R and A).
std::vector<UiCase> AllUiCases()
{
    struct Row {
        int id;
        int menu[4];
        int toolBar[4];
    };
    const Row rows[] = {
        {57600, {1, 1, 1, 1}, {1, 1, 1, 1}},
        {57603, {-1, -1, -1, -1}, {1, 1, 1, 1}},
        {57604, {1, 1, 1, 1}, {-1, -1, -1, -1}},
        {57601, {1, 1, 1, 1}, {1, 1, 1, 1}},
        {32781, {1, 0, 0, 1}, {-1, -1, -1, -1}},
        {32782, {1, 0, 0, 1}, {-1, -1, -1, -1}},
        // the 100 % buttons are never disabled with their menu item
        {32783, {1, 0, 0, 1}, {1, 1, 1, 1}},
        {32784, {1, 0, 0, 1}, {-1, -1, -1, -1}},
        {32785, {1, 0, 0, 1}, {-1, -1, -1, -1}},
        {32786, {1, 0, 0, 1}, {-1, -1, -1, -1}},
        {32811, {1, 0, 0, 1}, {1, 0, 0, 1}},
        {32810, {1, 0, 0, 1}, {1, 0, 0, 1}},
        {32813, {1, 0, 0, 1}, {1, 0, 0, 1}},
        {32814, {1, 0, 0, 1}, {1, 0, 0, 1}},
        {32812, {1, 1, 0, 1}, {1, 1, 0, 1}},
        {32836, {-1, -1, -1, -1}, {1, 1, 0, 0}},
        {32822, {-1, -1, -1, -1}, {0, 0, 0, 1}},
        {1038, {-1, -1, -1, -1}, {1, 1, 1, 1}},
        {32806, {-1, -1, -1, -1}, {1, 1, 1, 1}},
        {59392, {1, 1, 1, 1}, {-1, -1, -1, -1}},
        {59393, {1, 1, 1, 1}, {-1, -1, -1, -1}},
        {32809, {1, 1, 1, 1}, {1, 1, 1, 1}},
        {59395, {1, 1, 1, 1}, {-1, -1, -1, -1}},
        // commands outside the update-UI table stay enabled everywhere
        {32824, {-1, -1, -1, -1}, {1, 1, 1, 1}},
        {32808, {1, 1, 1, 1}, {1, 1, 1, 1}},
        {57664, {1, 1, 1, 1}, {1, 1, 1, 1}},
    };
    const Situation situations[] = {Situation::Reading, Situation::FitScreen, Situation::Editing,
                                    Situation::AutoBrowsing};
    std::vector<UiCase> cases;
    for (const Row &row : rows) {
        for (int s = 0; s < 4; ++s)
            cases.push_back({situations[s], row.id, row.menu[s], row.toolBar[s]});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, FrameUpdateUiTest, ::testing::ValuesIn(AllUiCases()));

struct CheckCase {
    const char *what;
    FrameIdleInput input;
    int id;
    bool checked;
};

void PrintTo(const CheckCase &c, std::ostream *os) { *os << c.what << " id " << c.id; }

class FrameCheckTest : public FrameTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(FrameCheckTest, ChecksFollowTheViewsFlagsOnMenuAndButton)
{
    const CheckCase &c = GetParam();
    // The view's flags are set through its own commands, as a user sets them.
    if (!c.input.centre)
        frame_->OnCommand(32811);
    if (!c.input.border)
        frame_->OnCommand(32810);
    if (c.input.fitWidth)
        frame_->OnCommand(32813);
    if (c.input.fitHeight)
        frame_->OnCommand(32814);
    if (c.input.fitScreen)
        frame_->OnCommand(32812);
    if (!c.input.readMode)
        SwitchTo(false);
    frame_->OnIdle();
    EXPECT_EQ(frame_->Commands().FindMenuAction(c.id) ? frame_->Commands().FindMenuAction(c.id)->isChecked()
                                                      : c.checked,
              c.checked);
    EXPECT_EQ(frame_->Commands().FindToolBarAction(c.id)->isChecked(), c.checked);
}

constexpr FrameIdleInput kPlain{};
constexpr FrameIdleInput kNoCentreNoBorder{.centre = false, .border = false};
constexpr FrameIdleInput kFitWidth{.fitWidth = true};
constexpr FrameIdleInput kFitHeight{.fitHeight = true};
constexpr FrameIdleInput kFitScreen{.fitScreen = true};
constexpr FrameIdleInput kEditing{.readMode = false};

INSTANTIATE_TEST_SUITE_P(
    Flags, FrameCheckTest,
    ::testing::Values(CheckCase{"plain", kPlain, 32811, true}, CheckCase{"plain", kPlain, 32810, true},
                      CheckCase{"plain", kPlain, 32813, false}, CheckCase{"plain", kPlain, 32814, false},
                      CheckCase{"plain", kPlain, 32812, false}, CheckCase{"plain", kPlain, 1038, true},
                      CheckCase{"plain", kPlain, 32806, false}, CheckCase{"bare", kNoCentreNoBorder, 32811, false},
                      CheckCase{"bare", kNoCentreNoBorder, 32810, false}, CheckCase{"width", kFitWidth, 32813, true},
                      CheckCase{"height", kFitHeight, 32814, true}, CheckCase{"screen", kFitScreen, 32812, true},
                      CheckCase{"editing", kEditing, 1038, false}, CheckCase{"editing", kEditing, 32806, true}));

TEST_F(FrameTest, FitScreenMakesTheZoomBoxReadOnly)
{
    frame_->OnIdle();
    EXPECT_FALSE(frame_->ZoomBox()->isReadOnly());
    frame_->OnCommand(32812);
    frame_->OnIdle();
    EXPECT_TRUE(frame_->ZoomBox()->isReadOnly());
    frame_->OnCommand(32812);
    SwitchTo(false);
    EXPECT_TRUE(frame_->ZoomBox()->isReadOnly());
}

TEST_F(FrameTest, TheZoomCommandsChecksAreLeftToTheZoom)
{
    frame_->Commands().Check(32784, true, UiTarget::Menu);
    frame_->OnIdle();
    EXPECT_TRUE(frame_->Commands().FindMenuAction(32784)->isChecked());
    EXPECT_TRUE(frame_->Commands().FindMenuAction(32783)->isChecked());
}

TEST_F(FrameTest, SwitchingToEditModeStopsAutoBrowseAtTheNextIdleUpdate)
{
    GiveReaderPages();
    frame_->OnCommand(32836);
    frame_->OnIdle();
    EXPECT_TRUE(frame_->Reader().IsAutoBrowsing());
    frame_->OnCommand(32806);
    frame_->OnIdle();
    EXPECT_FALSE(frame_->Reader().IsAutoBrowsing());
    // back in read mode the buttons offer to start it again
    frame_->OnCommand(1038);
    frame_->OnIdle();
    EXPECT_TRUE(frame_->Commands().FindToolBarAction(32836)->isEnabled());
    EXPECT_FALSE(frame_->Commands().FindToolBarAction(32822)->isEnabled());
}

// Opening a book or making a new one stops auto-browse behind the buttons'
// backs; back in read mode they must offer to start it again.
class AutoBrowseButtonsTest : public FrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(AutoBrowseButtonsTest, ButtonsFollowTheReaderAfterAFileCommand)
{
    GiveReaderPages();
    const QString path = pictureDir_.filePath(QStringLiteral("book.vlr"));
    pictureBook_.title = QStringLiteral("书");
    ASSERT_TRUE(WriteBookFile(path, pictureBook_));
    auto user = std::make_unique<ScriptedUser>();
    user->openAnswers.enqueue(path);
    frame_->SetFileCommandUi(std::move(user));
    frame_->OnCommand(32836);
    frame_->OnIdle();
    ASSERT_FALSE(frame_->Commands().FindToolBarAction(32836)->isEnabled());
    frame_->OnCommand(GetParam());
    frame_->OnCommand(1038);
    frame_->OnIdle();
    EXPECT_FALSE(frame_->Reader().IsAutoBrowsing());
    EXPECT_TRUE(frame_->Commands().FindToolBarAction(32836)->isEnabled());
    EXPECT_FALSE(frame_->Commands().FindToolBarAction(32822)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Commands, AutoBrowseButtonsTest, ::testing::Values(57601, 57600),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return info.param == 57601 ? std::string("Open") : std::string("New");
                         });

TEST(UpdateUiTableTest, CommandsOutsideTheTableTakeNoState)
{
    for (int id : {57601, 57665, 32824, 32826, 32828, 32829, 32837, 32838, 32823, 59395, 32815, 32816, 32818, 57664})
        EXPECT_EQ(UpdateUiTargets(id), UiTargets()) << id;
}

} // namespace
