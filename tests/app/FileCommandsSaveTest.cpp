// Save and save as: what reaches the disk, the book ids, the captions, and
// what a failed write leaves behind.

#include "FileCommandFixture.h"
#include "FullDisk.h"
#include "platform/ResourceIds.h"

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
    form.shown.Title = QStringLiteral("新标题");
    frame->OnCommand(kCmdFileSave);
    EXPECT_EQ(OnDisk(path).Title, QStringLiteral("新标题"));

    ASSERT_TRUE(QFile::remove(path));
    frame->OnCommand(kCmdFileSave);
    EXPECT_FALSE(QFileInfo::exists(path)) << "nothing changed since the save, nothing is written";
    EXPECT_TRUE(user->messagesShown.isEmpty());
}

TEST_F(FileCommandTest, EachSaveThatWritesGivesTheBookANewId)
{
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"));
    Open(path);
    const QString opened = frame->SavedBook().BookId;
    // Ids come from the millisecond tick count; a save within the same
    // millisecond would rightly reuse it.
    NextMillisecond();
    form.shown.Author = QStringLiteral("甲");
    frame->OnCommand(kCmdFileSave);
    const QString first = OnDisk(path).BookId;
    NextMillisecond();
    form.shown.Author = QStringLiteral("乙");
    frame->OnCommand(kCmdFileSave);
    const QString second = OnDisk(path).BookId;
    EXPECT_NE(first, opened);
    EXPECT_NE(second, first);
    EXPECT_EQ(frame->SavedBook().BookId, second);
    EXPECT_EQ(reader.book, &frame->SavedBook());
}

TEST_F(FileCommandTest, EmptyTitleIsRefusedBeforeAnyDialog)
{
    form.shown.Title.clear();
    form.shown.Author = QStringLiteral("a");
    for (int command : {kCmdFileSave, kCmdFileSaveAs})
        frame->OnCommand(command);
    EXPECT_EQ(user->messagesShown, (QList<int>{kIdsTitleEmpty, kIdsTitleEmpty}));
    EXPECT_EQ(user->saveDialogs, 0);
}

TEST_F(FileCommandTest, SaveOfANewBookAsksForAName)
{
    form.shown.Title = QStringLiteral("书");
    const QString path = files.file(QStringLiteral("new.vlr"));
    user->saveAnswers.enqueue(path);
    frame->OnCommand(kCmdFileSave);
    EXPECT_EQ(user->saveDialogs, 1);
    EXPECT_EQ(OnDisk(path).Title, QStringLiteral("书"));
    EXPECT_EQ(frame->CurrentPath(), path);
    EXPECT_FALSE(frame->BooksDiffer());
}

TEST_F(FileCommandTest, CaptionsAfterOpenRecentSaveAsAndSave)
{
    const QString path = MakeBookFile(QStringLiteral("one.vlr"), QStringLiteral("t"));
    Open(path);
    EXPECT_EQ(frame->windowTitle(), path + QStringLiteral(" - ") + kProgram);

    frame->OnCommand(kCmdRecentFirst);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("one.vlr - ") + kProgram);

    const QString other = files.file(QStringLiteral("two.vlr"));
    user->saveAnswers.enqueue(other);
    frame->OnCommand(kCmdFileSaveAs);
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("two.vlr - ") + kProgram);

    form.shown.Title = QStringLiteral("changed");
    frame->OnCommand(kCmdFileSave);
    EXPECT_EQ(frame->windowTitle(), other + QStringLiteral(" - ") + kProgram);
}

TEST_F(FileCommandTest, AForeignTypeLineCountsAsChangedAndSavingWritesTheDefaults)
{
    BookDocument book = BookDocument::MakeNew();
    book.FileType = QStringLiteral("Other Book File");
    book.Version = QStringLiteral("2.5");
    book.Reserved = QStringLiteral("x");
    book.Title = QStringLiteral("t");
    const QString path = files.file(QStringLiteral("foreign.vlr"));
    ASSERT_TRUE(WriteBookFile(path, book));
    Open(path);
    EXPECT_TRUE(frame->BooksDiffer());
    frame->OnCommand(kCmdFileSave);
    const BookDocument written = OnDisk(path);
    EXPECT_EQ(written.FileType, QString::fromUtf16(kDefaultFileType));
    EXPECT_EQ(written.Version, QString::fromUtf16(kDefaultVersion));
    EXPECT_EQ(written.Reserved, QString());
}

