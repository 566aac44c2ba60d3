// The idle update: every command's enabled and checked state on its menu
// item and its tool-bar button, in each of the frame's situations.

#include "FrameFixture.h"
#include "document/BookFile.h"
#include "viewer/AxPictureView.h"
#include "app/FrameCommandStates.h"
#include "platform/CommandTable.h"
#include "platform/NumberEdit.h"

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
        case Situation::Reading:
            break;
        case Situation::FitScreen:
            frame->OnCommand(32812);
            break;
        case Situation::Editing:
            SwitchTo(false);
            break;
        case Situation::AutoBrowsing:
            GiveReaderPages();
            frame->OnCommand(32836);
            break;
        }
        frame->OnIdle();
    }
};

TEST_P(FrameUpdateUiTest, MenuItemAndButtonGetTheirOwnState)
{
    const UiCase &c = GetParam();
    Enter(c.situation);
    QAction *menu = frame->Commands().FindMenuAction(c.id);
    QAction *button = frame->Commands().FindToolBarAction(c.id);
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
        frame->OnCommand(32811);
    if (!c.input.border)
        frame->OnCommand(32810);
    if (c.input.fitWidth)
        frame->OnCommand(32813);
    if (c.input.fitHeight)
        frame->OnCommand(32814);
    if (c.input.fitScreen)
        frame->OnCommand(32812);
    if (!c.input.readMode)
        SwitchTo(false);
    frame->OnIdle();
    EXPECT_EQ(frame->Commands().FindMenuAction(c.id) ? frame->Commands().FindMenuAction(c.id)->isChecked() : c.checked,
              c.checked);
    EXPECT_EQ(frame->Commands().FindToolBarAction(c.id)->isChecked(), c.checked);
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
                      CheckCase{"plain", kPlain, 32806, false},
                      CheckCase{"bare", kNoCentreNoBorder, 32811, false},
                      CheckCase{"bare", kNoCentreNoBorder, 32810, false},
                      CheckCase{"width", kFitWidth, 32813, true}, CheckCase{"height", kFitHeight, 32814, true},
                      CheckCase{"screen", kFitScreen, 32812, true}, CheckCase{"editing", kEditing, 1038, false},
                      CheckCase{"editing", kEditing, 32806, true}));

TEST_F(FrameTest, FitScreenMakesTheZoomBoxReadOnly)
{
    frame->OnIdle();
    EXPECT_FALSE(frame->ZoomBox()->isReadOnly());
    frame->OnCommand(32812);
    frame->OnIdle();
    EXPECT_TRUE(frame->ZoomBox()->isReadOnly());
    frame->OnCommand(32812);
    SwitchTo(false);
    EXPECT_TRUE(frame->ZoomBox()->isReadOnly());
}

TEST_F(FrameTest, TheZoomCommandsChecksAreLeftToTheZoom)
{
    frame->Commands().Check(32784, true, UiTarget::Menu);
    frame->OnIdle();
    EXPECT_TRUE(frame->Commands().FindMenuAction(32784)->isChecked());
    EXPECT_TRUE(frame->Commands().FindMenuAction(32783)->isChecked());
}

TEST_F(FrameTest, SwitchingToEditModeStopsAutoBrowseAtTheNextIdleUpdate)
{
    GiveReaderPages();
    frame->OnCommand(32836);
    frame->OnIdle();
    EXPECT_TRUE(frame->Reader().IsAutoBrowsing());
    frame->OnCommand(32806);
    frame->OnIdle();
    EXPECT_FALSE(frame->Reader().IsAutoBrowsing());
    // back in read mode the buttons offer to start it again
    frame->OnCommand(1038);
    frame->OnIdle();
    EXPECT_TRUE(frame->Commands().FindToolBarAction(32836)->isEnabled());
    EXPECT_FALSE(frame->Commands().FindToolBarAction(32822)->isEnabled());
}

// Opening a book or making a new one stops auto-browse behind the buttons'
// backs; back in read mode they must offer to start it again.
class AutoBrowseButtonsTest : public FrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(AutoBrowseButtonsTest, ButtonsFollowTheReaderAfterAFileCommand)
{
    GiveReaderPages();
    const QString path = pictureDir.filePath(QStringLiteral("book.vlr"));
    pictureBook.Title = QStringLiteral("书");
    ASSERT_TRUE(WriteBookFile(path, pictureBook));
    auto user = std::make_unique<ScriptedUser>();
    user->openAnswers.enqueue(path);
    frame->SetFileCommandUi(std::move(user));
    frame->OnCommand(32836);
    frame->OnIdle();
    ASSERT_FALSE(frame->Commands().FindToolBarAction(32836)->isEnabled());
    frame->OnCommand(GetParam());
    frame->OnCommand(1038);
    frame->OnIdle();
    EXPECT_FALSE(frame->Reader().IsAutoBrowsing());
    EXPECT_TRUE(frame->Commands().FindToolBarAction(32836)->isEnabled());
    EXPECT_FALSE(frame->Commands().FindToolBarAction(32822)->isEnabled());
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
