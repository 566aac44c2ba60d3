// Every command's refusals: the exit status, the message with its reason,
// and no output file left behind. "@" stands for a scratch folder holding
// page.jpg, x>y.jpg, junk.vlr (not a book), empty.vlr, fifo.vlr (a FIFO),
// loop.vlr (a link to itself) and junk.gif (a bare header); "%" for the
// metafiles.

#include "BookTool.h"
#include "FullDisk.h"

#include <QDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

struct ExitCase {
    const char *name;
    QStringList args;
    int exitCode;
    const char *message; // in the output when 0, in the errors otherwise; nullptr: not checked
};
void PrintTo(const ExitCase &c, std::ostream *os) { *os << c.name; }

class ExitStatus : public testing::TestWithParam<ExitCase> {};

TEST_P(ExitStatus, IsAsTheTableSays)
{
    ScratchDir dir;
    Write(dir, QStringLiteral("page.jpg"), "a page");
    Write(dir, QStringLiteral("x>y.jpg"), "a page");
    Write(dir, QStringLiteral("junk.vlr"), "not a book");
    Write(dir, QStringLiteral("junk.gif"), "GIF89a");
    Write(dir, QStringLiteral("empty.vlr"), "");
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.FilePath(QStringLiteral("fifo.vlr"))).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("loop.vlr"), dir.FilePath(QStringLiteral("loop.vlr"))));
    QStringList args = GetParam().args;
    for (QString &a : args)
        a.replace(QLatin1Char('@'), dir.Path()).replace(QLatin1Char('%'), Metafile(""));
    const ToolRun run = Tool(args);
    EXPECT_EQ(run.exitCode, GetParam().exitCode) << run.err.toStdString();
    if (GetParam().message) {
        const QByteArray message = QByteArray(GetParam().message).replace('@', QFile::encodeName(dir.Path()));
        EXPECT_TRUE((run.exitCode == 0 ? run.out : run.err).contains(message)) << run.err.toStdString();
    }
    EXPECT_TRUE(run.exitCode == 0 || run.out.isEmpty());
    if (run.exitCode == 1) {
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString(); // a failure is one line
    }
    EXPECT_FALSE(QFile::exists(dir.FilePath(QStringLiteral("new.vlr"))));
    EXPECT_FALSE(QFile::exists(dir.FilePath(QStringLiteral("out.png"))));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExitStatus,
    testing::Values(
        ExitCase{"Help", {"--help"}, 0, "usage:"}, ExitCase{"InfoHelp", {"info", "--help"}, 0, "usage:"},
        ExitCase{"CreateHelp", {"create", "--help"}, 0, "usage:"}, ExitCase{"NoCommand", {}, 2, "usage:"},
        ExitCase{"UnknownCommand", {"frobnicate"}, 2, "usage:"}, ExitCase{"InfoWithoutBook", {"info"}, 2, "usage:"},
        ExitCase{"InfoOfTwoBooks", {"info", "a", "b"}, 2, "usage:"},
        ExitCase{"CreateWithoutPictures", {"create", "@new.vlr"}, 2, "usage:"},
        ExitCase{"RatingAboveFive", {"create", "@new.vlr", "--rating", "9", "@page.jpg"}, 2, "usage:"},
        ExitCase{"UnknownOption", {"create", "@new.vlr", "--colour", "red", "@page.jpg"}, 2, "usage:"},
        ExitCase{"OptionWithoutValue", {"create", "@new.vlr", "--title"}, 2, "usage:"},
        // Each kind of path that is no book says what it is.
        ExitCase{"InfoOfANonBook", {"info", "@junk.vlr"}, 1, "\"@junk.vlr\": Not a book file"},
        ExitCase{"InfoOfAnEmptyFile", {"info", "@empty.vlr"}, 1, "Not a book file"},
        ExitCase{"InfoOfAMissingBook",
                 {"info", "@none.vlr"},
                 1,
                 "cannot read book file \"@none.vlr\": No such file or directory"},
        ExitCase{"InfoOfAFolder", {"info", "@"}, 1, "Is a directory"},
        ExitCase{"InfoOfAFifo", {"info", "@fifo.vlr"}, 1, "Is a FIFO, not a file"},
        ExitCase{"InfoOfALinkLoop", {"info", "@loop.vlr"}, 1, "Too many levels of symbolic links"},
        ExitCase{"InfoBelowAFile", {"info", "@junk.vlr/b.vlr"}, 1, "Not a directory"},
        ExitCase{"InfoOfADevice", {"info", "/dev/null"}, 1, "Is a device, not a file"},
        ExitCase{"IntroOfAMissingBook", {"intro", "@missing.vlr"}, 1, "No such file or directory"},
        ExitCase{"IntroOfANonBook", {"intro", "@junk.vlr"}, 1, "Not a book file"},
        ExitCase{"IntroUnknownFormat", {"intro", "@junk.vlr", "--format", "xml"}, 2, nullptr},
        ExitCase{"IntroWithoutBook", {"intro"}, 2, nullptr},
        ExitCase{"IntroOfTwoBooks", {"intro", "@a.vlr", "@b.vlr"}, 2, nullptr},
        ExitCase{"MissingIntroFile",
                 {"create", "@new.vlr", "--intro", "@none.rtf", "@page.jpg"},
                 1,
                 "No such file or directory"},
        ExitCase{"IntroIsAFolder", {"create", "@new.vlr", "--intro", "@", "@page.jpg"}, 1, "Is a directory"},
        // Places a book cannot be written to say why.
        ExitCase{"CreateInAMissingFolder",
                 {"create", "@none/new.vlr", "@page.jpg"},
                 1,
                 "cannot write \"@none/new.vlr\": No such file or directory"},
        ExitCase{"CreateOntoAFolder", {"create", "@", "@page.jpg"}, 1, "Is a directory"},
        ExitCase{"CreateOntoAFifo", {"create", "@fifo.vlr", "@page.jpg"}, 1, "Is a FIFO, not a file"},
        ExitCase{"CreateBelowAFile", {"create", "@junk.vlr/new.vlr", "@page.jpg"}, 1, "Not a directory"},
        ExitCase{"MissingPictures", {"create", "@new.vlr", "@page.jpg", "@gone.png", "@"}, 1, "gone.png"},
        // Texts the format cannot carry.
        ExitCase{"TitleWithLineBreak", {"create", "@new.vlr", "--title", "a\nb", "@page.jpg"}, 1, nullptr},
        ExitCase{"PathWithGreaterThan", {"create", "@new.vlr", "@x>y.jpg"}, 1, nullptr},
        ExitCase{"AuthorIsAMarker", {"create", "@new.vlr", "--author", "<intro_begin>", "@page.jpg"}, 1, nullptr},
        ExitCase{"CheckANonBook", {"check", "@junk.vlr"}, 1, "Not a book file"},
        ExitCase{"CheckAMissingBook", {"check", "@none.vlr"}, 1, "No such file or directory"},
        ExitCase{"CheckWithoutBook", {"check"}, 2, nullptr},
        ExitCase{"RenderABadPicture", {"render", "@junk.gif", "@out.png"}, 1, "vellora-book: cannot load picture"},
        ExitCase{"RenderZeroWidth", {"render", "%emf_lo_text.emf", "@out.png", "--width", "0"}, 2, nullptr},
        ExitCase{"RenderWithoutOutput", {"render", "%emf_lo_text.emf"}, 2, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

// A book written where there is no room for it: a full disk, a read-only one
// (both need a tmpfs, so they skip where mounting is refused) and a file-size
// limit on the tool (which always runs) end with status 1 and the reason,
// and the book that was there stays byte for byte, with nothing beside it.
enum class NoRoom { FullDisk, ReadOnlyDisk, FileSizeLimit };

struct NoRoomCase {
    const char *name;
    NoRoom fault;
    const char *reason;
};
void PrintTo(const NoRoomCase &c, std::ostream *os) { *os << c.name; }

class CreateWithoutRoom : public testing::TestWithParam<NoRoomCase> {};

TEST_P(CreateWithoutRoom, FailsWithTheReasonAndKeepsTheOldBook)
{
    const NoRoomCase &c = GetParam();
    SmallFileSystem disk;
    ScratchDir scratch;
    const bool onTmpfs = c.fault != NoRoom::FileSizeLimit;
    if (onTmpfs && !disk.Mounted())
        GTEST_SKIP() << disk.Refusal() << "; the file-size limit case still runs";
    // About 14 KB of book: more than the 8 KiB left and the limit.
    QStringList args{QStringLiteral("create"), (onTmpfs ? disk.Path() : scratch.Path()) + QStringLiteral("b.vlr")};
    for (int i = 0; i < 120; ++i)
        args << Write(scratch, QStringLiteral("page %1.jpg").arg(i), "a page");
    const QString book = args[1];
    ASSERT_TRUE(WriteAll(book, "the book that was there"));

    ToolRun run;
    switch (c.fault) {
    case NoRoom::FullDisk:
        ASSERT_TRUE(disk.LeaveRoom(8192));
        run = Tool(args);
        break;
    case NoRoom::ReadOnlyDisk:
        ASSERT_TRUE(disk.RemountReadOnly());
        run = Tool(args);
        break;
    case NoRoom::FileSizeLimit: run = Tool(args, [](QProcess &p) { FileSizeLimit::ApplyTo(p, 8192); }); break;
    }
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "vellora-book: cannot write \"" + QFile::encodeName(book) + "\": " + c.reason + "\n");
    EXPECT_EQ(ReadAll(book), QByteArray("the book that was there"));
    const QStringList beside =
        onTmpfs ? disk.Entries()
                : QDir(scratch.Path())
                      .entryList({QStringLiteral("*.vlr*"), QStringLiteral(".*.tmp")}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(beside, QStringList{QStringLiteral("b.vlr")});
}

INSTANTIATE_TEST_SUITE_P(Faults, CreateWithoutRoom,
                         testing::Values(NoRoomCase{"FullDisk", NoRoom::FullDisk, "No space left on device"},
                                         NoRoomCase{"ReadOnlyDisk", NoRoom::ReadOnlyDisk, "Read-only file system"},
                                         NoRoomCase{"FileSizeLimit", NoRoom::FileSizeLimit, "File too large"}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
