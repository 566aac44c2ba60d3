#include "viewer/BookReader.h"

#include "document/AppDirectories.h"
#include "document/BookDocument.h"
#include "document/FileIo.h"
#include "document/ReadingStateFile.h"

#include "RecordingView.h"
#include "TestFiles.h"

#include <QDir>
#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

BookDocument MakeBook(int pages, int pictureCount = -1)
{
    BookDocument book = BookDocument::MakeNew();
    book.bookId = QStringLiteral("1234567");
    for (int i = 0; i < pages; ++i)
        book.pictures.append(PictureEntry(QStringLiteral("/pictures/p%1.jpg").arg(i), QString(), 0));
    book.pictureCount = pictureCount < 0 ? pages : pictureCount;
    return book;
}

QString PagePath(int page) { return QStringLiteral("/pictures/p%1.jpg").arg(page); }

struct ReaderFixture : ::testing::Test {
    ScratchDir data;
    RecordingView view;
    QLineEdit pageBox;
    BookReader reader;
    BookDocument book = MakeBook(10);
    bool readMode = true;

    ReaderFixture()
    {
        SetDataDirectory(data.Path());
        QDir().mkpath(data.Path() + QStringLiteral("etc"));
        pageBox.setText(QStringLiteral("0/0"));
        reader.SetView(&view);
        reader.SetPageBox(&pageBox);
        reader.SetReadModeQuery([this] { return readMode; });
    }
    ~ReaderFixture() override { SetDataDirectory(QString()); }
    QString StateFile() const { return data.FilePath(QStringLiteral("etc/1234567.etc")); }
    void Open(const BookDocument &b)
    {
        book = b;
        reader.SetBook(&book);
    }
};

TEST_F(ReaderFixture, WithoutBookNothingIsShownAndThePageBoxReadsZero)
{
    reader.SetCurrentPage(6);
    reader.ShowCurrentPage();
    EXPECT_EQ(reader.CurrentPage(), 0);
    EXPECT_FALSE(reader.Navigate(PageMove::Next));
    EXPECT_FALSE(reader.ToggleAutoBrowse());
    pageBox.setText(QStringLiteral("4"));
    reader.OnRedisplay();
    EXPECT_EQ(view.typedZooms, 1); // the zoom is applied all the same
    EXPECT_TRUE(view.shown.isEmpty());
    reader.UpdatePageBox();
    EXPECT_EQ(pageBox.text(), QStringLiteral("0/0"));
}

// New, or a book opened without pages: the page of the book before must not
// stay on screen.
TEST_F(ReaderFixture, ABookWithoutPagesEmptiesTheView)
{
    Open(MakeBook(3));
    reader.ShowCurrentPage();
    EXPECT_EQ(view.emptied, 0);
    Open(MakeBook(0)); // new: the frame only sets the book
    EXPECT_EQ(view.emptied, 1);
    reader.ShowCurrentPage(); // open: the frame also shows the current page
    EXPECT_EQ(view.emptied, 2);
    EXPECT_EQ(view.shown, QStringList{PagePath(0)});
    reader.UpdatePageBox();
    EXPECT_EQ(pageBox.text(), QStringLiteral("0/0"));
}

TEST_F(ReaderFixture, AnInheritedPageOutsideTheBookFallsBackToTheFirst)
{
    Open(MakeBook(5));
    reader.SetCurrentPage(7);
    reader.ShowCurrentPage();
    EXPECT_EQ(reader.CurrentPage(), 0);
    EXPECT_EQ(view.shown, QStringList{PagePath(0)});
}

TEST_F(ReaderFixture, NavigationShowsTheNewPageAndUpdatesTheBoxInReadModeOnly)
{
    Open(MakeBook(10));
    reader.SetStep(5);
    reader.SetCurrentPage(8);
    EXPECT_TRUE(reader.Navigate(PageMove::JumpForward));
    EXPECT_EQ(pageBox.text(), QStringLiteral("1/10"));
    EXPECT_TRUE(reader.Navigate(PageMove::Previous));
    EXPECT_EQ(pageBox.text(), QStringLiteral("10/10"));
    EXPECT_EQ(view.shown, (QStringList{PagePath(0), PagePath(9)}));
    readMode = false;
    EXPECT_FALSE(reader.Navigate(PageMove::Next));
    EXPECT_FALSE(reader.ToggleAutoBrowse());
    EXPECT_EQ(reader.CurrentPage(), 9);
}

TEST_F(ReaderFixture, ACountBeyondTheEntriesNeverShowsAMissingEntry)
{
    Open(MakeBook(3, /*pictureCount=*/10));
    reader.LastPage();
    EXPECT_EQ(view.shown, QStringList{PagePath(2)});
    reader.UpdatePageBox();
    EXPECT_EQ(pageBox.text(), QStringLiteral("3/3"));
}

TEST_F(ReaderFixture, TheViewIsToldTheNextPreviousAndJumpPages)
{
    Open(MakeBook(10));
    reader.SetStep(5);
    reader.ShowCurrentPage();
    EXPECT_EQ(view.expected, (QStringList{PagePath(1), PagePath(9), PagePath(5)}));
    reader.SetStep(1);
    reader.NextPage();
    EXPECT_EQ(view.expected, (QStringList{PagePath(2), PagePath(0)}));
}

