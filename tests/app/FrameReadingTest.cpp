// The picture view and the reader in the frame: commands from menus, bars
// and keys reach them, and the idle update follows their state.

#include "FrameFixture.h"

#include "document/BookDocument.h"
#include "platform/NumberEdit.h"
#include "viewer/AxPictureView.h"
#include "viewer/BookReader.h"

#include <QAction>
#include <QImage>
#include <QTemporaryDir>

namespace {

class FrameReadingTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        frame->resize(900, 700);
        GiveReaderPages();
    }
    QString PageBox() const { return frame->PageBox()->text(); }
    QString ZoomBox() const { return frame->ZoomBox()->text(); }
    QAction *Menu(int id) const { return frame->Commands().FindMenuAction(id); }
    QAction *Button(int id) const { return frame->Commands().FindToolBarAction(id); }
};

TEST_F(FrameReadingTest, PageCommandsTurnThePagesAndWriteThePageBox)
{
    EXPECT_EQ(PageBox(), QStringLiteral("1/3"));
    EXPECT_TRUE(frame->AxPictureView()->HasPicture());
    frame->OnCommand(32828);  // next
    EXPECT_EQ(PageBox(), QStringLiteral("2/3"));
    frame->OnCommand(32838);  // last
    EXPECT_EQ(PageBox(), QStringLiteral("3/3"));
    frame->OnCommand(32828);  // past the end: the first page
    EXPECT_EQ(PageBox(), QStringLiteral("1/3"));
    frame->OnCommand(32826);  // before the first: the last page
    EXPECT_EQ(PageBox(), QStringLiteral("3/3"));
}

TEST_F(FrameReadingTest, PageCommandsDoNothingInEditMode)
{
    SwitchTo(false);
    frame->OnCommand(32828);
    EXPECT_EQ(frame->Reader().CurrentPage(), 0);
}

TEST_F(FrameReadingTest, AZoomCommandChecksItsMenuItemButNeverTheHundredButton)
{
    frame->OnCommand(32781);
    EXPECT_EQ(ZoomBox(), QStringLiteral("25%"));
    EXPECT_TRUE(Menu(32781)->isChecked());
    EXPECT_FALSE(Menu(32783)->isChecked());
    frame->OnCommand(32783);
    frame->OnIdle();
    EXPECT_TRUE(Menu(32783)->isChecked());
    EXPECT_FALSE(Menu(32781)->isChecked());
    ASSERT_TRUE(Button(32783));
    EXPECT_FALSE(Button(32783)->isChecked());
}

TEST_F(FrameReadingTest, StretchDisablesTheZoomMenuAndLocksTheZoomBox)
{
    frame->OnCommand(32812);
    frame->OnIdle();
    EXPECT_FALSE(Menu(32781)->isEnabled());
    EXPECT_TRUE(Button(32783)->isEnabled());
    EXPECT_TRUE(frame->ZoomBox()->isReadOnly());
    EXPECT_TRUE(Menu(32812)->isChecked());
}

TEST_F(FrameReadingTest, BorderAndCentreChecksFollowTheView)
{
    frame->OnCommand(32810);
    frame->OnCommand(32811);
    frame->OnIdle();
    EXPECT_FALSE(frame->AxPictureView()->BorderShown());
    EXPECT_FALSE(Menu(32810)->isChecked());
    EXPECT_FALSE(Button(32811)->isChecked());
}

TEST_F(FrameReadingTest, AutoBrowseStopsWhenTheFrameLeavesReadMode)
{
    frame->OnCommand(32836);
    frame->OnIdle();
    EXPECT_TRUE(frame->Reader().IsAutoBrowsing());
    EXPECT_FALSE(Button(32836)->isEnabled());
    EXPECT_TRUE(Button(32822)->isEnabled());
    frame->OnCommand(32806);  // edit mode
    frame->OnIdle();
    EXPECT_FALSE(frame->Reader().IsAutoBrowsing());
    EXPECT_FALSE(frame->Reader().IsTimerRunning());
}

TEST_F(FrameReadingTest, RedisplayAppliesTheTypedZoomAndPage)
{
    frame->ZoomBox()->setText(QStringLiteral("50"));
    frame->PageBox()->setText(QStringLiteral("3"));
    frame->OnCommand(59395);
    EXPECT_EQ(ZoomBox(), QStringLiteral("50%"));
    EXPECT_EQ(PageBox(), QStringLiteral("3/3"));
    EXPECT_FLOAT_EQ(frame->AxPictureView()->Arithmetic().Scale(), 0.5f);
}

} // namespace