// A folder that has gone away stands for every write that fails (a full
// disk, a read-only folder): the user is told and the edits stay changes.
TEST_F(FileCommandTest, FailedSaveIsReportedKeepsTheChangesAndIsTriedAgain)
{
    QDir(files.path()).mkdir(QStringLiteral("books"));
    const QString path = MakeBookFile(QStringLiteral("books/a.vlr"), QStringLiteral("t"));
    Open(path);
    const BookDocument before = frame->SavedBook();
    ASSERT_TRUE(QDir(files.file(QStringLiteral("books"))).removeRecursively());

    form.shown.Title = QStringLiteral("edited");
    frame->OnCommand(kCmdFileSave);
    EXPECT_EQ(user->messagesShown, QList<int>{kIdsCannotSaveFile});
    EXPECT_EQ(frame->SavedBook(), before);
    EXPECT_EQ(reader.book, &frame->SavedBook());
    EXPECT_TRUE(frame->BooksDiffer());

    ASSERT_TRUE(QDir(files.path()).mkdir(QStringLiteral("books")));
    frame->OnCommand(kCmdFileSave);
    EXPECT_EQ(OnDisk(path).Title, QStringLiteral("edited"));
    EXPECT_FALSE(frame->BooksDiffer());
}

TEST_F(FileCommandTest, FailedSaveAsKeepsPathCaptionAndRecentList)
{
    const QString path = MakeBookFile(QStringLiteral("a.vlr"), QStringLiteral("t"));
    Open(path);
    const QString caption = frame->windowTitle();
    const QStringList recent = frame->RecentDocuments().Entries();
    user->saveAnswers.enqueue(files.file(QStringLiteral("missing/b.vlr")));
    frame->OnCommand(kCmdFileSaveAs);
    EXPECT_EQ(user->messagesShown, QList<int>{kIdsCannotSaveFile});
    EXPECT_EQ(frame->CurrentPath(), path);
    EXPECT_EQ(frame->windowTitle(), caption);
    EXPECT_EQ(frame->RecentDocuments().Entries(), recent);
}

// No room on the disk, a real one (a small tmpfs, where mounting is allowed)
// or a file-size limit: a save is reported as failed and neither the book
// nor the settings file loses a byte.
class FileCommandsWithoutRoom : public FileCommandTest, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        FileCommandTest::SetUp();
        if (GetParam() && !disk.mounted())
            GTEST_SKIP() << disk.refusal() << "; the file-size limit case still runs";
        folder = GetParam() ? disk.path() : files.path();
        ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("data/etc")));
        SetDataDirectory(folder + QStringLiteral("data/"));
        BookDocument book = BookDocument::MakeNew();
        book.Title = QStringLiteral("满");
        for (int i = 0; i < 40; ++i)
            book.Pictures.append(PictureEntry(QStringLiteral("/pictures/%1.jpg").arg(i), QStringLiteral("2026-1-1 10:00"), 0));
        book.PictureCount = 40;
        path = folder + QStringLiteral("a.vlr");
        ASSERT_TRUE(WriteBookFile(path, book));
    }

    // Runs the command with no room left.
    void WithoutRoom(const std::function<void()> &command)
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (GetParam()) {
            ASSERT_TRUE(disk.LeaveRoom(0));
        } else {
            limit = std::make_unique<FileSizeLimit>(16);
        }
        command();
    }

    // The files in the book's folder and the data folder, the filler aside.
    QStringList Beside() const
    {
        QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name) +
                            QDir(folder + QStringLiteral("data")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        names.removeAll(QStringLiteral("filler"));
        return names;
    }

    SmallFileSystem disk;
    QString folder;
    QString path;
};

TEST_P(FileCommandsWithoutRoom, SaveIsReportedAndTheBookStaysAsItWas)
{
    Open(path);
    const QByteArray book = ReadAll(path);
    const QByteArray settings = ReadAll(SettingsFilePath());
    ASSERT_FALSE(settings.isEmpty());
    form.shown.Title = QStringLiteral("edited");
    WithoutRoom([this] { frame->OnCommand(kCmdFileSave); });
    EXPECT_EQ(user->messagesShown, QList<int>{kIdsCannotSaveFile});
    EXPECT_TRUE(frame->BooksDiffer()) << "the edits are still changes";
    EXPECT_EQ(ReadAll(path), book);
    EXPECT_EQ(ReadAll(SettingsFilePath()), settings);
    EXPECT_EQ(Beside(), (QStringList{"a.vlr", "Vellora.ini"})) << "no temporary file is left";
}

TEST_P(FileCommandsWithoutRoom, OpeningABookLeavesTheSettingsFileAsItWas)
{
    WriteSetting(QStringLiteral("Read Mode"), QStringLiteral("Step"), QStringLiteral("9"));
    const QByteArray settings = ReadAll(SettingsFilePath());
    WithoutRoom([this] { Open(path); });
    EXPECT_EQ(frame->CurrentPath(), path) << "reading needs no room";
    EXPECT_EQ(ReadAll(SettingsFilePath()), settings);
    EXPECT_EQ(ReadSettingInt(QStringLiteral("Read Mode"), QStringLiteral("Step"), 5), 9);
    EXPECT_EQ(Beside(), (QStringList{"a.vlr", "Vellora.ini"}));
}

INSTANTIATE_TEST_SUITE_P(Faults, FileCommandsWithoutRoom, ::testing::Bool(),
                         [](const auto &info) { return std::string(info.param ? "SmallTmpfs" : "FileSizeLimit"); });

} // namespace
