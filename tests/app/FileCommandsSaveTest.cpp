// Save and save as: what reaches the disk, the book ids, the captions, and
// what a failed write leaves behind.

#include "FileCommandFixture.h"
#include "FullDisk.h"
#include "ui/ResourceIds.h"

#include <QFile>
#include <QFileInfo>

#include <functional>
#include <memory>

namespace {

const QString kProgram = QStringLiteral("电子画册Vellora V1.0");

TEST_F(FileCommandTest, ChangedTitleIsWrittenOnceAndASecondSaveWritesNothing)
{
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("旧标题"));
    Open(path);
    form_.shown.title = QStringLiteral("新标题");
    frame_->OnCommand(kCmdFileSave);
    EXPECT_EQ(OnDisk(path).title, QStringLiteral("新标题"));

    ASSERT_TRUE(QFile::remove(path));
    frame_->OnCommand(kCmdFileSave);
    EXPECT_FALSE(QFileInfo::exists(path)) << "nothing changed since the save, nothing is written";
    EXPECT_TRUE(user_->messagesShown.isEmpty());
}

TEST_F(FileCommandTest, EachSaveThatWritesGivesTheBookANewId)
{
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"));
    Open(path);
    const QString opened = frame_->SavedBook().bookId;
    // Ids come from the millisecond tick count; a save within the same
    // millisecond would rightly reuse it.
    NextMillisecond();
    form_.shown.author = QStringLiteral("甲");
    frame_->OnCommand(kCmdFileSave);
    const QString first = OnDisk(path).bookId;
    NextMillisecond();
    form_.shown.author = QStringLiteral("乙");
    frame_->OnCommand(kCmdFileSave);
    const QString second = OnDisk(path).bookId;
    EXPECT_NE(first, opened);
    EXPECT_NE(second, first);
    EXPECT_EQ(frame_->SavedBook().bookId, second);
    EXPECT_EQ(reader_.book, &frame_->SavedBook());
}

TEST_F(FileCommandTest, EmptyTitleIsRefusedBeforeAnyDialog)
{
    form_.shown.title.clear();
    form_.shown.author = QStringLiteral("a");
    for (int command : {kCmdFileSave, kCmdFileSaveAs})
        frame_->OnCommand(command);
    EXPECT_EQ(user_->messagesShown, (QList<int>{kIdsTitleEmpty, kIdsTitleEmpty}));
    EXPECT_EQ(user_->saveDialogs, 0);
}

TEST_F(FileCommandTest, SaveOfANewBookAsksForAName)
{
    form_.shown.title = QStringLiteral("书");
    const QString path = files_.FilePath(QStringLiteral("new.vlr"));
    user_->saveAnswers.enqueue(path);
    frame_->OnCommand(kCmdFileSave);
    EXPECT_EQ(user_->saveDialogs, 1);
    EXPECT_EQ(OnDisk(path).title, QStringLiteral("书"));
    EXPECT_EQ(frame_->CurrentPath(), path);
    EXPECT_FALSE(frame_->BooksDiffer());
}

TEST_F(FileCommandTest, CaptionsAfterOpenRecentSaveAsAndSave)
{
    const QString path = MakeBookFile(QStringLiteral("one.vlr"), QStringLiteral("t"));
    Open(path);
    EXPECT_EQ(frame_->windowTitle(), path + QStringLiteral(" - ") + kProgram);

    frame_->OnCommand(kCmdRecentFirst);
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("one.vlr - ") + kProgram);

    const QString other = files_.FilePath(QStringLiteral("two.vlr"));
    user_->saveAnswers.enqueue(other);
    frame_->OnCommand(kCmdFileSaveAs);
    EXPECT_EQ(frame_->windowTitle(), QStringLiteral("two.vlr - ") + kProgram);

    form_.shown.title = QStringLiteral("changed");
    frame_->OnCommand(kCmdFileSave);
    EXPECT_EQ(frame_->windowTitle(), other + QStringLiteral(" - ") + kProgram);
}

TEST_F(FileCommandTest, AForeignTypeLineCountsAsChangedAndSavingWritesTheDefaults)
{
    BookDocument book = BookDocument::MakeNew();
    book.fileType = QStringLiteral("Other Book File");
    book.version = QStringLiteral("2.5");
    book.reserved = QStringLiteral("x");
    book.title = QStringLiteral("t");
    const QString path = files_.FilePath(QStringLiteral("foreign.vlr"));
    ASSERT_TRUE(WriteBookFile(path, book));
    Open(path);
    EXPECT_TRUE(frame_->BooksDiffer());
    frame_->OnCommand(kCmdFileSave);
    const BookDocument written = OnDisk(path);
    EXPECT_EQ(written.fileType, QString::fromUtf16(kDefaultFileType));
    EXPECT_EQ(written.version, QString::fromUtf16(kDefaultVersion));
    EXPECT_EQ(written.reserved, QString());
}

