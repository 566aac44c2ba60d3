// Accelerators through the frame's pre-translation, before and after mode
// switches, and what each mode shows.

#include "FrameFixture.h"
#include "ui/NumberEdit.h"

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

// A file key and a reading key in each mode; back in read mode the file
// keys the menu shows work as well.
INSTANTIATE_TEST_SUITE_P(
    Keys, FrameAcceleratorTest,
    ::testing::Values(KeyCase{"OpenAtStart", History::None, Qt::Key_O, Qt::ControlModifier, 57601},
                      KeyCase{"OpenEditing", History::ToEdit, Qt::Key_O, Qt::ControlModifier, 57601},
                      KeyCase{"OpenBackInReadMode", History::ToEditAndBack, Qt::Key_O, Qt::ControlModifier, 57601},
                      KeyCase{"SaveBackInReadMode", History::ToEditAndBack, Qt::Key_S, Qt::ControlModifier, 57603},
                      KeyCase{"NextAtStart", History::None, Qt::Key_Right, Qt::NoModifier, 32828},
                      KeyCase{"NextEditing", History::ToEdit, Qt::Key_Right, Qt::NoModifier, 0},
                      KeyCase{"NextBackInReadMode", History::ToEditAndBack, Qt::Key_Right, Qt::NoModifier, 32828},
                      KeyCase{"KeypadEnterAtStart", History::None, Qt::Key_Enter, Qt::KeypadModifier, 59395}),
    [](const auto &info) { return std::string(info.param.name); });

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

} // namespace
