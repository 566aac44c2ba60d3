// Books and reading states written when there is no room for them: the write
// fails, says why, and leaves the old file byte for byte and nothing else.

#include "document/AtomicFileWrite.h"
#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "document/FileIo.h"
#include "document/ReadingStateFile.h"

#include "FullDisk.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

enum class Written { SmallBook, LargeBook, ReadingState };
enum class Fault { FullDisk, SizeLimit };

struct NoRoomCase {
    const char *name;
    Written what;
    Fault fault;
    qint64 room; // bytes left on the disk, or the file-size limit
};
void PrintTo(const NoRoomCase &c, std::ostream *os) { *os << c.name; }

// 120 pictures make a book of about 14 KB, more than the 8 KiB left.
BookDocument BookOf(int pictures)
{
    BookDocument book = BookDocument::MakeNew();
    book.bookId = QStringLiteral("901234");
    book.title = QStringLiteral("满");
    for (int i = 0; i < pictures; ++i)
        book.pictures.append(
            PictureEntry(QStringLiteral("/pictures/page %1.jpg").arg(i), QStringLiteral("2026-1-1 10:00"), 0));
    book.pictureCount = pictures;
    return book;
}

const QString kStateId = QStringLiteral("77");

QString TargetIn(const QString &folder, Written what)
{
    return what == Written::ReadingState ? ReadingStateFilePath(folder, kStateId) : folder + QStringLiteral("old.vlr");
}

QByteArray NewBytes(Written what)
{
    switch (what) {
    case Written::SmallBook: return SerializeBookFile(BookOf(0));
    case Written::LargeBook: return SerializeBookFile(BookOf(120));
    case Written::ReadingState: return SerializeReadingState(ReadingState{41, 3, 5});
    }
    return {};
}

// The write as the program makes it; the errno when the writer tells it.
bool WriteNew(const QString &folder, Written what, std::optional<int> &error)
{
    if (what == Written::ReadingState)
        return SaveReadingStateFile(folder, kStateId, ReadingState{41, 3, 5});
    int code = 0;
    const bool written = WriteBookFile(TargetIn(folder, what), BookOf(what == Written::LargeBook ? 120 : 0), &code);
    error = code;
    return written;
}

QStringList Listing(const QString &folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    names.removeAll(QStringLiteral("filler"));
    return names;
}

class NoRoom : public testing::TestWithParam<NoRoomCase> {};

TEST_P(NoRoom, WriteFailsAndLeavesTheOldFileAlone)
{
    const NoRoomCase &c = GetParam();
    SmallFileSystem disk;
    ScratchDir scratch;
    if (c.fault == Fault::FullDisk && !disk.Mounted())
        GTEST_SKIP() << disk.Refusal() << "; the file-size limit cases still run";
    const QString folder = c.fault == Fault::FullDisk ? disk.Path() : scratch.Path();
    ASSERT_TRUE(QDir(folder).mkpath(QStringLiteral("etc")));
    const QString target = TargetIn(folder, c.what);
    const QString targetFolder = QFileInfo(target).absolutePath();
    const QByteArray old = ToUtf16Le(QStringLiteral("the old file, which must survive\r\n"));
    ASSERT_TRUE(WriteAll(target, old));
    ASSERT_GT(NewBytes(c.what).size(), c.room);

    std::optional<int> error;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (c.fault == Fault::FullDisk) {
            ASSERT_TRUE(disk.LeaveRoom(c.room));
        } else {
            limit = std::make_unique<FileSizeLimit>(rlim_t(c.room));
        }
        EXPECT_FALSE(WriteNew(folder, c.what, error));
    }
    if (error) {
        EXPECT_EQ(*error, c.fault == Fault::FullDisk ? ENOSPC : EFBIG);
    }
    EXPECT_EQ(ReadAll(target), old);
    EXPECT_EQ(Listing(targetFolder), QStringList{QFileInfo(target).fileName()}) << "no temporary file is left";

    // With room again the same write goes through, whole.
    if (c.fault == Fault::FullDisk) {
        ASSERT_TRUE(disk.MakeRoom());
    }
    EXPECT_TRUE(WriteNew(folder, c.what, error));
    EXPECT_EQ(ReadAll(target), NewBytes(c.what));
    EXPECT_EQ(Listing(targetFolder), QStringList{QFileInfo(target).fileName()});
}

INSTANTIATE_TEST_SUITE_P(
    Writes, NoRoom,
    testing::Values(NoRoomCase{"SmallBookOnAFullDisk", Written::SmallBook, Fault::FullDisk, 0},
                    NoRoomCase{"LargeBookOnADiskWithLessRoom", Written::LargeBook, Fault::FullDisk, 8192},
                    NoRoomCase{"ReadingStateOnAFullDisk", Written::ReadingState, Fault::FullDisk, 0},
                    NoRoomCase{"SmallBookOverTheSizeLimit", Written::SmallBook, Fault::SizeLimit, 0},
                    NoRoomCase{"LargeBookOverTheSizeLimit", Written::LargeBook, Fault::SizeLimit, 8192},
                    NoRoomCase{"ReadingStateOverTheSizeLimit", Written::ReadingState, Fault::SizeLimit, 0}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(AtomicFileWrite, ReplacedFileKeepsItsPermissionsAndALinkStaysALink)
{
    ScratchDir dir;
    const QString real = dir.FilePath(QStringLiteral("real.vlr"));
    const QString link = dir.FilePath(QStringLiteral("link.vlr"));
    ASSERT_TRUE(WriteAll(real, "old"));
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    const QFileDevice::Permissions privateFile = QFile::permissions(real);
    ASSERT_TRUE(QFile::link(real, link));
    ASSERT_TRUE(WriteFileAtomically(link, "new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadAll(real), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(real), privateFile);
}

struct RefusedPathCase {
    const char *name;
    const char *path; // below a scratch folder holding a folder "dir" and a file "file"
    int error;
};
void PrintTo(const RefusedPathCase &c, std::ostream *os) { *os << c.name; }

class RefusedPath : public testing::TestWithParam<RefusedPathCase> {};

TEST_P(RefusedPath, FailsWithTheReasonAndWritesNothing)
{
    ScratchDir dir;
    ASSERT_TRUE(QDir(dir.Path()).mkdir(QStringLiteral("dir")));
    ASSERT_TRUE(WriteAll(dir.FilePath(QStringLiteral("file")), "kept"));
    int error = 0;
    EXPECT_FALSE(WriteFileAtomically(dir.FilePath(QLatin1String(GetParam().path)), "new", &error));
    EXPECT_EQ(error, GetParam().error);
    EXPECT_EQ(Listing(dir.Path()), QStringList{QStringLiteral("file")});
    EXPECT_EQ(ReadAll(dir.FilePath(QStringLiteral("file"))), QByteArray("kept"));
}

INSTANTIATE_TEST_SUITE_P(Paths, RefusedPath,
                         testing::Values(RefusedPathCase{"FolderInTheWay", "dir", EISDIR},
                                         RefusedPathCase{"MissingFolder", "none/b.vlr", ENOENT},
                                         RefusedPathCase{"FileAsFolder", "file/b.vlr", ENOTDIR}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
