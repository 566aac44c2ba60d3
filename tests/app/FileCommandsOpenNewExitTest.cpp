// Open, new and exit: what they do with the changes of the form, the
// reading state and the questions they ask.

#include "FrameFixture.h"
#include "editor/BookInfoForm.h"
#include "ui/ResourceIds.h"

#include <QToolBar>

namespace {

TEST_F(FrameTest, OpenStopsWhenTheChangesCouldNotBeSaved)
{
    auto *author = qobject_cast<QLineEdit *>(frame_->EditForm()->Control(BookInfoForm::kAuthorId));
    author->setText(QStringLiteral("edited, no title"));
    frame_->OnCommand(kCmdFileOpen);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsTitleEmpty});
    EXPECT_EQ(user_->openDialogs, 0);

    Title()->setText(QStringLiteral("t"));
    user_->messagesShown.clear();
    frame_->OnCommand(kCmdFileOpen); // the save dialog is cancelled
    EXPECT_EQ(user_->saveDialogs, 1);
    EXPECT_EQ(user_->openDialogs, 0);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsOpenStoppedUnsaved}) << "the user is told why nothing opened";
    EXPECT_EQ(author->text(), QStringLiteral("edited, no title"));
}

TEST_F(FrameTest, OpenKeepsTheReadingStateOfTheBookBeforeIfItHasAFile)
{
    // the start-up book was never saved: it leaves no reading state behind
    Open(MakeBook(QStringLiteral("first.vlr"), QStringLiteral("first"), 2));
    EXPECT_EQ(StateFiles(), QStringList());
    frame_->OnCommand(kCmdNextPage);
    const QString first = frame_->SavedBook().bookId;
    Open(MakeBook(QStringLiteral("a.vlr"), QStringLiteral("a"), 3));
    EXPECT_EQ(StateFiles(), QStringList{first + QStringLiteral(".etc")});
    EXPECT_EQ(frame_->Reader().PageCount(), 3);
}

struct NewCase {
    const char *name;
    bool opened;                        // the book has a file
    QMessageBox::StandardButton answer; // to the question about the changes
    const char *titleOnDisk;
    bool newBookMade;
};

class NewWithChanges : public FrameTest, public ::testing::WithParamInterface<NewCase> {};

TEST_P(NewWithChanges, AsksAndSavesOrDiscards)
{
    const NewCase &c = GetParam();
    const QString path = MakeBook(QStringLiteral("a.vlr"), QStringLiteral("old"));
    if (c.opened)
        Open(path);
    Title()->setText(QStringLiteral("changed"));
    user_->messageAnswers.enqueue(c.answer);
    frame_->OnCommand(kCmdFileNew);
    EXPECT_EQ(user_->messagesShown.value(0), kIdsAskSaveBeforeNew);
    BookDocument onDisk;
    ASSERT_TRUE(ReadBookFile(path, onDisk));
    EXPECT_EQ(onDisk.title, QString::fromUtf8(c.titleOnDisk));
    if (c.newBookMade) {
        EXPECT_EQ(frame_->CurrentPath(), QString());
        EXPECT_EQ(Title()->text(), QString());
        EXPECT_FALSE(frame_->IsReadMode());
        EXPECT_FALSE(frame_->ReadingBar()->isVisible());
    } else {
        EXPECT_EQ(Title()->text(), QStringLiteral("changed")) << "the edits stay in the form";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NewWithChanges,
                         ::testing::Values(NewCase{"OpenedYes", true, QMessageBox::Yes, "changed", true},
                                           NewCase{"OpenedNo", true, QMessageBox::No, "old", true},
                                           // Cancel, Escape and the close box keep the edits where they are.
                                           NewCase{"OpenedCancel", true, QMessageBox::Cancel, "old", false},
                                           NewCase{"NeverSavedCancel", false, QMessageBox::Cancel, "old", false},
                                           // Never saved: Yes runs save as; cancelling it keeps the book.
                                           NewCase{"NeverSavedYesCancelled", false, QMessageBox::Yes, "old", false}),
                         [](const auto &info) { return std::string(info.param.name); });

struct LeaveCase {
    const char *name;
    bool viaCloseBox;
    bool opened;
    bool changed;
    QMessageBox::StandardButton answer;
    bool asked;
    bool closed;
};

class LeaveProgram : public FrameTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveProgram, AsksWhenTheBooksDifferAndWritesTheReadingState)
{
    const LeaveCase &c = GetParam();
    if (c.opened)
        Open(MakeBook(QStringLiteral("a.vlr"), QStringLiteral("t")));
    if (c.changed)
        Title()->setText(QStringLiteral("changed"));
    user_->messageAnswers.enqueue(c.answer);
    if (c.viaCloseBox)
        frame_->close();
    else
        frame_->OnCommand(kCmdAppExit);
    // asked once: a confirmed exit does not ask again as the window closes
    EXPECT_EQ(user_->messagesShown, c.asked ? QList<int>{kIdsExitWithoutSaving} : QList<int>{});
    EXPECT_EQ(frame_->isVisible(), !c.closed);
    // only a book with a file keeps a reading state
    EXPECT_EQ(StateFiles().size(), c.closed && c.opened ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeaveProgram,
    ::testing::Values(LeaveCase{"ExitChangedCancel", false, true, true, QMessageBox::Cancel, true, false},
                      LeaveCase{"ExitChangedOk", false, true, true, QMessageBox::Ok, true, true},
                      LeaveCase{"ExitUnchanged", false, true, false, QMessageBox::Cancel, false, true},
                      LeaveCase{"CloseBoxChangedCancel", true, true, true, QMessageBox::Cancel, true, false},
                      LeaveCase{"CloseBoxNeverSavedOk", true, false, true, QMessageBox::Ok, true, true},
                      LeaveCase{"CloseBoxUnchanged", true, false, false, QMessageBox::Cancel, false, true}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
