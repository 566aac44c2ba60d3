// Every command's refusals: the exit status, the message with its reason,
// and no output file left behind. "@" stands for a scratch folder holding
// page.jpg (never decoded by create), junk.vlr (not a book), fifo.vlr (a
// FIFO) and junk.gif (a bare header).

#include "BookTool.h"
#include "FullDisk.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct ExitCase {
    const char *name;
    QStringList args;
    int exitCode;
    const char *message; // in the output when 0, in the errors otherwise
};
void PrintTo(const ExitCase &c, std::ostream *os) { *os << c.name; }

class ExitStatus : public testing::TestWithParam<ExitCase> {};

TEST_P(ExitStatus, IsAsTheTableSays)
{
    ScratchDir dir;
    for (const char *name : {"page.jpg", "junk.vlr", "junk.gif"})
        Write(dir, QLatin1String(name), "GIF89a");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.FilePath(QStringLiteral("fifo.vlr"))).constData(), 0644), 0);
    QStringList args = GetParam().args;
    for (QString &a : args)
        a.replace(QLatin1Char('@'), dir.Path());
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err.toStdString();
    const QByteArray message = QByteArray(GetParam().message).replace('@', QFile::encodeName(dir.Path()));
    EXPECT_TRUE((run.exitCode == 0 ? run.out : run.err).contains(message)) << run.err.toStdString();
    EXPECT_TRUE(run.exitCode == 0 || run.out.isEmpty());
    EXPECT_TRUE(run.exitCode != 1 || run.err.count('\n') == 1) << run.err.toStdString(); // a failure is one line
    for (const char *output : {"new.vlr", "out.png", "out.pdf"})
        EXPECT_FALSE(QFile::exists(dir.FilePath(QLatin1String(output)))) << output;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatus,
    testing::Values(
        ExitCase{"NoCommand", {}, 2, "usage:"},
        ExitCase{"RatingAboveFive", {"create", "@new.vlr", "--rating", "9", "@page.jpg"}, 2, "usage:"},
        // Each kind of path that is no book says what it is.
        ExitCase{"InfoOfANonBook", {"info", "@junk.vlr"}, 1, "\"@junk.vlr\": Not a book file"},
        ExitCase{"InfoOfAMissingBook", {"info", "@none.vlr"}, 1, "cannot read book file \"@none.vlr\": No such file or directory"},
        ExitCase{"InfoOfAFolder", {"info", "@"}, 1, "Is a directory"},
        ExitCase{"InfoOfAFifo", {"info", "@fifo.vlr"}, 1, "Is a FIFO, not a file"},
        ExitCase{"InfoOfADevice", {"info", "/dev/null"}, 1, "Is a device, not a file"},
        // Places a book cannot be written to say why.
        ExitCase{"CreateInAMissingFolder", {"create", "@none/new.vlr", "@page.jpg"}, 1,
                 "cannot write \"@none/new.vlr\": No such file or directory"},
        ExitCase{"MissingPictures", {"create", "@new.vlr", "@page.jpg", "@gone.png", "@"}, 1, "gone.png"},
        // Texts the format cannot carry.
        ExitCase{"AuthorIsAMarker", {"create", "@new.vlr", "--author", "<intro_begin>", "@page.jpg"}, 1, ""},
        ExitCase{"RenderABadPicture", {"render", "@junk.gif", "@out.png"}, 1, "vellora-book: cannot load picture"},
        ExitCase{"ExportOnUnknownPaper", {"export", "@junk.vlr", "@out.pdf", "--page-size", "A5"}, 2, "usage: vellora-book export"},
        ExitCase{"ExportANonBook", {"export", "@junk.vlr", "@out.pdf"}, 1, "\"@junk.vlr\": Not a book file"}),
    [](const auto &instance) { return std::string(instance.param.name); });

// A book written where there is no room for it: a full disk (which needs a
// tmpfs, so it skips where mounting is refused) and a file-size limit on the
// tool (which always runs) end with status 1 and the reason, and the book
// that was there stays byte for byte, with nothing beside it.
class CreateWithoutRoom : public testing::TestWithParam<bool> {};

TEST_P(CreateWithoutRoom, FailsWithTheReasonAndKeepsTheOldBook)
{
    const bool fullDisk = GetParam();
    SmallFileSystem disk;
    ScratchDir scratch;
    if (fullDisk && !disk.Mounted())
        GTEST_SKIP() << disk.Refusal() << "; the file-size limit case still runs";
    // About 14 KB of book: more than the 8 KiB left and the limit.
    const QString book = (fullDisk ? disk.Path() : scratch.Path()) + QStringLiteral("b.vlr");
    QStringList args{QStringLiteral("create"), book};
    for (int i = 0; i < 120; ++i)
        args << Write(scratch, QStringLiteral("page %1.jpg").arg(i), "a page");
    ASSERT_TRUE(WriteAll(book, "the book that was there"));
    ASSERT_TRUE(!fullDisk || disk.LeaveRoom(8192));
    const ToolRun run = Tool(args, [fullDisk](QProcess &p) {
        if (!fullDisk)
            FileSizeLimit::ApplyTo(p, 8192);
    });
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "vellora-book: cannot write \"" + QFile::encodeName(book) + "\": "
                           + (fullDisk ? "No space left on device" : "File too large") + "\n");
    EXPECT_EQ(ReadAll(book), QByteArray("the book that was there"));
    EXPECT_EQ(QDir(QFileInfo(book).path()).entryList({QStringLiteral("*.vlr*"), QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("b.vlr")});
}

INSTANTIATE_TEST_SUITE_P(Faults, CreateWithoutRoom, testing::Bool(),
                         [](const auto &instance) { return std::string(instance.param ? "FullDisk" : "FileSizeLimit"); });

} // namespace
