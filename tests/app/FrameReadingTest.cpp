// The picture view and the reader in the frame: commands from menus, bars
// and keys reach them, and the idle update follows their state.

#include "FrameFixture.h"

#include "document/BookDocument.h"
#include "ui/NumberEdit.h"
#include "viewer/BookReader.h"
#include "viewer/PictureView.h"

#include <QAction>
#include <QImage>
#include <QTemporaryDir>

namespace {

class FrameReadingTest : public FrameTest {
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        frame_->resize(900, 700);
        GiveReaderPages();
    }
    QString PageBox() const { return frame_->PageBox()->text(); }
    QString ZoomBox() const { return frame_->ZoomBox()->text(); }
    QAction *Menu(int id) const { return frame_->Commands().FindMenuAction(id); }
    QAction *Button(int id) const { return frame_->Commands().FindToolBarAction(id); }
};

TEST_F(FrameReadingTest, PageCommandsTurnThePagesAndWriteThePageBox)
{
    EXPECT_EQ(PageBox(), QStringLiteral("1/3"));
    EXPECT_TRUE(frame_->Viewer()->HasPicture());
    frame_->OnCommand(32828); // next
    EXPECT_EQ(PageBox(), QStringLiteral("2/3"));
    frame_->OnCommand(32838); // last
    EXPECT_EQ(PageBox(), QStringLiteral("3/3"));
    frame_->OnCommand(32828); // past the end: the first page
    EXPECT_EQ(PageBox(), QStringLiteral("1/3"));
    frame_->OnCommand(32826); // before the first: the last page
    EXPECT_EQ(PageBox(), QStringLiteral("3/3"));
}

TEST_F(FrameReadingTest, PageCommandsDoNothingInEditMode)
{
    SwitchTo(false);
    frame_->OnCommand(32828);
    EXPECT_EQ(frame_->Reader().CurrentPage(), 0);
}

TEST_F(FrameReadingTest, AZoomCommandChecksItsMenuItemButNeverTheHundredButton)
{
    frame_->OnCommand(32781);
    EXPECT_EQ(ZoomBox(), QStringLiteral("25%"));
    EXPECT_TRUE(Menu(32781)->isChecked());
    EXPECT_FALSE(Menu(32783)->isChecked());
    frame_->OnCommand(32783);
    frame_->OnIdle();
    EXPECT_TRUE(Menu(32783)->isChecked());
    EXPECT_FALSE(Menu(32781)->isChecked());
    ASSERT_TRUE(Button(32783));
    EXPECT_FALSE(Button(32783)->isChecked());
}

TEST_F(FrameReadingTest, StretchDisablesTheZoomMenuAndLocksTheZoomBox)
{
    frame_->OnCommand(32812);
    frame_->OnIdle();
    EXPECT_FALSE(Menu(32781)->isEnabled());
    EXPECT_TRUE(Button(32783)->isEnabled());
    EXPECT_TRUE(frame_->ZoomBox()->isReadOnly());
    EXPECT_TRUE(Menu(32812)->isChecked());
}

TEST_F(FrameReadingTest, BorderAndCentreChecksFollowTheView)
{
    frame_->OnCommand(32810);
    frame_->OnCommand(32811);
    frame_->OnIdle();
    EXPECT_FALSE(frame_->Viewer()->BorderShown());
    EXPECT_FALSE(Menu(32810)->isChecked());
    EXPECT_FALSE(Button(32811)->isChecked());
}

TEST_F(FrameReadingTest, AutoBrowseStopsWhenTheFrameLeavesReadMode)
{
    frame_->OnCommand(32836);
    frame_->OnIdle();
    EXPECT_TRUE(frame_->Reader().IsAutoBrowsing());
    EXPECT_FALSE(Button(32836)->isEnabled());
    EXPECT_TRUE(Button(32822)->isEnabled());
    frame_->OnCommand(32806); // edit mode
    frame_->OnIdle();
    EXPECT_FALSE(frame_->Reader().IsAutoBrowsing());
    EXPECT_FALSE(frame_->Reader().IsTimerRunning());
}

TEST_F(FrameReadingTest, RedisplayAppliesTheTypedZoomAndPage)
{
    frame_->ZoomBox()->setText(QStringLiteral("50"));
    frame_->PageBox()->setText(QStringLiteral("3"));
    frame_->OnCommand(59395);
    EXPECT_EQ(ZoomBox(), QStringLiteral("50%"));
    EXPECT_EQ(PageBox(), QStringLiteral("3/3"));
    EXPECT_FLOAT_EQ(frame_->Viewer()->Arithmetic().Scale(), 0.5f);
}

} // namespace
