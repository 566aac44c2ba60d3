// Books written when there is no room for them: the write fails, says why,
// and leaves the old file byte for byte and nothing else. (Reading states
// and settings go through the same writer.)

#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "document/FileIo.h"

#include "FullDisk.h"
#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

#include <memory>

namespace {

struct NoRoomCase {
    const char *name;
    bool fullDisk; // or a file-size limit
    int pictures;
    qint64 room; // bytes left on the disk, or the file-size limit
};
void PrintTo(const NoRoomCase &c, std::ostream *os) { *os << c.name; }

class NoRoom : public testing::TestWithParam<NoRoomCase> {};

TEST_P(NoRoom, WriteFailsAndLeavesTheOldFileAlone)
{
    const NoRoomCase &c = GetParam();
    SmallFileSystem disk;
    ScratchDir scratch;
    if (c.fullDisk && !disk.Mounted())
        GTEST_SKIP() << disk.Refusal() << "; the file-size limit cases still run";
    const QString folder = c.fullDisk ? disk.Path() : scratch.Path();
    const QString target = folder + QStringLiteral("old.vlr");
    BookDocument book = BookDocument::MakeNew();
    for (int i = 0; i < c.pictures; ++i)
        book.pictures.append(PictureEntry(QStringLiteral("/pictures/page %1.jpg").arg(i), QStringLiteral("2026-1-1 10:00"), 0));
    const QByteArray old = ToUtf16Le(QStringLiteral("the old file, which must survive\r\n"));
    ASSERT_TRUE(WriteAll(target, old));
    ASSERT_GT(SerializeBookFile(book).size(), c.room);
    // The book and any temporary file beside it; the filler is not of them.
    const auto listing = [&] { return QDir(folder).entryList({QStringLiteral("*.vlr*"), QStringLiteral(".*")}, QDir::Files | QDir::Hidden); };
    int error = 0;
    {
        std::unique_ptr<FileSizeLimit> limit;
        if (c.fullDisk) {
            ASSERT_TRUE(disk.LeaveRoom(c.room));
        } else
            limit = std::make_unique<FileSizeLimit>(rlim_t(c.room));
        EXPECT_FALSE(WriteBookFile(target, book, &error));
    }
    EXPECT_EQ(error, c.fullDisk ? ENOSPC : EFBIG);
    EXPECT_EQ(ReadAll(target), old);
    EXPECT_EQ(listing(), QStringList{QStringLiteral("old.vlr")}) << "no temporary file is left";
    // With room again the same write goes through, whole.
    if (c.fullDisk) {
        ASSERT_TRUE(disk.MakeRoom());
    }
    EXPECT_TRUE(WriteBookFile(target, book, &error));
    EXPECT_EQ(ReadAll(target), SerializeBookFile(book));
    EXPECT_EQ(listing(), QStringList{QStringLiteral("old.vlr")});
}

// 120 pictures make a book of about 14 KB, more than the 8 KiB left.
INSTANTIATE_TEST_SUITE_P(Writes, NoRoom,
                         testing::Values(NoRoomCase{"SmallBookOnAFullDisk", true, 0, 0},
                                         NoRoomCase{"LargeBookOnADiskWithLessRoom", true, 120, 8192},
                                         NoRoomCase{"SmallBookOverTheSizeLimit", false, 0, 0},
                                         NoRoomCase{"LargeBookOverTheSizeLimit", false, 120, 8192}),
                         [](const auto &instance) { return std::string(instance.param.name); });

} // namespace
