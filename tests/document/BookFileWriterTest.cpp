#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "document/FileIo.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
BookDocument FixedBook()
{
    BookDocument book = BookDocument::MakeNew();
    book.bookId = QStringLiteral("901234");
    return book;
}
} // namespace

TEST(BookFileWriter, NewBookIsExactlyTheTitlePageLinesAndReplacesAnOlderFile)
{
    ScratchDir dir;
    const QString path = dir.FilePath(QStringLiteral("new.vlr"));
    BookDocument older = FixedBook();
    older.title = QStringLiteral("a longer title than the new book has");
    older.pictures.append(PictureEntry(QStringLiteral("/p/a.jpg"), QStringLiteral("t"), 0));
    ASSERT_TRUE(WriteBookFile(path, older));
    ASSERT_TRUE(WriteBookFile(path, FixedBook()));
    const QString expected = QStringLiteral("Picture Book File (*.vlr)\r\n1.0\r\n901234\r\n\r\n\r\n\r\n\r\n0\r\n0\r\n"
                                            "<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\n<intro_end>\r\n");
    const QByteArray bytes = ReadAll(path);
    EXPECT_EQ(bytes, ToUtf16Le(expected));
    // No byte-order mark: the file starts with "P" 00.
    EXPECT_EQ(bytes.left(2), QByteArray("P\0", 2));
}

// A book with pictures, cover and introduction: the hand-written fixture, written back to the byte.

struct RefusedCase {
    const char *name;
    void (*spoil)(BookDocument &);
};

class BookFileWriterRefuses : public testing::TestWithParam<RefusedCase> {};

TEST_P(BookFileWriterRefuses, WhatWouldNotReadBackAndKeepsTheOldFile)
{
    ScratchDir dir;
    const QString path = dir.FilePath(QStringLiteral("b.vlr"));
    ASSERT_TRUE(WriteAll(path, "old"));
    BookDocument book = FixedBook();
    book.pictures = {PictureEntry(QStringLiteral("/p/a.jpg"), QStringLiteral("2026-1-1 00:00"), 0)};
    GetParam().spoil(book);
    EXPECT_FALSE(BookWriteProblem(book).isEmpty());
    EXPECT_FALSE(WriteBookFile(path, book));
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
}

INSTANTIATE_TEST_SUITE_P(
    Books, BookFileWriterRefuses,
    testing::Values(
        RefusedCase{"TitleCr", [](BookDocument &b) { b.title = QStringLiteral("a\rb"); }},
        RefusedCase{"AuthorLf", [](BookDocument &b) { b.author = QStringLiteral("a\nb"); }},
        RefusedCase{"ReservedCrLf", [](BookDocument &b) { b.reserved = QStringLiteral("x\r\n"); }},
        RefusedCase{"CategoryMarker", [](BookDocument &b) { b.category = QStringLiteral("<cover_begin>"); }},
        RefusedCase{"FileTypeMarker", [](BookDocument &b) { b.fileType = QStringLiteral("<intro_begin>"); }},
        RefusedCase{"CoverLt", [](BookDocument &b) { b.cover = QStringLiteral("AA<AA"); }},
        RefusedCase{"IntroLt", [](BookDocument &b) { b.intro = QStringLiteral("<"); }},
        RefusedCase{"PathGt", [](BookDocument &b) { b.pictures[0].path = QStringLiteral("/p/a>b.jpg"); }},
        RefusedCase{"PathLf", [](BookDocument &b) { b.pictures[0].path = QStringLiteral("/p/a\nb.jpg"); }},
        RefusedCase{"TimeCr", [](BookDocument &b) { b.pictures[0].compileTime = QStringLiteral("1\r2"); }},
        RefusedCase{"TimeGt", [](BookDocument &b) { b.pictures[0].compileTime = QStringLiteral("1>2"); }}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(BookFileWriter, MarkerTextsInsideALongerTitleAreFineAnUnwritableTargetIsNot)
{
    BookDocument book = FixedBook();
    book.title = QStringLiteral(" <cover_begin>");
    book.author = QStringLiteral("a<b>c");
    EXPECT_TRUE(BookWriteProblem(book).isEmpty());
    ScratchDir dir;
    EXPECT_FALSE(WriteBookFile(dir.FilePath(QStringLiteral("no/such/folder/b.vlr")), FixedBook()));
    // A folder in the way of the file.
    ASSERT_TRUE(QDir().mkpath(dir.FilePath(QStringLiteral("taken.vlr"))));
    EXPECT_FALSE(WriteBookFile(dir.FilePath(QStringLiteral("taken.vlr")), FixedBook()));
}
