#include "viewer/BookReader.h"

#include "document/AppDirectories.h"
#include "document/BookDocument.h"
#include "document/FileIo.h"
#include "document/ReadingStateFile.h"
#include "viewer/PageView.h"

#include "TestFiles.h"

#include <QDir>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <climits>

namespace {

// Records what the reader asks of the view.
class RecordingView : public PageView {
public:
    QStringList shown;
    QStringList expected;
    int typedZooms = 0;
    bool border = true;
    bool centre = true;

    void ShowPicture(const QString &path) override { shown.append(path); }
    void ExpectPictures(const QStringList &paths) override { expected = paths; }
    void ApplyTypedZoom() override { ++typedZooms; }
    bool BorderShown() const override { return border; }
    bool Centred() const override { return centre; }
    void SetBorderAndCentre(bool b, bool c) override
    {
        border = b;
        centre = c;
    }
};

BookDocument MakeBook(int pages, int pictureCount = -1)
{
    BookDocument book = BookDocument::MakeNew();
    book.BookId = QStringLiteral("1234567");
    for (int i = 0; i < pages; ++i)
        book.Pictures.append(PictureEntry(QStringLiteral("/pictures/p%1.jpg").arg(i), QString(), 0));
    book.PictureCount = pictureCount < 0 ? pages : pictureCount;
    return book;
}

QString PagePath(int page) { return QStringLiteral("/pictures/p%1.jpg").arg(page); }

struct ReaderFixture : ::testing::Test {
    RecordingView view;
    QLineEdit pageBox;
    CBookReader reader;
    BookDocument book = MakeBook(10);
    bool readMode = true;

