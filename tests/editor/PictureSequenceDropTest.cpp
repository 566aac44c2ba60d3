// Files dragged from a file manager onto the picture sequence list.

#include "editor/PictureSequenceEditor.h"

#include "Cases.h"
#include "TestFiles.h"

#include <QApplication>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QTreeView>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

struct DropCase {
    const char *name;
    QStringList dropped; // file names in the scratch folder
    int row;             // under the pointer; -1: below the last row
    bool accepted;
    const char *rows; // the list afterwards, selected rows with "*"
};

class PictureDrop : public ::testing::TestWithParam<DropCase> {};

TEST_P(PictureDrop, InsertsPicturesAtTheRowByTheAddRules)
{
    const DropCase &c = GetParam();
    ScratchDir dir;
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::green);
    for (const char *name : {"a.png", "b.png", "c.png", "x.png", "y.jpg", "q>r.png"})
        ASSERT_TRUE(image.save(dir.FilePath(QString::fromLatin1(name)), "PNG"));
    ASSERT_TRUE(WriteAll(dir.FilePath(QStringLiteral("notes.txt")), "words"));

    PictureSequenceEditor editor;
    editor.resize(700, 400);
    editor.show();
    for (const char *name : {"a.png", "b.png", "c.png"})
        editor.Entries().append(PictureEntry(dir.FilePath(QString::fromLatin1(name)), QString(), 0));
    editor.FillFromEntries();
    editor.SelectRows({2});

    QMimeData data;
    QList<QUrl> urls;
    for (const QString &name : c.dropped)
        urls.append(QUrl::fromLocalFile(dir.FilePath(name)));
    data.setUrls(urls);
    QWidget *viewport = editor.List()->viewport();
    const QPoint at = c.row < 0 ? QPoint(20, viewport->height() - 4)
                                : editor.List()->visualRect(editor.List()->model()->index(c.row, 1)).center();

    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    EXPECT_EQ(enter.isAccepted(), c.accepted);
    if (c.accepted) {
        EXPECT_EQ(enter.dropAction(), Qt::CopyAction) << "the files are named, never moved";
    }
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);

    QStringList shown;
    int number = 0;
    for (const PictureRow &row : editor.Rows()) {
        EXPECT_EQ(row.number, QString::number(number++)) << "rows renumbered";
        shown.append(QFileInfo(row.path).fileName() + (row.selected ? QStringLiteral("*") : QString()));
    }
    EXPECT_EQ(shown.join(QLatin1Char(' ')), QString::fromUtf8(c.rows));
}

INSTANTIATE_TEST_SUITE_P(
    Drops, PictureDrop,
    ::testing::Values(
        DropCase{"TwoOnTheSecondRow", {"x.png", "y.jpg"}, 1, true, "a.png x.png* y.jpg* b.png c.png"},
        DropCase{"BelowTheLastRow", {"x.png", "y.jpg"}, -1, true, "a.png b.png c.png x.png* y.jpg*"},
        // a text file is no picture; ">" cannot stand in a book's path line
        DropCase{"OnlyWhatABookCarries", {"notes.txt", "q>r.png", "y.jpg"}, 2, true, "a.png b.png y.jpg* c.png"},
        DropCase{"NoPictureRefused", {"notes.txt"}, 0, false, "a.png b.png c.png*"}),
    CaseName());

} // namespace
