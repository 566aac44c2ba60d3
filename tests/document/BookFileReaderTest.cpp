#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "document/FileIo.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {
const QString kHead = QStringLiteral("Picture Book File (*.vlr)\r\n1.0\r\n42\r\nT\r\nA\r\nR\r\nC\r\n");
const QString kBlocks = QStringLiteral("<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\n<intro_end>\r\n");

QString Book(const QString &numbers, const QString &blocks, const QString &tail)
{
    return kHead + numbers + blocks + tail;
}

QList<std::pair<QString, QString>> Entries(const BookDocument &b)
{
    QList<std::pair<QString, QString>> out;
    for (const auto &e : b.Pictures)
        out.append({e.Path, e.CompileTime});
    return out;
}
} // namespace

struct ReaderCase {
    const char *name;
    QString text;
    bool ok;
    void (*check)(const BookDocument &);
};

class BookFileReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(BookFileReader, ReadsTheFileAsTheFormatSays)
{
    BookDocument book;
    EXPECT_EQ(ParseBookFileData(ToUtf16Le(GetParam().text), book), GetParam().ok);
    if (GetParam().ok && GetParam().check)
        GetParam().check(book);
}

INSTANTIATE_TEST_SUITE_P(Files, BookFileReader, testing::Values(
    ReaderCase{"HandWritten",
        Book(QStringLiteral("3\r\n2\r\n"), kBlocks,
             QStringLiteral("<c:\\a.jpg> <2009-3-7 08:05>\r\n<[安装目录]\\p\\b.gif> <x>\r\n")), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.FileType, QStringLiteral("Picture Book File (*.vlr)"));
            EXPECT_EQ(b.BookId, QStringLiteral("42"));
            EXPECT_EQ(b.Title, QStringLiteral("T"));
            EXPECT_EQ(b.Reserved, QStringLiteral("R"));
            EXPECT_EQ(b.Rating, 3);
            EXPECT_EQ(b.PictureCount, 2);
            ASSERT_EQ(b.Pictures.size(), 2);
            EXPECT_EQ(b.Pictures[0].Path, QStringLiteral("c:\\a.jpg"));
            EXPECT_EQ(b.Pictures[0].CompileTime, QStringLiteral("2009-3-7 08:05"));
            EXPECT_EQ(b.Pictures[0].FileSize, 0u);
            EXPECT_EQ(b.Pictures[1].Path, QStringLiteral("[安装目录]\\p\\b.gif"));
        }},
    ReaderCase{"PathWithGreaterThanIsCut",
        Book(QStringLiteral("0\r\n1\r\n"), kBlocks, QStringLiteral("<a>b.jpg> <T>\r\n")), true,
        [](const BookDocument &b) {
            EXPECT_EQ(Entries(b), (QList<std::pair<QString, QString>>{{"a", "jpg> <T"}}));
        }},
    ReaderCase{"CoverWithLessThanEndsItsBlockEarly",
        Book(QStringLiteral("0\r\n0\r\n"),
             QStringLiteral("<cover_begin>\r\nAB<CDEFGHIJKLMNOP\r\nQ\r\n<intro_begin>\r\nZZ<intro_end>\r\n"),
             QString()), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.Cover, QStringLiteral("AB"));
            // 13 units skipped after "<": "<CDEFGHIJKLMN"; "OP" starts the next item.
            EXPECT_EQ(b.Intro, QStringLiteral("OP"));
            // "Q" and the real intro block's text are picture lines now.
            EXPECT_EQ(b.Pictures.size(), 2);
        }},
    ReaderCase{"TitleWithLineBreakShiftsFields",
        QStringLiteral("F\r\n1.0\r\n42\r\nT1\r\nT2\r\nA\r\nR\r\nC\r\n0\r\n") + kBlocks +
            QStringLiteral("<p> <t>\r\n"), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.Title, QStringLiteral("T1"));
            EXPECT_EQ(b.Author, QStringLiteral("T2"));
            EXPECT_EQ(b.Category, QStringLiteral("R"));
            EXPECT_EQ(b.Rating, 0);  // "C" is not a number
            EXPECT_EQ(b.PictureCount, 0);
            EXPECT_EQ(b.Pictures.size(), 1);
        }},
    ReaderCase{"MarkerAsTitleOpensABlock",
        QStringLiteral("F\r\nV\r\n42\r\n<cover_begin>\r\nAB<cover_end>\r\nR\r\nC\r\n1\r\n2\r\nx\r\n") + kBlocks, true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.Title, QStringLiteral("AB"));
            EXPECT_EQ(b.Author, QStringLiteral("R"));
        }},
    ReaderCase{"LastPictureWithoutLineEndIsLost",
        Book(QStringLiteral("0\r\n2\r\n"), kBlocks, QStringLiteral("<a> <1>\r\n<b> <2>")), true,
        [](const BookDocument &b) {
            EXPECT_EQ(Entries(b), (QList<std::pair<QString, QString>>{{"a", "1"}}));
        }},
    ReaderCase{"TenItemsAreRefused",
        Book(QStringLiteral("0\r\n0\r\n"), QStringLiteral("<cover_begin>\r\n<cover_end>\r\n"), QString()),
        false, nullptr},
    ReaderCase{"NumbersWithBlanksAndFractions",
        Book(QStringLiteral(" 5 \r\n2.9\r\n"), kBlocks, QString()), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.Rating, 5);
            EXPECT_EQ(b.PictureCount, 2);
        }},
    ReaderCase{"LettersLeaveZero",
        Book(QStringLiteral("five\r\nx\r\n"), kBlocks, QString()), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.Rating, 0);
            EXPECT_EQ(b.PictureCount, 0);
        }},
    ReaderCase{"CountAndLinesDisagree",
        Book(QStringLiteral("0\r\n7\r\n"), kBlocks, QStringLiteral("<a> <1>\r\n\r\n<b> <2>\r\n")), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.PictureCount, 7);
            EXPECT_EQ(b.Pictures.size(), 2);  // the empty line is skipped
        }},
    ReaderCase{"ClosingMarkerOnItsOwnLine",
        Book(QStringLiteral("0\r\n0\r\n"),
             QStringLiteral("<cover_begin>\r\nQUJD\r\n<cover_end>\r\n<intro_begin>\r\nQQ==<intro_end>\r\n"),
             QString()), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.Cover, QStringLiteral("QUJD\r\n"));
            EXPECT_EQ(b.Intro, QStringLiteral("QQ=="));
        }},
    ReaderCase{"LessThanRightAfterTheMarkerGivesAnEmptyBlock",
        Book(QStringLiteral("0\r\n0\r\n"), QStringLiteral("<cover_begin>\r\n<intro_begin>\r\n<intro_end>\r\n"),
             QStringLiteral("<a> <1>\r\n")), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.Cover, QString());
            // "<intro_begin>" was skipped as the cover's end marker, its
            // CR LF is an empty intro, and the intro's end is a picture line.
            EXPECT_EQ(b.Intro, QString());
            EXPECT_EQ(Entries(b), (QList<std::pair<QString, QString>>{{"intro_end", ""}, {"a", "1"}}));
        }},
    ReaderCase{"UnclosedIntroBlockTakesTheRest",
        Book(QStringLiteral("0\r\n0\r\n"), QStringLiteral("<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\nQUJD\r\nQQ"),
             QString()), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.Intro, QStringLiteral("QUJD\r\nQQ"));
            EXPECT_TRUE(b.Pictures.isEmpty());
        }},
    ReaderCase{"UnclosedCoverBlockLeavesTooFewItems",
        Book(QStringLiteral("0\r\n0\r\n"), QStringLiteral("<cover_begin>\r\nQUJD"), QString()), false, nullptr},
    ReaderCase{"SkipPastTheEnd",
        Book(QStringLiteral("0\r\n0\r\n"), QStringLiteral("<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\n<intr"),
             QString()), true,
        [](const BookDocument &b) { EXPECT_EQ(b.Intro, QString()); }},
    ReaderCase{"LoneCrSwallowsTheNextUnit",
        QStringLiteral("F\rX1.0\r\n42\r\nT\r\nA\r\nR\r\nC\r\n0\r\n0\r\n") + kBlocks + QStringLiteral("\r"), true,
        [](const BookDocument &b) {
            EXPECT_EQ(b.FileType, QStringLiteral("F"));
            EXPECT_EQ(b.Version, QStringLiteral("1.0"));
        }},
    ReaderCase{"ByteOrderMarkBelongsToTheFileType",
        QStringLiteral("\uFEFF") + Book(QStringLiteral("0\r\n0\r\n"), kBlocks, QString()), true,
        [](const BookDocument &b) { EXPECT_EQ(b.FileType, QStringLiteral("\uFEFFPicture Book File (*.vlr)")); }},
    ReaderCase{"PictureLinesOfOddShapes",
        Book(QStringLiteral("0\r\n0\r\n"), kBlocks, QStringLiteral("x\r\n<>\r\n>\r\nabc\r\n<a>\r\n")), true,
        [](const BookDocument &b) {
            EXPECT_EQ(Entries(b), (QList<std::pair<QString, QString>>{
                {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"a", ""}}));
        }},
    ReaderCase{"NoLineEndAtAll", QStringLiteral("just text"), false, nullptr},
    ReaderCase{"Empty", QString(), false, nullptr}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BookFileReaderBytes, OddLastByteIsIgnored)
{
    QByteArray data = ToUtf16Le(Book(QStringLiteral("1\r\n0\r\n"), kBlocks, QString()));
    data.append('\x41');
    BookDocument book;
    ASSERT_TRUE(ParseBookFileData(data, book));
    EXPECT_EQ(book.Rating, 1);
    BookDocument single;
    EXPECT_FALSE(ParseBookFileData(QByteArray("\x41", 1), single));
}

