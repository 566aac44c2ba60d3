// Open, new and exit: what they do with the changes of the form, the
// reading state and the questions they ask.

#include "FileCommandFixture.h"
#include "ui/ResourceIds.h"

#include <QFileInfo>
#include <QToolBar>

namespace {

TEST_F(FileCommandTest, OpenWritesTheChangesBeforeTheDialogWithoutAsking)
{
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"));
    Open(path);
    form_.shown.title = QStringLiteral("changed");
    QString onDiskAtDialog;
    user_->onOpenDialog = [&] { onDiskAtDialog = OnDisk(path).title; };
    frame_->OnCommand(kCmdFileOpen);
    EXPECT_EQ(onDiskAtDialog, QStringLiteral("changed"));
    EXPECT_TRUE(user_->messagesShown.isEmpty());
}

TEST_F(FileCommandTest, OpenStopsWhenTheChangesCouldNotBeSaved)
{
    form_.shown.author = QStringLiteral("edited, no title");
    frame_->OnCommand(kCmdFileOpen);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsTitleEmpty});
    EXPECT_EQ(user_->openDialogs, 0);

    form_.shown.title = QStringLiteral("t");
    user_->messagesShown.clear();
    frame_->OnCommand(kCmdFileOpen); // the save dialog is cancelled
    EXPECT_EQ(user_->saveDialogs, 1);
    EXPECT_EQ(user_->openDialogs, 0);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsOpenStoppedUnsaved}) << "the user is told why nothing opened";
    EXPECT_EQ(form_.shown.author, QStringLiteral("edited, no title"));
}

TEST_F(FileCommandTest, OpenSavesTheReadingStateThenLoadsTheNewOneBeforeShowing)
{
    const QString first = MakeBookFile(QStringLiteral("first.vlr"), QStringLiteral("t"), 2);
    // the start-up book was never saved: it leaves no reading state behind
    Open(first);
    EXPECT_TRUE(reader_.statesSavedFor.isEmpty());
    const QString before = frame_->SavedBook().bookId;
    reader_.calls.clear();
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"), 3);
    Open(path);
    EXPECT_EQ(reader_.statesSavedFor, QStringList{before});
    EXPECT_EQ(reader_.calls,
              (QStringList{QStringLiteral("save state"), QStringLiteral("stop"), QStringLiteral("load state"),
                           QStringLiteral("show"), QStringLiteral("page box"), QStringLiteral("zoom box")}));
    EXPECT_EQ(reader_.book, &frame_->SavedBook());
    EXPECT_EQ(frame_->SavedBook().pictures.size(), 3);
    EXPECT_EQ(form_.shown.bookId, frame_->SavedBook().bookId);
    EXPECT_TRUE(frame_->ReadingBar()->isVisible());
}

TEST_F(FileCommandTest, UnreadableFileShowsMessageAndKeepsEverything)
{
    const QString good = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"));
    Open(good);
    const QString bad = files_.FilePath(QStringLiteral("bad.vlr"));
    ASSERT_TRUE(WriteAll(bad, QByteArray("not a book")));
    const BookDocument saved = frame_->SavedBook();
    const QString caption = frame_->windowTitle();
    Open(bad);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsCannotOpenFile});
    EXPECT_EQ(frame_->SavedBook(), saved);
    EXPECT_EQ(frame_->CurrentPath(), good);
    EXPECT_EQ(frame_->windowTitle(), caption);
    EXPECT_TRUE(form_.enabled);
    EXPECT_EQ(user_->busyDepth, 0);
}

struct NewCase {
    const char *name;
    bool opened;                        // the book has a file
    QMessageBox::StandardButton answer; // to message 133
    const char *titleOnDisk;            // after New; empty: no file expected to change
    bool newBookMade;
};

class NewWithChanges : public FileCommandTest, public ::testing::WithParamInterface<NewCase> {};

