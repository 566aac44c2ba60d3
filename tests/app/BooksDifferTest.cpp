// Which differences between the form's book and the saved book count as a
// change.

#include "app/BooksDiffer.h"
#include "TestFiles.h"
#include "app/RecentFilesMenu.h"
#include "document/BookDocument.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

BookDocument SavedBook()
{
    BookDocument book = BookDocument::MakeNew();
    book.title = QStringLiteral("标题");
    book.author = QStringLiteral("作者");
    book.category = QStringLiteral("童话");
    book.rating = 3;
    book.cover = QStringLiteral("Q292ZXI=");
    book.intro = QStringLiteral("SW50cm8=");
    book.pictures = {PictureEntry(QStringLiteral("/p/1.bmp"), QStringLiteral("2026-1-1 10:00"), 5),
                     PictureEntry(QStringLiteral("/p/2.bmp"), QStringLiteral("2026-1-1 10:01"), 6)};
    book.pictureCount = 2;
    return book;
}

struct DiffCase {
    const char *name;
    std::function<void(BookDocument &)> edit;
    bool differs;
};

class BooksDifferCases : public ::testing::TestWithParam<DiffCase> {};

TEST_P(BooksDifferCases, ComparesExactlyTheNamedFields)
{
    const BookDocument saved = SavedBook();
    BookDocument form = saved;
    GetParam().edit(form);
    EXPECT_EQ(BooksDiffer(form, saved), GetParam().differs);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, BooksDifferCases,
    ::testing::Values(
        DiffCase{"Same", [](BookDocument &) {}, false},
        DiffCase{"FileType", [](BookDocument &b) { b.fileType = QStringLiteral("x"); }, true},
        DiffCase{"Version", [](BookDocument &b) { b.version = QStringLiteral("2.0"); }, true},
        DiffCase{"TitleCase", [](BookDocument &b) { b.title = QStringLiteral("Title"); }, true},
        DiffCase{"Author", [](BookDocument &b) { b.author.clear(); }, true},
        DiffCase{"Category", [](BookDocument &b) { b.category += QLatin1Char(' '); }, true},
        DiffCase{"Reserved", [](BookDocument &b) { b.reserved = QStringLiteral("r"); }, true},
        DiffCase{"Intro", [](BookDocument &b) { b.intro = QStringLiteral("sw50cm8="); }, true},
        DiffCase{"Cover", [](BookDocument &b) { b.cover.clear(); }, true},
        DiffCase{"Rating", [](BookDocument &b) { b.rating = 4; }, true},
        DiffCase{"PictureCount", [](BookDocument &b) { b.pictureCount = 3; }, true},
        DiffCase{"PathAtAPosition", [](BookDocument &b) { b.pictures[1].path = QStringLiteral("/p/3.bmp"); }, true},
        DiffCase{"MissingPosition", [](BookDocument &b) { b.pictures.removeLast(); }, true},
        DiffCase{"BookIdIgnored", [](BookDocument &b) { b.bookId = QStringLiteral("1"); }, false},
        DiffCase{"CompileTimeIgnored", [](BookDocument &b) { b.pictures[0].compileTime = QStringLiteral("x"); }, false},
        DiffCase{"FileSizeIgnored", [](BookDocument &b) { b.pictures[0].fileSize = 99; }, false},
        DiffCase{"ExtraPictureIgnored",
                 [](BookDocument &b) { b.pictures.append(PictureEntry(QStringLiteral("/p/9.bmp"), QString(), 1)); },
                 false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(RecentMenuItemText, NumbersFromOneAndKeepsAmpersandsLiteral)
{
    EXPECT_EQ(RecentMenuItemText(1, QStringLiteral("/书/a.vlr")), QStringLiteral("&1 /书/a.vlr"));
    EXPECT_EQ(RecentMenuItemText(12, QString()), QStringLiteral("&12 "));
    EXPECT_EQ(RecentMenuItemText(2, QStringLiteral("/a&b.vlr")), QStringLiteral("&2 /a&&b.vlr"));
}

} // namespace