// A folder that has gone away stands for every write that fails (a full
// disk, a read-only folder): the user is told and the edits stay changes.
TEST_F(FileCommandTest, FailedSaveIsReportedKeepsTheChangesAndIsTriedAgain)
{
    QDir(files_.Path()).mkdir(QStringLiteral("books"));
    const QString path = MakeBookFile(QStringLiteral("books/a.vlr"), QStringLiteral("t"));
    Open(path);
    const BookDocument before = frame_->SavedBook();
    ASSERT_TRUE(QDir(files_.FilePath(QStringLiteral("books"))).removeRecursively());

    form_.shown.title = QStringLiteral("edited");
    frame_->OnCommand(kCmdFileSave);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsCannotSaveFile});
    EXPECT_EQ(frame_->SavedBook(), before);
    EXPECT_EQ(reader_.book, &frame_->SavedBook());
    EXPECT_TRUE(frame_->BooksDiffer());

    ASSERT_TRUE(QDir(files_.Path()).mkdir(QStringLiteral("books")));
    frame_->OnCommand(kCmdFileSave);
    EXPECT_EQ(OnDisk(path).title, QStringLiteral("edited"));
    EXPECT_FALSE(frame_->BooksDiffer());
}

TEST_F(FileCommandTest, FailedSaveAsKeepsPathCaptionAndRecentList)
{
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"));
    Open(path);
    const QString caption = frame_->windowTitle();
    const QStringList recent = frame_->RecentDocuments().Entries();
    user_->saveAnswers.enqueue(files_.FilePath(QStringLiteral("missing/b.vlr")));
    frame_->OnCommand(kCmdFileSaveAs);
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsCannotSaveFile});
    EXPECT_EQ(frame_->CurrentPath(), path);
    EXPECT_EQ(frame_->windowTitle(), caption);
    EXPECT_EQ(frame_->RecentDocuments().Entries(), recent);
}

// No room on the disk, a real one (a small tmpfs, where mounting is allowed)
// or a file-size limit: a save is reported as failed and neither the book
// nor the settings file loses a byte.
class FileCommandsWithoutRoom : public FileCommandTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        FileCommandTest::SetUp();
        if (GetParam() && !disk_.Mounted())
            GTEST_SKIP() << disk_.Refusal() << "; the file-size limit case still runs";
        folder_ = GetParam() ? disk_.Path() : files_.Path();
        ASSERT_TRUE(QDir(folder_).mkpath(QStringLiteral("data/etc")));
        SetDataDirectory(folder_ + QStringLiteral("data/"));
        BookDocument book = BookDocument::MakeNew();
        book.title = QStringLiteral("满");
        for (int i = 0; i < 40; ++i)
            book.pictures.append(
                PictureEntry(QStringLiteral("/pictures/%1.jpg").arg(i), QStringLiteral("2026-1-1 10:00"), 0));
        book.pictureCount = 40;
        path_ = folder_ + QStringLiteral("a.vlr");
        ASSERT_TRUE(WriteBookFile(path_, book));
    }

    // Runs the command with no room left.
    void WithoutRoom(const std::function<void()> &command)
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (GetParam()) {
            ASSERT_TRUE(disk_.LeaveRoom(0));
        } else {
            limit = std::make_unique<FileSizeLimit>(16);
        }
        command();
    }

    // The files in the book's folder and the data folder, the filler aside.
    QStringList Beside() const
    {
        QStringList names = QDir(folder_).entryList(QDir::Files | QDir::Hidden, QDir::Name)
                            + QDir(folder_ + QStringLiteral("data")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        names.removeAll(QStringLiteral("filler"));
        return names;
    }

    SmallFileSystem disk_;
    QString folder_;
    QString path_;
};

TEST_P(FileCommandsWithoutRoom, SaveIsReportedAndTheBookStaysAsItWas)
{
    Open(path_);
    const QByteArray book = ReadAll(path_);
    const QByteArray settings = ReadAll(SettingsFilePath());
    ASSERT_FALSE(settings.isEmpty());
    form_.shown.title = QStringLiteral("edited");
    WithoutRoom([this] { frame_->OnCommand(kCmdFileSave); });
    EXPECT_EQ(user_->messagesShown, QList<int>{kIdsCannotSaveFile});
    EXPECT_TRUE(frame_->BooksDiffer()) << "the edits are still changes";
    EXPECT_EQ(ReadAll(path_), book);
    EXPECT_EQ(ReadAll(SettingsFilePath()), settings);
    EXPECT_EQ(Beside(), (QStringList{"a.vlr", "Vellora.ini"})) << "no temporary file is left";
}

TEST_P(FileCommandsWithoutRoom, OpeningABookLeavesTheSettingsFileAsItWas)
{
    WriteSetting(QStringLiteral("Read Mode"), QStringLiteral("Step"), QStringLiteral("9"));
    const QByteArray settings = ReadAll(SettingsFilePath());
    WithoutRoom([this] { Open(path_); });
    EXPECT_EQ(frame_->CurrentPath(), path_) << "reading needs no room";
    EXPECT_EQ(ReadAll(SettingsFilePath()), settings);
    EXPECT_EQ(ReadSettingInt(QStringLiteral("Read Mode"), QStringLiteral("Step"), 5), 9);
    EXPECT_EQ(Beside(), (QStringList{"a.vlr", "Vellora.ini"}));
}

INSTANTIATE_TEST_SUITE_P(Faults, FileCommandsWithoutRoom, ::testing::Bool(),
                         [](const auto &info) { return std::string(info.param ? "SmallTmpfs" : "FileSizeLimit"); });

} // namespace