TEST_P(NewWithChanges, AsksAndSavesOrDiscards)
{
    const NewCase &c = GetParam();
    QString path;
    if (c.opened) {
        path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("old"));
        Open(path);
    }
    form_.shown.title = QStringLiteral("changed");
    user_->messageAnswers.enqueue(c.answer);
    frame_->OnCommand(kCmdFileNew);
    EXPECT_EQ(user_->messagesShown.value(0), kIdsAskSaveBeforeNew);
    if (c.opened) {
        EXPECT_EQ(OnDisk(path).title, QString::fromUtf8(c.titleOnDisk));
    }
    if (c.newBookMade) {
        EXPECT_EQ(frame_->CurrentPath(), QString());
        EXPECT_EQ(form_.shown.title, QString());
        EXPECT_FALSE(frame_->IsReadMode());
        EXPECT_FALSE(frame_->ReadingBar()->isVisible());
        EXPECT_TRUE(reader_.calls.contains(QStringLiteral("page 0")));
        EXPECT_TRUE(reader_.calls.contains(QStringLiteral("zoom 1")));
    } else {
        EXPECT_EQ(form_.shown.title, QStringLiteral("changed")) << "the edits stay in the form";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NewWithChanges,
                         ::testing::Values(NewCase{"OpenedYes", true, QMessageBox::Yes, "changed", true},
                                           NewCase{"OpenedNo", true, QMessageBox::No, "old", true},
                                           // Cancel, Escape and the close box keep the edits where they are.
                                           NewCase{"OpenedCancel", true, QMessageBox::Cancel, "old", false},
                                           NewCase{"NeverSavedCancel", false, QMessageBox::Cancel, "", false},
                                           // Never saved: Yes runs save as; cancelling it keeps the book.
                                           NewCase{"NeverSavedYesCancelled", false, QMessageBox::Yes, "", false},
                                           NewCase{"NeverSavedNo", false, QMessageBox::No, "", true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileCommandTest, NewWithoutChangesAsksNothingAndSavesTheReadingState)
{
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"), 2);
    Open(path);
    const QString openedId = frame_->SavedBook().bookId;
    reader_.calls.clear();
    NextMillisecond(); // ids come from the millisecond tick count
    frame_->OnCommand(kCmdFileNew);
    EXPECT_TRUE(user_->messagesShown.isEmpty());
    EXPECT_EQ(reader_.statesSavedFor.last(), openedId);
    EXPECT_EQ(reader_.calls.mid(0, 2), (QStringList{QStringLiteral("stop"), QStringLiteral("save state")}));
    EXPECT_NE(frame_->SavedBook().bookId, openedId);
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("电子画册Vellora V1.0"));
}

struct LeaveCase {
    const char *name;
    bool viaCloseBox;
    bool opened;
    bool changed;
    QMessageBox::StandardButton answer;
    bool asked;
    bool closed;
};

class LeaveProgram : public FileCommandTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveProgram, AsksWhenTheBooksDifferAndWritesTheReadingState)
{
    const LeaveCase &c = GetParam();
    if (c.opened)
        Open(MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t")));
    if (c.changed)
        form_.shown.author = QStringLiteral("changed");
    reader_.statesSavedFor.clear();
    user_->messageAnswers.enqueue(c.answer);
    if (c.viaCloseBox)
        frame_->close();
    else
        frame_->OnCommand(kCmdAppExit);
    EXPECT_EQ(user_->messagesShown, c.asked ? QList<int>{kIdsExitWithoutSaving} : QList<int>{});
    EXPECT_EQ(frame_->isVisible(), !c.closed);
    // only a book with a file keeps a reading state
    EXPECT_EQ(reader_.statesSavedFor, c.closed && c.opened ? QStringList{frame_->SavedBook().bookId} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeaveProgram,
    ::testing::Values(LeaveCase{"ExitChangedCancel", false, true, true, QMessageBox::Cancel, true, false},
                      LeaveCase{"ExitChangedOk", false, true, true, QMessageBox::Ok, true, true},
                      LeaveCase{"ExitUnchanged", false, true, false, QMessageBox::Cancel, false, true},
                      LeaveCase{"ExitNeverSavedChanged", false, false, true, QMessageBox::Cancel, true, false},
                      LeaveCase{"CloseBoxChangedCancel", true, true, true, QMessageBox::Cancel, true, false},
                      LeaveCase{"CloseBoxNeverSavedOk", true, false, true, QMessageBox::Ok, true, true},
                      LeaveCase{"CloseBoxUnchanged", true, false, false, QMessageBox::Cancel, false, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(FileCommandTest, ExitThatWasConfirmedDoesNotAskAgainWhenTheWindowCloses)
{
    form_.shown.author = QStringLiteral("changed");
    user_->messageAnswers.enqueue(QMessageBox::Ok);
    frame_->OnCommand(kCmdAppExit);
    EXPECT_EQ(user_->messagesShown.size(), 1);
    EXPECT_FALSE(frame_->isVisible());
}

} // namespace
