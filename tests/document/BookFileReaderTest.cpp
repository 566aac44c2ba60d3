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
    for (const auto &e : b.pictures)
        out.append({e.path, e.compileTime});
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

using Pairs = QList<std::pair<QString, QString>>;
const QString kZeros = QStringLiteral("0\r\n0\r\n");

INSTANTIATE_TEST_SUITE_P(
    Files, BookFileReader,
    testing::Values(
        ReaderCase{"PathWithGreaterThanIsCut",
                   Book(QStringLiteral("0\r\n1\r\n"), kBlocks, QStringLiteral("<a>b.jpg> <T>\r\n")), true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(Entries(b), (Pairs{{"a", "jpg> <T"}}));
                   }},
        // 13 units are skipped after "<": "<CDEFGHIJKLMN"; "OP" starts the next item. "Q" and the
        // real intro block's text are picture lines now.
        ReaderCase{"CoverWithLessThanEndsItsBlockEarly",
                   Book(kZeros,
                        QStringLiteral("<cover_begin>\r\nAB<CDEFGHIJKLMNOP\r\nQ\r\n<intro_begin>\r\nZZ<intro_end>\r\n"),
                        {}),
                   true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(QStringList({b.cover, b.intro}), QStringList({"AB", "OP"}));
                       EXPECT_EQ(b.pictures.size(), 2);
                   }},
        // "C" is not a number.
        ReaderCase{"TitleWithLineBreakShiftsFields",
                   QStringLiteral("F\r\n1.0\r\n42\r\nT1\r\nT2\r\nA\r\nR\r\nC\r\n0\r\n") + kBlocks
                       + QStringLiteral("<p> <t>\r\n"),
                   true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(QStringList({b.title, b.author, b.category}), QStringList({"T1", "T2", "R"}));
                       EXPECT_EQ(std::tuple(b.rating, b.pictureCount, b.pictures.size()), std::tuple(0, 0, 1));
                   }},
        ReaderCase{"MarkerAsTitleOpensABlock",
                   QStringLiteral("F\r\nV\r\n42\r\n<cover_begin>\r\nAB<cover_end>\r\nR\r\nC\r\n1\r\n2\r\nx\r\n")
                       + kBlocks,
                   true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(QStringList({b.title, b.author}), QStringList({"AB", "R"}));
                   }},
        ReaderCase{"LastPictureWithoutLineEndIsLost",
                   Book(QStringLiteral("0\r\n2\r\n"), kBlocks, QStringLiteral("<a> <1>\r\n<b> <2>")), true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(Entries(b), (Pairs{{"a", "1"}}));
                   }},
        ReaderCase{"TenItemsAreRefused", Book(kZeros, QStringLiteral("<cover_begin>\r\n<cover_end>\r\n"), {}), false,
                   nullptr},
        // Numbers are read as ParseNumber reads them (its own table has the syntax); what is none leaves zero.
        ReaderCase{"NumbersAsParseNumberReadsThem", Book(QStringLiteral(" 5 \r\nx\r\n"), kBlocks, {}), true,
                   [](const BookDocument &b) { EXPECT_EQ(std::pair(b.rating, b.pictureCount), std::pair(5, 0)); }},
        // The empty line is skipped.
        ReaderCase{"CountAndLinesDisagree",
                   Book(QStringLiteral("0\r\n7\r\n"), kBlocks, QStringLiteral("<a> <1>\r\n\r\n<b> <2>\r\n")), true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(std::pair(b.pictureCount, b.pictures.size()), std::pair(7, qsizetype(2)));
                   }},
        ReaderCase{"ClosingMarkerOnItsOwnLine",
                   Book(kZeros,
                        QStringLiteral("<cover_begin>\r\nQUJD\r\n<cover_end>\r\n<intro_begin>\r\nQQ==<intro_end>\r\n"),
                        {}),
                   true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(QStringList({b.cover, b.intro}), QStringList({"QUJD\r\n", "QQ=="}));
                   }},
        // "<intro_begin>" is skipped as the cover's end marker, its CR LF is an
        // empty intro, and the intro's end is a picture line.
        ReaderCase{"LessThanRightAfterTheMarkerGivesAnEmptyBlock",
                   Book(kZeros, QStringLiteral("<cover_begin>\r\n<intro_begin>\r\n<intro_end>\r\n"),
                        QStringLiteral("<a> <1>\r\n")),
                   true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(QStringList({b.cover, b.intro}), QStringList({"", ""}));
                       EXPECT_EQ(Entries(b), (Pairs{{"intro_end", ""}, {"a", "1"}}));
                   }},
        ReaderCase{"UnclosedIntroBlockTakesTheRest",
                   Book(kZeros, QStringLiteral("<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\nQUJD\r\nQQ"), {}),
                   true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(b.intro, QStringLiteral("QUJD\r\nQQ"));
                       EXPECT_TRUE(b.pictures.isEmpty());
                   }},
        ReaderCase{"UnclosedCoverBlockLeavesTooFewItems", Book(kZeros, QStringLiteral("<cover_begin>\r\nQUJD"), {}),
                   false, nullptr},
        ReaderCase{"SkipPastTheEnd",
                   Book(kZeros, QStringLiteral("<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\n<intr"), {}), true,
                   [](const BookDocument &b) { EXPECT_EQ(b.intro, QString()); }},
        ReaderCase{"LoneCrSwallowsTheNextUnit",
                   QStringLiteral("F\rX1.0\r\n42\r\nT\r\nA\r\nR\r\nC\r\n0\r\n0\r\n") + kBlocks + QStringLiteral("\r"),
                   true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(QStringList({b.fileType, b.version}), QStringList({"F", "1.0"}));
                   }},
        ReaderCase{
            "ByteOrderMarkBelongsToTheFileType", QStringLiteral("\uFEFF") + Book(kZeros, kBlocks, {}), true,
            [](const BookDocument &b) { EXPECT_EQ(b.fileType, QStringLiteral("\uFEFFPicture Book File (*.vlr)")); }},
        ReaderCase{"PictureLinesOfOddShapes", Book(kZeros, kBlocks, QStringLiteral("x\r\n<>\r\n>\r\nabc\r\n<a>\r\n")),
                   true,
                   [](const BookDocument &b) {
                       EXPECT_EQ(Entries(b), (Pairs{{"", ""}, {"", ""}, {"", ""}, {"", ""}, {"a", ""}}));
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
    EXPECT_EQ(book.rating, 1);
    BookDocument single;
    EXPECT_FALSE(ParseBookFileData(QByteArray("\x41", 1), single));
}

TEST(BookFileReaderFiles, RefusesWhatIsNotARegularReadableFile)
{
    ScratchDir dir;
    BookDocument book;
    EXPECT_FALSE(ReadBookFile(dir.FilePath(QStringLiteral("missing.vlr")), book));
    EXPECT_FALSE(ReadBookFile(dir.Path(), book)); // a folder
    const QString fifo = dir.FilePath(QStringLiteral("pipe.vlr"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_FALSE(ReadBookFile(fifo, book)); // returns instead of blocking
    const QString empty = dir.FilePath(QStringLiteral("empty.vlr"));
    ASSERT_TRUE(WriteAll(empty, QByteArray()));
    EXPECT_FALSE(ReadBookFile(empty, book));
}

TEST(BookFileReaderFiles, RefusesAHugeFileWithoutReadingIt)
{
    ScratchDir dir;
    const QString path = dir.FilePath(QStringLiteral("huge.vlr"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ToUtf16Le(Book(QStringLiteral("0\r\n0\r\n"), kBlocks, QString())));
        ASSERT_TRUE(f.resize(kMaxWholeFileBytes + 2)); // sparse: costs no disk
    }
    BookDocument book;
    EXPECT_FALSE(ReadBookFile(path, book));
    EXPECT_FALSE(ReadRegularFile(path).has_value());
}

TEST(BookFileReaderFiles, ReadsABookTypedByHandAndWritesItBackToTheByte)
{
    const QString fixture = QStringLiteral(VELLORA_TEST_DATA "/handwritten.vlr");
    BookDocument book;
    ASSERT_TRUE(ReadBookFile(fixture, book));
    EXPECT_EQ(QStringList({book.fileType, book.version, book.bookId, book.title, book.author, book.reserved,
                           book.category, book.cover, book.intro}),
              QStringList({QStringLiteral("Picture Book File (*.vlr)"), QStringLiteral("1.0"),
                           QStringLiteral("5550123"), QStringLiteral("江南水乡"), QStringLiteral("王小明"), QString(),
                           QStringLiteral("摄影;旅行"), QStringLiteral("AAAA"), QStringLiteral("e1xydGYxfQ==")}));
    EXPECT_EQ(std::pair(book.rating, book.pictureCount), std::pair(5, 3));
    EXPECT_EQ(Entries(book), (QList<std::pair<QString, QString>>{
                                 {QStringLiteral("[安装目录]\\samples\\桥.jpg"), QStringLiteral("2009-3-7 08:05")},
                                 {QStringLiteral("/home/li/Pictures/船.gif"), QStringLiteral("2010-12-31 23:59")},
                                 {QStringLiteral("c:\\pictures\\雨.bmp"), QStringLiteral("2011-1-1 00:00")}}));
    EXPECT_EQ(book.pictures[0].fileSize, 0u);
    ScratchDir dir;
    ASSERT_TRUE(WriteBookFile(dir.FilePath(QStringLiteral("again.vlr")), book));
    EXPECT_EQ(ReadAll(dir.FilePath(QStringLiteral("again.vlr"))), ReadAll(fixture));
}
