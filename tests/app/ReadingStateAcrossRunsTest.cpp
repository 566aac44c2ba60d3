// The frame's own reader: a book reopens at the page it was left at, also
// when the program ended while reading it.

#include "FileCommandDoubles.h"
#include "TestFiles.h"
#include "app/MainWindow.h"
#include "app/StartUp.h"
#include "document/AppDirectories.h"
#include "document/BookFile.h"
#include "document/ReadingStateFile.h"
#include "ui/CommandIds.h"
#include "viewer/BookReader.h"

#include <gtest/gtest.h>

namespace {

class ReadingStateAcrossRuns : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDataDirectory(data_.Path());
        EnsureDataDirectories();
        BookDocument book = BookDocument::MakeNew();
        // Ids come from the millisecond tick count: the program's start-up
        // book, made in the same millisecond, would share a made one.
        book.bookId = QStringLiteral("424242");
        book.title = QStringLiteral("三页");
        for (int i = 0; i < 3; ++i)
            book.pictures.append(PictureEntry(files_.FilePath(QStringLiteral("p%1.bmp").arg(i)), QString(), 0));
        book.pictureCount = 3;
        path_ = files_.FilePath(QStringLiteral("book.vlr"));
        ASSERT_TRUE(WriteBookFile(path_, book));
        id_ = book.bookId;
    }

    // One run of the program: start, open the book, then whatever the test does.
    std::unique_ptr<MainWindow> StartAndOpen()
    {
        auto frame = CreateMainWindow();
        auto user = std::make_unique<ScriptedUser>();
        user->openAnswers.enqueue(path_);
        frame->SetFileCommandUi(std::move(user));
        frame->show();
        frame->OnCommand(kCmdFileOpen);
        return frame;
    }

    ScratchDir data_;
    ScratchDir files_;
    QString path_;
    QString id_;
};

TEST_F(ReadingStateAcrossRuns, StateFileIsReadAfterTheBookLoads)
{
    ASSERT_TRUE(SaveReadingStateFile(DataDirectory(), id_, ReadingState{2, 4, 6}));
    auto frame = StartAndOpen();
    EXPECT_EQ(frame->Reader().CurrentPage(), 2);
    EXPECT_EQ(frame->Reader().Speed(), 4);
    EXPECT_EQ(frame->Reader().Step(), 6);
    EXPECT_EQ(frame->Reader().Book(), &frame->SavedBook());
}

TEST_F(ReadingStateAcrossRuns, ExitWritesTheStateSoTheNextRunOpensAtThatPage)
{
    {
        auto frame = StartAndOpen();
        frame->OnCommand(kCmdNextPage);
        ASSERT_EQ(frame->Reader().CurrentPage(), 1);
        frame->OnCommand(kCmdAppExit);
    }
    ReadingState stored{-1, -1, -1};
    ASSERT_TRUE(LoadReadingStateFile(DataDirectory(), id_, stored));
    EXPECT_EQ(stored.page, 1);
    auto again = StartAndOpen();
    EXPECT_EQ(again->Reader().CurrentPage(), 1);
}

} // namespace
