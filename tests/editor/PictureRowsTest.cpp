#include "editor/PictureRows.h"
#include "editor/FileSizeText.h"

#include "Cases.h"

#include <QMap>
#include <gtest/gtest.h>

namespace {

// ---- The size column ---------------------------------------------------

struct SizeCase {
    const char *name;
    std::uint64_t bytes;
    const char *text;
};

class FileSizeText : public ::testing::TestWithParam<SizeCase> {};

TEST_P(FileSizeText, ShowsTheTruncatedSizeInItsUnit)
{
    EXPECT_EQ(FormatFileSize(GetParam().bytes), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Boundaries, FileSizeText,
                         ::testing::Values(SizeCase{"Bytes1023", 1023, "1023B"}, SizeCase{"Kilo1", 1024, "1 K"},
                                           SizeCase{"Kilo1023", 1048575, "1023 K"},
                                           SizeCase{"Mega1", 1048576, "1.02 M"},
                                           // 1 073 741 823 bytes: 1 048 575 K, so 1048.57 M, not rounded up.
                                           SizeCase{"MegaTruncated", 1073741823, "1048.57 M"},
                                           SizeCase{"Giga1", 1073741824, "1.02 G"},
                                           // A single decimal keeps its leading zero.
                                           SizeCase{"LeadingZero", 1024ull * 1050, "1.05 M"}),
                         CaseName());

// ---- Rows described as text ----------------------------------------------
//
// A list is written as its paths in order with a "*" after each selected
// row, e.g. "a b* c": rows a, b, c with b selected.

PictureRows MakeRows(const QString &layout)
{
    PictureRows rows;
    for (QString name : layout.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        PictureRow row;
        row.selected = name.endsWith(QLatin1Char('*'));
        if (row.selected)
            name.chop(1);
        row.path = name;
        row.size = name + QStringLiteral("-size");
        row.compileTime = name + QStringLiteral("-time");
        rows.append(row);
    }
    RenumberRows(rows);
    return rows;
}

QString Layout(const PictureRows &rows)
{
    QStringList names;
    for (const PictureRow &row : rows)
        names.append(row.path + (row.selected ? QStringLiteral("*") : QString()));
    return names.join(QLatin1Char(' '));
}

// Every row numbered by its position, its size and time texts still its own.
void ExpectRowsIntact(const PictureRows &rows)
{
    for (qsizetype i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows.at(i).number, QString::number(i));
        EXPECT_EQ(rows.at(i).size, rows.at(i).path + QStringLiteral("-size"));
        EXPECT_EQ(rows.at(i).compileTime, rows.at(i).path + QStringLiteral("-time"));
    }
}

// ---- Moves and deletion ------------------------------------------------------

enum class Op { Up, Down, Delete };

struct MoveCase {
    const char *name;
    Op op;
    const char *before;
    const char *after;
    bool done;
};

class RowOperations : public ::testing::TestWithParam<MoveCase> {};

TEST_P(RowOperations, GiveTheExpectedOrderAndSelection)
{
    const MoveCase &c = GetParam();
    PictureRows rows = MakeRows(QString::fromLatin1(c.before));
    bool done = true;
    switch (c.op) {
    case Op::Up: done = MoveSelectedRowsUp(rows); break;
    case Op::Down: done = MoveSelectedRowsDown(rows); break;
    case Op::Delete: DeleteSelectedRows(rows); break;
    }
    EXPECT_EQ(done, c.done);
    EXPECT_EQ(Layout(rows), QString::fromLatin1(c.after));
    ExpectRowsIntact(rows);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RowOperations,
    ::testing::Values(MoveCase{"UpTwoApart", Op::Up, "a b c* d e* f", "a c* b e* d f", true},
                      MoveCase{"UpRefusedWithRowZero", Op::Up, "a* b c d* e f", "a* b c d* e f", false},
                      MoveCase{"DownRefusedWithLastRow", Op::Down, "a b* c d e f*", "a b* c d e f*", false},
                      MoveCase{"UpBlockMovesAsBlock", Op::Up, "a b c* d* e", "a c* d* b e", true},
                      MoveCase{"DownTwoApart", Op::Down, "a b* c d* e f", "a c b* e d* f", true},
                      MoveCase{"DeleteTwoOfFive", Op::Delete, "a b* c d* e", "a c e", true}),
    CaseName());

// ---- Adding files --------------------------------------------------------------

// Files "on disk" by name, with their sizes.
FileLookUp Disk(const QMap<QString, std::uint64_t> &files)
{
    return [files](const QString &path) -> std::optional<std::uint64_t> {
        if (!files.contains(path))
            return std::nullopt;
        return files.value(path);
    };
}

struct AddCase {
    const char *name;
    const char *before;
    AddMode mode;
    const char *chosen;
    const char *after;
    qsizetype added;
};

class AddFiles : public ::testing::TestWithParam<AddCase> {};

TEST_P(AddFiles, PutsTheNewRowsAtTheAnchorAndSelectsExactlyThem)
{
    const AddCase &c = GetParam();
    const auto disk = Disk({{"A", 1}, {"B", 2048}, {"C", 3}, {"x", 4}, {"a>b", 7}, {"a\nb", 8}});
    PictureRows rows = MakeRows(QString::fromLatin1(c.before));
    const qsizetype anchor = TakeAddAnchor(rows, c.mode);
    const QStringList chosen = QString::fromLatin1(c.chosen).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_EQ(AddPictureRows(rows, anchor, chosen, QStringLiteral("2009-3-7 08:05"), disk), c.added);
    EXPECT_EQ(Layout(rows), QString::fromLatin1(c.after));
    for (qsizetype i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows.at(i).number, QString::number(i));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, AddFiles,
    ::testing::Values(AddCase{"InsertAtFirstSelected", "p q r s* t u*", AddMode::Insert, "A", "p q r A* s t u", 1},
                      AddCase{"AppendBeforeLastSelected", "p q r s* t u*", AddMode::Append, "A", "p q r s t A* u", 1},
                      AddCase{"InsertWithoutSelectionGoesFirst", "p q", AddMode::Insert, "A B", "B* A* p q", 2},
                      AddCase{"AppendWithoutSelectionGoesLast", "p q", AddMode::Append, "A B", "p q B* A*", 2},
                      AddCase{"PathAlreadyListedIsSkipped", "x y", AddMode::Append, "A x B", "x y B* A*", 2},
                      AddCase{"MissingFileIsSkipped", "p", AddMode::Append, "A gone C", "p C* A*", 2},
                      AddCase{"PathsABookCannotHoldAreSkipped", "", AddMode::Insert, "a>b a\nb A", "A*", 1},
                      // Confirmed but nothing added: the old selection is gone all the same.
                      AddCase{"NothingAddedStillClearsSelection", "p* q", AddMode::Insert, "gone", "p q", 0}),
    CaseName());

TEST(AddFiles, AnOverlongPathEndsTheEnumeration)
{
    const QString longest = QStringLiteral("/") + QString(kMaxPicturePathLength - 1, QLatin1Char('p'));
    const QString tooLong = longest + QLatin1Char('p');
    const QMap<QString, std::uint64_t> files{{longest, 1}, {tooLong, 1}, {"A", 1}, {"B", 1}};
    PictureRows rows;
    EXPECT_EQ(AddPictureRows(rows, 0, {"A", longest, tooLong, "B"}, QString(), Disk(files)), 2);
    EXPECT_EQ(Layout(rows), longest + QStringLiteral("* A*"));
}

} // namespace
