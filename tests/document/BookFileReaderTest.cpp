#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "document/FileIo.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {
const QString kHead = QStringLiteral("Picture Book File (*.vlr)\r\n1.0\r\n42\r\nT\r\nA\r\nR\r\nC\r\n");
const QString kBlocks = QStringLiteral("<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\n<intro_end>\r\n");
const QString kZeros = QStringLiteral("0\r\n0\r\n");

QString Book(const QString &numbers, const QString &blocks, const QString &tail)
{
    return kHead + numbers + blocks + tail;
}

using Pairs = QList<std::pair<QString, QString>>;

Pairs Entries(const BookDocument &b)
{
    Pairs out;
    for (const auto &e : b.pictures)
        out.append({e.path, e.compileTime});
    return out;
}

struct ReaderCase {
    const char *name;
    QString text;
    bool ok;
    void (*check)(const BookDocument &);
};

class BookFileReader : public testing::TestWithParam<ReaderCase> {};

// A stray odd last byte changes nothing.
TEST_P(BookFileReader, ReadsTheFileAsTheFormatSays)
{
    for (const QByteArray &bytes : {ToUtf16Le(GetParam().text), ToUtf16Le(GetParam().text) + 'A'}) {
        BookDocument book;
        EXPECT_EQ(ParseBookFileData(bytes, book), GetParam().ok);
        if (GetParam().ok && GetParam().check)
            GetParam().check(book);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BookFileReader,
    testing::Values(
        ReaderCase{"PathWithGreaterThanIsCut", Book(QStringLiteral("0\r\n1\r\n"), kBlocks, QStringLiteral("<a>b.jpg> <T>\r\n")),
                   true, [](const BookDocument &b) { EXPECT_EQ(Entries(b), (Pairs{{"a", "jpg> <T"}})); }},
        // 13 units are skipped after "<": "<CDEFGHIJKLMN"; "OP" starts the next item. "Q" and the
        // real intro block's text are picture lines now.
        ReaderCase{"CoverWithLessThanEndsItsBlockEarly",
                   Book(kZeros, QStringLiteral("<cover_begin>\r\nAB<CDEFGHIJKLMNOP\r\nQ\r\n<intro_begin>\r\nZZ<intro_end>\r\n"), {}),
                   true, [](const BookDocument &b) { EXPECT_EQ(QStringList({b.cover, b.intro, QString::number(b.pictures.size())}), QStringList({"AB", "OP", "2"})); }},
        // "C" is not a number.
        ReaderCase{"TitleWithLineBreakShiftsFields",
                   QStringLiteral("F\r\n1.0\r\n42\r\nT1\r\nT2\r\nA\r\nR\r\nC\r\n0\r\n") + kBlocks + QStringLiteral("<p> <t>\r\n"),
                   true, [](const BookDocument &b) {
                       EXPECT_EQ(std::tuple(b.title, b.author, b.category, b.rating, b.pictureCount, b.pictures.size()),
                                 std::tuple(QStringLiteral("T1"), QStringLiteral("T2"), QStringLiteral("R"), 0, 0, 1)); }},
        ReaderCase{"LastPictureWithoutLineEndIsLost", Book(QStringLiteral("0\r\n2\r\n"), kBlocks, QStringLiteral("<a> <1>\r\n<b> <2>")),
                   true, [](const BookDocument &b) { EXPECT_EQ(Entries(b), (Pairs{{"a", "1"}})); }},
        ReaderCase{"TenItemsAreRefused", Book(kZeros, QStringLiteral("<cover_begin>\r\n<cover_end>\r\n"), {}), false, nullptr},
        // "<intro_begin>" is skipped as the cover's end marker, its CR LF is an
        // empty intro, and the intro's end is a picture line.
        ReaderCase{"LessThanRightAfterTheMarkerGivesAnEmptyBlock",
                   Book(kZeros, QStringLiteral("<cover_begin>\r\n<intro_begin>\r\n<intro_end>\r\n"), QStringLiteral("<a> <1>\r\n")),
                   true, [](const BookDocument &b) { EXPECT_EQ((Pairs{{b.cover, b.intro}} + Entries(b)), (Pairs{{"", ""}, {"intro_end", ""}, {"a", "1"}})); }},
        ReaderCase{"UnclosedIntroBlockTakesTheRest",
                   Book(kZeros, QStringLiteral("<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\nQUJD\r\nQQ"), {}), true,
                   [](const BookDocument &b) { EXPECT_EQ(std::pair(b.intro, b.pictures.size()), std::pair(QStringLiteral("QUJD\r\nQQ"), qsizetype(0))); }},
        ReaderCase{"LoneCrSwallowsTheNextUnit",
                   QStringLiteral("F\rX1.0\r\n42\r\nT\r\nA\r\nR\r\nC\r\n0\r\n0\r\n") + kBlocks + QStringLiteral("\r"), true,
                   [](const BookDocument &b) { EXPECT_EQ(QStringList({b.fileType, b.version}), QStringList({"F", "1.0"})); }},
        ReaderCase{"ByteOrderMarkBelongsToTheFileType", QStringLiteral("\uFEFF") + Book(kZeros, kBlocks, {}), true,
                   [](const BookDocument &b) { EXPECT_EQ(b.fileType, QStringLiteral("\uFEFFPicture Book File (*.vlr)")); }},
        ReaderCase{"Empty", QString(), false, nullptr}),
    [](const auto &instance) { return std::string(instance.param.name); });

TEST(BookFileReaderFiles, RefusesAHugeFileWithoutReadingIt)
{
    ScratchDir dir;
    const QString huge = dir.FilePath(QStringLiteral("huge.vlr"));
    ASSERT_TRUE(WriteAll(huge, ToUtf16Le(Book(kZeros, kBlocks, QString()))));
    ASSERT_TRUE(QFile(huge).resize(kMaxWholeFileBytes + 2)); // sparse: costs no disk
    BookDocument book;
    EXPECT_FALSE(ReadBookFile(huge, book));
}

// Its numbers and pictures are checked by the write back.
TEST(BookFileReaderFiles, ReadsABookTypedByHandAndWritesItBackToTheByte)
{
    const QString fixture = QStringLiteral(VELLORA_TEST_DATA "/handwritten.vlr");
    BookDocument book;
    ASSERT_TRUE(ReadBookFile(fixture, book));
    EXPECT_EQ(QStringList({book.bookId, book.title, book.author, book.reserved, book.category, book.cover, book.intro}),
              QStringList({"5550123", "江南水乡", "王小明", "", "摄影;旅行", "AAAA", "e1xydGYxfQ=="}));
    ScratchDir dir;
    ASSERT_TRUE(WriteBookFile(dir.FilePath(QStringLiteral("again.vlr")), book));
    EXPECT_EQ(ReadAll(dir.FilePath(QStringLiteral("again.vlr"))), ReadAll(fixture));
}
} // namespace
