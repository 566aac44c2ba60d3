// Open, new and exit: what they do with the changes of the form, the
// reading state and the questions they ask.

#include "FrameFixture.h"
#include "editor/BookInfoForm.h"
#include "settings/store/SettingsStore.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"
#include "viewer/PictureView.h"

#include <QDropEvent>
#include <QMimeData>
#include <QToolBar>
#include <QUrl>

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
                                           // Never saved: Yes runs save as; cancelling it keeps the book.
                                           NewCase{"NeverSavedYesCancelled", false, QMessageBox::Yes, "old", false}),
                         [](const auto &instance) { return std::string(instance.param.name); });

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
    [](const auto &instance) { return std::string(instance.param.name); });

// A file manager starts the program with the book that was double-clicked.
struct CommandLineCase {
    const char *name;
    QStringList arguments; // file names in the files folder
    const char *opened;    // the book that ends up open, "" for none
    int message;           // shown, 0 for none
};

class CommandLineBook : public FrameTest, public ::testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLineBook, OpensAsTheOpenCommandWould)
{
    const CommandLineCase &c = GetParam();
    MakeBook(QStringLiteral("a.vlr"), QStringLiteral("a"), 3);
    MakeBook(QStringLiteral("b.vlr"), QStringLiteral("b"), 1);
    ASSERT_TRUE(WriteAll(files_.FilePath(QStringLiteral("junk.vlr")), "not a book"));
    QStringList arguments;
    for (const QString &name : c.arguments)
        arguments.append(files_.FilePath(name));
    OpenBookFromArguments(*frame_, arguments);

    // Nothing opened: the new, empty book of the start stays.
    const QString path = *c.opened ? files_.FilePath(QString::fromUtf8(c.opened)) : QString();
    const QString program = LoadString(kIdsAppTitle);
    EXPECT_EQ(user_->messagesShown, c.message ? QList<int>{c.message} : QList<int>{});
    EXPECT_EQ(frame_->windowTitle(), path.isEmpty() ? program : path + QStringLiteral(" - ") + program);
    EXPECT_EQ(Title()->text(), QFileInfo(path).completeBaseName());
    EXPECT_EQ(frame_->Viewer()->HasPicture(), !path.isEmpty()) << "the first page is on screen";
    EXPECT_EQ(ReadSettingText(QStringLiteral("Recent Document List"), QStringLiteral("Document1"), {}), path);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineBook,
    ::testing::Values(CommandLineCase{"NoArgument", {}, "", 0},
                      CommandLineCase{"TwoBooksTheFirstOpens", {"b.vlr", "a.vlr"}, "b.vlr", 0},
                      CommandLineCase{"MissingFile", {"gone.vlr", "a.vlr"}, "", kIdsCannotOpenFile},
                      CommandLineCase{"NotABook", {"junk.vlr"}, "", kIdsCannotOpenFile}),
    [](const auto &instance) { return std::string(instance.param.name); });

// Books dragged from a file manager onto the window, where b.vlr is open.
struct BookDropCase {
    const char *name;
    const char *dropped; // a file in the files folder; "text:" drags plain text
    const char *edit;    // typed into b's title first ("": no change)
    bool accepted;
    const char *opened;  // the caption's file afterwards
    const char *bOnDisk; // b's title afterwards
    bool onTitleBox;     // dropped on the form's title box (edit mode), not on the page
};

class BookDrop : public FrameTest, public ::testing::WithParamInterface<BookDropCase> {};

TEST_P(BookDrop, OpensAfterTheChangeTestOrIsRefused)
{
    const BookDropCase &c = GetParam();
    MakeBook(QStringLiteral("a.vlr"), QStringLiteral("a"), 2);
    const QString b = MakeBook(QStringLiteral("b.vlr"), QStringLiteral("b"), 1);
    QImage(8, 8, QImage::Format_RGB32).save(files_.FilePath(QStringLiteral("p.png")));
    Open(b);
    if (*c.edit)
        Title()->setText(QString::fromUtf8(c.edit));
    if (c.onTitleBox)
        SwitchTo(false);

    // File managers offer the files' names as text as well.
    QMimeData data;
    const QString dropped = QString::fromUtf8(c.dropped);
    data.setText(dropped.startsWith(QLatin1String("text:")) ? dropped.mid(5) : files_.FilePath(dropped));
    if (!dropped.startsWith(QLatin1String("text:")))
        data.setUrls({QUrl::fromLocalFile(files_.FilePath(dropped))});
    QWidget *target = c.onTitleBox ? static_cast<QWidget *>(Title()) : frame_.get();
    const QPoint at = c.onTitleBox ? QPoint(5, 5) : frame_->Viewer()->geometry().center();
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    EXPECT_EQ(enter.isAccepted(), c.accepted) << "a refused drag shows the no-drop pointer";
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();

    const QString opened = files_.FilePath(QString::fromUtf8(c.opened));
    EXPECT_EQ(frame_->windowTitle(), opened + QStringLiteral(" - ") + LoadString(kIdsAppTitle));
    BookDocument onDisk;
    ASSERT_TRUE(ReadBookFile(b, onDisk));
    EXPECT_EQ(onDisk.title, QString::fromUtf8(c.bOnDisk));
}

INSTANTIATE_TEST_SUITE_P(Cases, BookDrop,
                         ::testing::Values(BookDropCase{"BookOpens", "a.vlr", "", true, "a.vlr", "b", false},
                                           // as with File > Open, the changes are saved without a question
                                           BookDropCase{"ChangesSavedFirst", "a.vlr", "b edited", true, "a.vlr",
                                                        "b edited", false},
                                           // a text box would take the file's name as text
                                           BookDropCase{"OnTheTitleBox", "a.vlr", "", true, "a.vlr", "b", true},
                                           BookDropCase{"PictureRefused", "p.png", "", false, "b.vlr", "b", false},
                                           BookDropCase{"TextRefused", "text:a.vlr", "", false, "b.vlr", "b", false}),
                         [](const auto &instance) { return std::string(instance.param.name); });

} // namespace
