#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "document/FileIo.h"

#include "TestFiles.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {
BookDocument FixedBook()
{
    BookDocument book = BookDocument::MakeNew();
    book.bookId = QStringLiteral("901234");
    book.pictures = {PictureEntry(QStringLiteral("/p/a.jpg"), FormatCompileTime(QDateTime(QDate(2009, 3, 7), QTime(8, 5))), 0)};
    book.pictureCount = 1;
    return book;
}

// A book with cover and introduction: the hand-written fixture, written back
// to the byte. Marker texts inside a longer field are fine.
TEST(BookFileWriter, ABookIsExactlyItsLinesAndReplacesAnOlderFile)
{
    ScratchDir dir;
    const QString path = dir.FilePath(QStringLiteral("new.vlr"));
    BookDocument book = FixedBook();
    book.title = QStringLiteral("a longer title than the new book has");
    ASSERT_TRUE(WriteBookFile(path, book));
    book.title = QStringLiteral(" <cover_begin>");
    book.author = QStringLiteral("a<b>c");
    ASSERT_TRUE(WriteBookFile(path, book));
    // No byte-order mark: the file starts with "P" 00.
    EXPECT_EQ(ReadAll(path), ToUtf16Le(QStringLiteral("Picture Book File (*.vlr)\r\n1.0\r\n901234\r\n <cover_begin>\r\na<b>c\r\n\r\n\r\n0\r\n1\r\n"
                                                      "<cover_begin>\r\n<cover_end>\r\n<intro_begin>\r\n<intro_end>\r\n"
                                                      "</p/a.jpg> <2009-3-7 08:05>\r\n")));
}

// What would not read back is refused, and the old file stays.
TEST(BookFileWriter, RefusesTextsTheFormatCannotCarry)
{
    ScratchDir dir;
    const QString path = dir.FilePath(QStringLiteral("b.vlr"));
    ASSERT_TRUE(WriteAll(path, "old"));
    const std::pair<const char *, void (*)(BookDocument &)> spoilers[] = {
        {"TitleCr", [](BookDocument &b) { b.title = QStringLiteral("a\rb"); }},
        {"CategoryMarker", [](BookDocument &b) { b.category = QStringLiteral("<cover_begin>"); }},
        {"IntroLt", [](BookDocument &b) { b.intro = QStringLiteral("<"); }},
        {"PathGt", [](BookDocument &b) { b.pictures[0].path = QStringLiteral("/p/a>b.jpg"); }},
        {"TimeCr", [](BookDocument &b) { b.pictures[0].compileTime = QStringLiteral("1\r2"); }}};
    for (const auto &[name, spoil] : spoilers) {
        BookDocument book = FixedBook();
        spoil(book);
        EXPECT_FALSE(BookWriteProblem(book).isEmpty()) << name;
        EXPECT_FALSE(WriteBookFile(path, book)) << name;
    }
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
}
} // namespace