TEST_F(ReaderFixture, PathsAreExpandedAndOverlongOnesLoadNothing)
{
    SetApplicationDirectory(QStringLiteral("/opt/vellora/"));
    BookDocument b = MakeBook(2);
    b.pictures[0].path = QStringLiteral("[安装目录]\\samples\\one.jpg");
    b.pictures[1].path = QStringLiteral("/") + QString(5000, QLatin1Char('a'));
    Open(b);
    reader.ShowCurrentPage();
    reader.NextPage();
    SetApplicationDirectory(QString());
    EXPECT_EQ(view.shown, (QStringList{QStringLiteral("/opt/vellora/samples/one.jpg"), QString()}));
}

// ---- Auto-browse ----

TEST_F(ReaderFixture, AutoBrowseRunsAtSpeedSecondsWrapsAtTheEndAndStopsOutsideReadMode)
{
    Open(MakeBook(10));
    reader.SetSpeed(2);
    reader.SetCurrentPage(9);
    EXPECT_TRUE(reader.ToggleAutoBrowse());
    EXPECT_TRUE(reader.IsAutoBrowsing() && reader.IsTimerRunning());
    EXPECT_EQ(reader.TimerInterval(), 2000);
    reader.OnAutoBrowseTick();
    EXPECT_EQ(pageBox.text(), QStringLiteral("1/10"));
    reader.OnIdle();
    EXPECT_TRUE(reader.IsAutoBrowsing());
    EXPECT_TRUE(reader.ToggleAutoBrowse());
    EXPECT_FALSE(reader.IsAutoBrowsing() || reader.IsTimerRunning());
    reader.ToggleAutoBrowse();
    readMode = false; // idle outside read mode stops it
    reader.OnIdle();
    EXPECT_FALSE(reader.IsAutoBrowsing() || reader.IsTimerRunning());
}

TEST_F(ReaderFixture, SpeedZeroStopsTheTimerButKeepsTheFlag)
{
    Open(MakeBook(10));
    reader.SetSpeed(0);
    reader.ToggleAutoBrowse();
    reader.OnAutoBrowseTick();
    EXPECT_EQ(std::tuple(reader.IsAutoBrowsing(), reader.IsTimerRunning(), reader.CurrentPage()),
              std::tuple(true, false, 0));
}

// ---- Reading parameters ----

TEST_F(ReaderFixture, AcceptedParametersRestartARunningTimerOnly)
{
    Open(MakeBook(10));
    reader.ApplyReadingParameters(u"2", u"9", true, false);
    EXPECT_FALSE(reader.IsTimerRunning());
    reader.ToggleAutoBrowse();
    EXPECT_EQ(reader.TimerInterval(), 9000);
    reader.ApplyReadingParameters(u"4", u"3", false, true);
    EXPECT_EQ(std::tuple(reader.Step(), reader.TimerInterval(), reader.IsTimerRunning()), std::tuple(4, 3000, true));
    EXPECT_EQ(std::pair(view.border, view.centre), std::pair(false, true));
    reader.ApplyReadingParameters(u"", u"x1", true, true); // no numbers: the values stay
    EXPECT_EQ(std::pair(reader.Step(), reader.Speed()), std::pair(4, 3));
}

// Redisplay: the typed page arithmetic is PageNavigation's; this is the wiring.
TEST_F(ReaderFixture, RedisplayAppliesTheZoomThenGoesToTheTypedPageUnlessItIsShown)
{
    Open(MakeBook(10));
    for (const char *typed : {"6", "6", "999"}) {
        pageBox.setText(QString::fromUtf8(typed));
        reader.OnRedisplay();
    }
    EXPECT_EQ(view.typedZooms, 3);
    EXPECT_EQ(view.shown, (QStringList{PagePath(5), PagePath(9)}));
}

TEST_F(ReaderFixture, SavedValuesComeBack)
{
    Open(MakeBook(10));
    reader.SetCurrentPage(2);
    reader.SetSpeed(7);
    reader.SetStep(-3);
    ASSERT_TRUE(reader.SaveReadingState());
    EXPECT_EQ(ReadAll(StateFile()), ToUtf16Le(QStringLiteral("2\r\n7\r\n-3\r\n")));
    BookReader other;
    other.SetBook(&book);
    ASSERT_TRUE(other.LoadReadingState());
    EXPECT_EQ(std::tuple(other.CurrentPage(), other.Speed(), other.Step()), std::tuple(2, 7, -3));
}

TEST_F(ReaderFixture, AStatePageOutsideTheBookOpensTheFirstPage)
{
    Open(MakeBook(5));
    ASSERT_TRUE(WriteAll(StateFile(), ToUtf16Le(QStringLiteral("7\r\n2\r\n3\r\n"))));
    ASSERT_TRUE(reader.LoadReadingState());
    EXPECT_EQ(reader.Speed(), 2);
    EXPECT_EQ(reader.Step(), 3);
    reader.ShowCurrentPage();
    EXPECT_EQ(reader.CurrentPage(), 0);
    EXPECT_EQ(view.shown, QStringList{PagePath(0)});
}

TEST_F(ReaderFixture, WithoutAFileOrABookTheValuesStay)
{
    EXPECT_FALSE(reader.SaveReadingState());
    EXPECT_FALSE(reader.LoadReadingState());
    EXPECT_TRUE(QDir(data.Path() + QStringLiteral("etc")).isEmpty());
    Open(MakeBook(5));
    reader.SetCurrentPage(3);
    reader.SetSpeed(4);
    EXPECT_FALSE(reader.LoadReadingState());
    EXPECT_EQ(reader.CurrentPage(), 3);
    EXPECT_EQ(reader.Speed(), 4);
}

} // namespace