TEST(BookFileReaderFiles, RefusesWhatIsNotARegularReadableFile)
{
    ScratchDir dir;
    BookDocument book;
    EXPECT_FALSE(ReadBookFile(dir.file(QStringLiteral("missing.vlr")), book));
    EXPECT_FALSE(ReadBookFile(dir.path(), book));  // a folder
    const QString fifo = dir.file(QStringLiteral("pipe.vlr"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(ReadBookFile(fifo, book));  // returns instead of blocking
    const QString empty = dir.file(QStringLiteral("empty.vlr"));
    ASSERT_TRUE(WriteAll(empty, QByteArray()));
    EXPECT_FALSE(ReadBookFile(empty, book));
}

TEST(BookFileReaderFiles, RefusesAHugeFileWithoutReadingIt)
{
    ScratchDir dir;
    const QString path = dir.file(QStringLiteral("huge.vlr"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ToUtf16Le(Book(QStringLiteral("0\r\n0\r\n"), kBlocks, QString())));
        ASSERT_TRUE(f.resize(kMaxWholeFileBytes + 2));  // sparse: costs no disk
    }
    BookDocument book;
    EXPECT_FALSE(ReadBookFile(path, book));
    EXPECT_FALSE(ReadRegularFile(path).has_value());
}

TEST(BookFileReaderFiles, ReadsABookTypedByHand)
{
    BookDocument book;
    ASSERT_TRUE(ReadBookFile(QStringLiteral(VELLORA_TEST_DATA "/handwritten.vlr"), book));
    EXPECT_EQ(book.BookId, QStringLiteral("5550123"));
    EXPECT_EQ(book.Title, QStringLiteral("江南水乡"));
    EXPECT_EQ(book.Author, QStringLiteral("王小明"));
    EXPECT_EQ(book.Reserved, QString());
    EXPECT_EQ(book.Category, QStringLiteral("摄影;旅行"));
    EXPECT_EQ(book.Rating, 5);
    EXPECT_EQ(book.PictureCount, 3);
    EXPECT_EQ(book.Cover, QStringLiteral("AAAA"));
    EXPECT_EQ(book.Intro, QStringLiteral("e1xydGYxfQ=="));
    EXPECT_EQ(Entries(book), (QList<std::pair<QString, QString>>{
        {QStringLiteral("[安装目录]\\samples\\桥.jpg"), QStringLiteral("2009-3-7 08:05")},
        {QStringLiteral("/home/li/Pictures/船.gif"), QStringLiteral("2010-12-31 23:59")},
        {QStringLiteral("c:\\pictures\\雨.bmp"), QStringLiteral("2011-1-1 00:00")}}));
    // Written back, the file is the same to the byte.
    ScratchDir dir;
    ASSERT_TRUE(WriteBookFile(dir.file(QStringLiteral("again.vlr")), book));
    EXPECT_EQ(ReadAll(dir.file(QStringLiteral("again.vlr"))), ReadAll(QStringLiteral(VELLORA_TEST_DATA "/handwritten.vlr")));
}
