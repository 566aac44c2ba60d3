#include "editor/PictureRows.h"
#include "editor/FileSizeText.h"

#include "Cases.h"

#include <gtest/gtest.h>

namespace {

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
                                           // 1 073 741 823 bytes: 1 048 575 K, so 1048.57 M, not rounded up.
                                           SizeCase{"MegaTruncated", 1073741823, "1048.57 M"},
                                           SizeCase{"Giga1", 1073741824, "1.02 G"},
                                           // A single decimal keeps its leading zero.
                                           SizeCase{"LeadingZero", 1024ull * 1050, "1.05 M"}),
                         CaseName());

// A list is written as its paths in order with a "*" after each selected
// row, e.g. "a b* c": rows a, b, c with b selected.
PictureRows MakeRows(const QString &layout)
{
    PictureRows rows;
    for (QString name : layout.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        PictureRow row;
        row.selected = name.endsWith(QLatin1Char('*'));
        row.path = row.selected ? name.chopped(1) : name;
        rows.append(row);
    }
    return rows;
}

// The rows back as text, with the number each row shows when it is not its position.
QString Layout(const PictureRows &rows)
{
    QStringList names;
    for (qsizetype i = 0; i < rows.size(); ++i)
        names.append(rows.at(i).path + (rows.at(i).selected ? QStringLiteral("*") : QString())
                     + (rows.at(i).number == QString::number(i) ? QString() : QStringLiteral("#") + rows.at(i).number));
    return names.join(QLatin1Char(' '));
}

enum class Op { Up, Down, Delete, Insert, Append };

struct RowCase {
    const char *name;
    Op op;
    const char *before;
    const char *after;
    const char *chosen = ""; // the files picked for Insert and Append
};

class PictureRowEdits : public ::testing::TestWithParam<RowCase> {};

TEST_P(PictureRowEdits, GiveTheRowsSelectionAndNumbersShown)
{
    const RowCase &c = GetParam();
    PictureRows rows = MakeRows(QString::fromLatin1(c.before));
    RenumberRows(rows);
    // Every file is on disk but "gone".
    const FileLookUp disk = [](const QString &path) { return path == "gone" ? std::nullopt : std::optional(1ull); };
    const QStringList chosen = QString::fromLatin1(c.chosen).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    switch (c.op) {
    case Op::Up: MoveSelectedRowsUp(rows); break;
    case Op::Down: MoveSelectedRowsDown(rows); break;
    case Op::Delete: DeleteSelectedRows(rows); break;
    case Op::Insert:
    case Op::Append:
        const qsizetype anchor = TakeAddAnchor(rows, c.op == Op::Insert ? AddMode::Insert : AddMode::Append);
        AddPictureRows(rows, anchor, chosen, QString(), disk);
        break;
    }
    EXPECT_EQ(Layout(rows), QString::fromLatin1(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, PictureRowEdits,
    ::testing::Values(RowCase{"UpTwoApart", Op::Up, "a b c* d e* f", "a c* b e* d f"},
                      RowCase{"UpRefusedWithRowZero", Op::Up, "a* b c d* e", "a* b c d* e"},
                      RowCase{"DownRefusedWithLastRow", Op::Down, "a b* c d e*", "a b* c d e*"},
                      RowCase{"DownBlockMovesAsBlock", Op::Down, "a b* c* d e", "a d b* c* e"},
                      RowCase{"DeleteTwoOfFive", Op::Delete, "a b* c d* e", "a c e"},
                      RowCase{"InsertAtFirstSelected", Op::Insert, "p q* r s*", "p B* A* q r s", "A B"},
                      RowCase{"AppendBeforeLastSelected", Op::Append, "p q* r s*", "p q r B* A* s", "A B"},
                      RowCase{"AppendWithoutSelectionGoesLast", Op::Append, "p q", "p q A*", "A"},
                      // Rows already listed, missing files and paths a book cannot hold are left out;
                      // the old selection goes all the same.
                      RowCase{"OnlyNewReadableFilesAdded", Op::Insert, "x* y", "A* x y", "x gone a>b A"}),
    CaseName());

} // namespace