    ReaderFixture()
    {
        pageBox.setText(QStringLiteral("0/0"));
        reader.SetView(&view);
        reader.SetPageBox(&pageBox);
        reader.SetReadModeQuery([this] { return readMode; });
    }
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
    EXPECT_TRUE(view.shown.isEmpty());
    EXPECT_FALSE(reader.Navigate(PageMove::Next));
    EXPECT_FALSE(reader.ToggleAutoBrowse());
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

TEST_F(ReaderFixture, AnInheritedPageInsideTheBookIsKept)
{
    Open(MakeBook(10));
    reader.SetCurrentPage(5);
    reader.ShowCurrentPage();
    reader.UpdatePageBox();
    EXPECT_EQ(view.shown, QStringList{PagePath(5)});
    EXPECT_EQ(pageBox.text(), QStringLiteral("6/10"));
}

TEST_F(ReaderFixture, NavigationShowsTheNewPageAndUpdatesTheBox)
{
    Open(MakeBook(10));
    reader.SetStep(5);
    reader.SetCurrentPage(8);
    EXPECT_TRUE(reader.Navigate(PageMove::JumpForward));
    EXPECT_EQ(reader.CurrentPage(), 0);
    EXPECT_EQ(pageBox.text(), QStringLiteral("1/10"));
    EXPECT_TRUE(reader.Navigate(PageMove::Previous));
    EXPECT_EQ(pageBox.text(), QStringLiteral("10/10"));
    EXPECT_EQ(view.shown, (QStringList{PagePath(0), PagePath(9)}));
}

TEST_F(ReaderFixture, NavigationOutsideReadModeDoesNothing)
{
    Open(MakeBook(10));
    readMode = false;
    EXPECT_FALSE(reader.Navigate(PageMove::Next));
    EXPECT_EQ(reader.CurrentPage(), 0);
    EXPECT_TRUE(view.shown.isEmpty());
}

TEST_F(ReaderFixture, ACountBeyondTheEntriesNeverShowsAMissingEntry)
{
    Open(MakeBook(3, /*pictureCount=*/10));
    reader.LastPage();
    EXPECT_EQ(reader.CurrentPage(), 2);
    reader.NextPage();
    EXPECT_EQ(reader.CurrentPage(), 0);
    reader.SetStep(INT_MAX);
    reader.JumpBack();
    EXPECT_EQ(reader.CurrentPage(), 2);
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

TEST_F(ReaderFixture, InstallDirectoryPathsAreExpandedBeforeLoading)
{
    SetApplicationDirectory(QStringLiteral("/opt/vellora/"));
    BookDocument b = MakeBook(1);
    b.Pictures[0].Path = QStringLiteral("[安装目录]\\samples\\one.jpg");
    Open(b);
    reader.ShowCurrentPage();
    EXPECT_EQ(view.shown, QStringList{QStringLiteral("/opt/vellora/samples/one.jpg")});
    SetApplicationDirectory(QString());
}

TEST_F(ReaderFixture, APathLongerThanAnyFileNameLoadsNothing)
{
    BookDocument b = MakeBook(1);
    b.Pictures[0].Path = QStringLiteral("/") + QString(5000, QLatin1Char('a'));
    Open(b);
    reader.ShowCurrentPage();
    EXPECT_EQ(view.shown, QStringList{QString()});
}

// ---- Auto-browse ----

TEST_F(ReaderFixture, ToggleStartsAndStopsTheTimerAtSpeedSeconds)
{
    Open(MakeBook(10));
    reader.SetSpeed(2);
    EXPECT_TRUE(reader.ToggleAutoBrowse());
    EXPECT_TRUE(reader.IsAutoBrowsing());
    EXPECT_TRUE(reader.IsTimerRunning());
    EXPECT_EQ(reader.TimerInterval(), 2000);
    EXPECT_TRUE(reader.ToggleAutoBrowse());
    EXPECT_FALSE(reader.IsAutoBrowsing());
    EXPECT_FALSE(reader.IsTimerRunning());
}

TEST_F(ReaderFixture, ATickAtTheLastPageContinuesWithTheFirst)
{
    Open(MakeBook(10));
    reader.SetCurrentPage(9);
    reader.ToggleAutoBrowse();
    reader.OnAutoBrowseTick();
    EXPECT_EQ(reader.CurrentPage(), 0);
    EXPECT_EQ(pageBox.text(), QStringLiteral("1/10"));
}

TEST_F(ReaderFixture, SpeedZeroStopsTheTimerButKeepsTheFlag)
{
    Open(MakeBook(10));
    reader.SetSpeed(0);
    reader.ToggleAutoBrowse();
    EXPECT_EQ(reader.TimerInterval(), 0);
    reader.OnAutoBrowseTick();
    EXPECT_TRUE(reader.IsAutoBrowsing());
    EXPECT_FALSE(reader.IsTimerRunning());
    EXPECT_EQ(reader.CurrentPage(), 0);
}

TEST_F(ReaderFixture, NegativeAndHugeSpeedsGiveBoundedIntervals)
{
    Open(MakeBook(10));
    reader.SetSpeed(-5);
    reader.ToggleAutoBrowse();
    EXPECT_EQ(reader.TimerInterval(), 0);
    reader.ToggleAutoBrowse();
    reader.SetSpeed(INT_MAX);
    reader.ToggleAutoBrowse();
    EXPECT_EQ(reader.TimerInterval(), INT_MAX);
}

TEST_F(ReaderFixture, IdleOutsideReadModeStopsAutoBrowse)
{
    Open(MakeBook(10));
    reader.ToggleAutoBrowse();
    reader.OnIdle();
    EXPECT_TRUE(reader.IsAutoBrowsing());
    readMode = false;
    reader.OnIdle();
    EXPECT_FALSE(reader.IsAutoBrowsing());
    EXPECT_FALSE(reader.IsTimerRunning());
}

TEST_F(ReaderFixture, ToggleOutsideReadModeIsUnhandled)
{
    Open(MakeBook(10));
    readMode = false;
    EXPECT_FALSE(reader.ToggleAutoBrowse());
    EXPECT_FALSE(reader.IsAutoBrowsing());
}

// ---- Reading parameters ----

TEST_F(ReaderFixture, AcceptedParametersRestartARunningTimer)
{
    Open(MakeBook(10));
    reader.ToggleAutoBrowse();
    reader.ApplyReadingParameters(u"4", u"3", false, true);
    EXPECT_EQ(reader.Step(), 4);
    EXPECT_EQ(reader.Speed(), 3);
    EXPECT_EQ(reader.TimerInterval(), 3000);
    EXPECT_TRUE(reader.IsTimerRunning());
    EXPECT_FALSE(view.border);
    EXPECT_TRUE(view.centre);
}

TEST_F(ReaderFixture, ParametersWhileStoppedWaitForTheNextStart)
{
    Open(MakeBook(10));
    reader.ApplyReadingParameters(u"2", u"9", true, false);
    EXPECT_FALSE(reader.IsTimerRunning());
    reader.ToggleAutoBrowse();
    EXPECT_EQ(reader.TimerInterval(), 9000);
}

TEST_F(ReaderFixture, ParameterTextsThatAreNoNumbersLeaveTheirValues)
{
    reader.SetStep(5);
    reader.SetSpeed(6);
    reader.ApplyReadingParameters(u"", u"x1", true, true);
    EXPECT_EQ(reader.Step(), 5);
    EXPECT_EQ(reader.Speed(), 6);
    reader.ApplyReadingParameters(u"0", u"0", true, true);
    EXPECT_EQ(reader.Step(), 0);
    EXPECT_EQ(reader.Speed(), 0);
}

// ---- Redisplay ----

struct RedisplayCase {
    const char *typed;
    int expectedPage;
    int expectedLoads;
};

class Redisplay : public ReaderFixture, public ::testing::WithParamInterface<RedisplayCase> {};

TEST_P(Redisplay, AppliesTheZoomThenGoesToTheTypedPage)
{
    const RedisplayCase &c = GetParam();
    Open(MakeBook(10));
    reader.SetCurrentPage(2);
    pageBox.setText(QString::fromUtf8(c.typed));
    reader.OnRedisplay();
    EXPECT_EQ(view.typedZooms, 1);
    EXPECT_EQ(reader.CurrentPage(), c.expectedPage);
    EXPECT_EQ(view.shown.size(), c.expectedLoads);
}

INSTANTIATE_TEST_SUITE_P(Values, Redisplay,
                         ::testing::Values(RedisplayCase{"0", 0, 1}, RedisplayCase{"999", 9, 1},
                                           RedisplayCase{"99999999999", 9, 1}, RedisplayCase{"3", 2, 0},
                                           RedisplayCase{"3/10", 2, 0}, RedisplayCase{"", 2, 0},
                                           RedisplayCase{"6", 5, 1}));

TEST_F(ReaderFixture, RedisplayWithoutBookStillAppliesTheZoom)
{
    pageBox.setText(QStringLiteral("4"));
    reader.OnRedisplay();
    EXPECT_EQ(view.typedZooms, 1);
    EXPECT_EQ(reader.CurrentPage(), 0);
    EXPECT_TRUE(view.shown.isEmpty());
}

// ---- Reading state ----

struct ReadingStateFixture : ReaderFixture {
    ScratchDir data;
    ReadingStateFixture()
    {
        SetDataDirectory(data.path());
        QDir().mkpath(data.path() + QStringLiteral("etc"));
    }
    ~ReadingStateFixture() override { SetDataDirectory(QString()); }
};

TEST_F(ReadingStateFixture, SavedValuesComeBack)
{
    Open(MakeBook(10));
    reader.SetCurrentPage(2);
    reader.SetSpeed(7);
    reader.SetStep(-3);
    ASSERT_TRUE(reader.SaveReadingState());
    EXPECT_EQ(ReadAll(data.file(QStringLiteral("etc/1234567.etc"))), ToUtf16Le(QStringLiteral("2\r\n7\r\n-3\r\n")));
    CBookReader other;
    other.SetBook(&book);
    ASSERT_TRUE(other.LoadReadingState());
    EXPECT_EQ(other.CurrentPage(), 2);
    EXPECT_EQ(other.Speed(), 7);
    EXPECT_EQ(other.Step(), -3);
}

TEST_F(ReadingStateFixture, AStatePageOutsideTheBookOpensTheFirstPage)
{
    Open(MakeBook(5));
    ASSERT_TRUE(WriteAll(data.file(QStringLiteral("etc/1234567.etc")), ToUtf16Le(QStringLiteral("7\r\n2\r\n3\r\n"))));
    ASSERT_TRUE(reader.LoadReadingState());
    EXPECT_EQ(reader.Speed(), 2);
    EXPECT_EQ(reader.Step(), 3);
    reader.ShowCurrentPage();
    EXPECT_EQ(reader.CurrentPage(), 0);
    EXPECT_EQ(view.shown, QStringList{PagePath(0)});
}

TEST_F(ReadingStateFixture, WithoutAFileTheValuesStay)
{
    Open(MakeBook(5));
    reader.SetCurrentPage(3);
    reader.SetSpeed(4);
    EXPECT_FALSE(reader.LoadReadingState());
    EXPECT_EQ(reader.CurrentPage(), 3);
    EXPECT_EQ(reader.Speed(), 4);
}

TEST_F(ReadingStateFixture, WithoutABookNothingIsReadOrWritten)
{
    EXPECT_FALSE(reader.SaveReadingState());
    EXPECT_FALSE(reader.LoadReadingState());
    EXPECT_TRUE(QDir(data.path() + QStringLiteral("etc")).isEmpty());
}

} // namespace
