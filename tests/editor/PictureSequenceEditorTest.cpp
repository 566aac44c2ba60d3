#include "editor/PictureSequenceEditor.h"

#include "document/AppDirectories.h"
#include "document/PicturePath.h"
#include "ui/StringTable.h"

#include "TestFiles.h"

#include <QDir>
#include <QHeaderView>
#include <QToolButton>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

class PictureSequenceEditorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir().mkpath(dir_.FilePath(QStringLiteral("bin")));
        SetApplicationDirectory(dir_.FilePath(QStringLiteral("bin/")));
    }
    void TearDown() override { SetApplicationDirectory(QString()); }

    // A picture file of `bytes` bytes in the scratch folder (or below the
    // application folder), full path returned.
    QString Picture(const QString &name, int bytes)
    {
        const QString path = dir_.FilePath(name);
        EXPECT_TRUE(WriteAll(path, QByteArray(bytes, 'p')));
        return path;
    }

    QStringList Pictures(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i)
            paths.append(Picture(QStringLiteral("%1.jpg").arg(i), 1));
        return paths;
    }

    QStringList Column(int column)
    {
        QStringList texts;
        QAbstractItemModel *model = view_.List()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts.append(model->index(row, column).data().toString());
        return texts;
    }

    QList<int> Selected()
    {
        QList<int> rows;
        const PictureRows shown = view_.Rows();
        for (int i = 0; i < shown.size(); ++i) {
            if (shown.at(i).selected)
                rows.append(i);
        }
        return rows;
    }

    void ShowEntries(const QStringList &paths)
    {
        view_.Entries().clear();
        for (const QString &path : paths) {
            PictureEntry entry;
            entry.path = path;
            entry.compileTime = QStringLiteral("2009-3-7 08:05");
            view_.Entries().append(entry);
        }
        view_.FillFromEntries();
    }

    ScratchDir dir_;
    PictureSequenceEditor view_;
};

TEST_F(PictureSequenceEditorTest, ListHasItsColumnsAndButtonsTheirToolTips)
{
    QHeaderView *header = view_.List()->header();
    QAbstractItemModel *model = view_.List()->model();
    ASSERT_EQ(model->columnCount(), 4);
    const QStringList headers{QStringLiteral("#"), QStringLiteral("文件路径"), QStringLiteral("文件大小"),
                              QStringLiteral("编译时间")};
    const int widths[] = {60, 500, 100, 150};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(model->headerData(c, Qt::Horizontal).toString(), headers.at(c));
        EXPECT_EQ(header->sectionSize(c), widths[c]);
    }
    EXPECT_FALSE(header->sectionsClickable());
    const char16_t *tips[] = {u"上移", u"下移", u"加入", u"删除", u"追加"};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(view_.Button(1013 + i)->toolTip(), QString::fromUtf16(tips[i]));
}

TEST_F(PictureSequenceEditorTest, ResizeKeepsTheButtonColumnAtTheRightEdge)
{
    const int m = view_.List()->x();
    const int w = view_.Button(1013)->width();
    const QList<int> tops{view_.Button(1013)->y(), view_.Button(1014)->y(), view_.Button(1015)->y(),
                          view_.Button(1016)->y(), view_.Button(1017)->y()};
    view_.show();
    for (const QSize size : {QSize(700, 400), QSize(300, 200), QSize(1270, 600)}) {
        view_.resize(size);
        const int c = size.width() - 3 * m - w;
        EXPECT_EQ(view_.List()->geometry(), QRect(m, m, size.width() - 5 * m - w, size.height() - 2 * m));
        EXPECT_EQ(view_.Button(1013)->x(), c + m);
        EXPECT_EQ(view_.Button(1014)->x(), c + m);
        const int centred = c + ((size.width() - m - c) - view_.Button(1015)->width()) / 2;
        for (int id : {1015, 1016, 1017})
            EXPECT_EQ(view_.Button(id)->x(), centred);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(view_.Button(1013 + i)->y(), tops.at(i));
    }
}

TEST_F(PictureSequenceEditorTest, MovesClearTheFocusMarkAndKeepTheMovedRowsSelected)
{
    const QStringList p = Pictures(6);
    ShowEntries(p);
    view_.SelectRows({2, 4});
    // The focus mark on a row that is not selected: that row must not move.
    view_.SetCurrentRow(1);
    view_.OnMoveUp();
    EXPECT_EQ(Column(1), QStringList({p[0], p[2], p[1], p[4], p[3], p[5]}));
    EXPECT_EQ(Column(0), QStringList({"0", "1", "2", "3", "4", "5"}));
    EXPECT_EQ(Selected(), QList<int>({1, 3}));
    EXPECT_EQ(view_.CurrentRow(), -1);

    view_.OnMoveDown();
    EXPECT_EQ(Column(1), p);
    EXPECT_EQ(Selected(), QList<int>({2, 4}));
}

TEST_F(PictureSequenceEditorTest, RefusedMoveChangesNothingNotEvenTheFocusMark)
{
    const QStringList p = Pictures(3);
    ShowEntries(p);
    view_.SelectRows({0, 2});
    view_.SetCurrentRow(1);
    view_.OnMoveUp();
    view_.OnMoveDown();
    EXPECT_EQ(Column(1), p);
    EXPECT_EQ(Selected(), QList<int>({0, 2}));
    EXPECT_EQ(view_.CurrentRow(), 1);
}

TEST_F(PictureSequenceEditorTest, DeleteRemovesTheSelectedRowsAndSelectsNone)
{
    const QStringList paths = Pictures(5);
    ShowEntries(paths);
    view_.SelectRows({1, 3});
    view_.OnDeletePictures();
    EXPECT_EQ(Column(1), QStringList({paths[0], paths[2], paths[4]}));
    EXPECT_EQ(Column(0), QStringList({"0", "1", "2"}));
    EXPECT_TRUE(Selected().isEmpty());
    // The buttons never touch the entry array.
    EXPECT_EQ(view_.Entries().size(), 5);
}

TEST_F(PictureSequenceEditorTest, AddedFilesStandInReverseAtTheAnchorAndAreSelected)
{
    const QStringList paths = Pictures(6);
    ShowEntries(paths);
    const QString a = Picture(QStringLiteral("A.jpg"), 10), b = Picture(QStringLiteral("B.jpg"), 2048),
                  c = Picture(QStringLiteral("C.gif"), 3);
    view_.SelectRows({3, 5});
    view_.SetFileChooser([&](QWidget *) { return QStringList{a, b, c}; });
    view_.OnInsertPictures();
    EXPECT_EQ(Column(1), QStringList({paths[0], paths[1], paths[2], c, b, a, paths[3], paths[4], paths[5]}));
    EXPECT_EQ(Selected(), QList<int>({3, 4, 5}));
    EXPECT_EQ(Column(2).mid(3, 3), QStringList({"3B", "2 K", "10B"}));
    const QStringList times = Column(3);
    EXPECT_EQ(times.at(3), times.at(5));
    EXPECT_NE(times.at(3), QStringLiteral("2009-3-7 08:05"));
    EXPECT_EQ(Column(0).last(), QStringLiteral("8"));
}

TEST_F(PictureSequenceEditorTest, CancelledDialogKeepsEvenTheSelection)
{
    const QStringList p = Pictures(2);
    ShowEntries(p);
    view_.SelectRows({1});
    view_.SetFileChooser([](QWidget *) { return QStringList(); });
    view_.OnAppendPictures();
    EXPECT_EQ(Column(1), p);
    EXPECT_EQ(Selected(), QList<int>({1}));
}

TEST_F(PictureSequenceEditorTest, PictureUnderTheApplicationFolderIsStoredWithThePlaceholder)
{
    ASSERT_TRUE(QDir().mkpath(dir_.FilePath(QStringLiteral("bin/Pics"))));
    const QString inside = dir_.FilePath(QStringLiteral("bin/Pics/Cat.jpg"));
    ASSERT_TRUE(WriteAll(inside, QByteArray(2000, 'c')));
    view_.AddPictureFiles(AddMode::Append, {inside});
    EXPECT_EQ(Column(1), QStringList({inside}));

    view_.CollectEntries();
    ASSERT_EQ(view_.Entries().size(), 1);
    const QString stored = QString::fromUtf16(kInstallDirPlaceholder) + QStringLiteral("Pics\\Cat.jpg");
    EXPECT_EQ(view_.Entries().at(0).path, stored);
    EXPECT_EQ(view_.Entries().at(0).fileSize, 2000u);

    view_.FillFromEntries();
    EXPECT_EQ(Column(1), QStringList({stored}));
    EXPECT_EQ(Column(2), QStringList({"1 K"}));
}

TEST_F(PictureSequenceEditorTest, MissingFileKeepsItsSizeWhenShownAndGetsZeroWhenGathered)
{
    // Texts far longer than 255 characters come back whole as well.
    PictureEntry entry;
    entry.path = dir_.FilePath(QStringLiteral("gone-") + QString(600, QLatin1Char('n')));
    entry.compileTime = QString(300, QLatin1Char('t'));
    entry.fileSize = 5242880;
    view_.Entries() = {entry};
    view_.FillFromEntries();
    EXPECT_EQ(Column(2), QStringList({"5.12 M"}));
    EXPECT_EQ(view_.Entries().at(0).fileSize, 5242880u);
    view_.CollectEntries();
    EXPECT_EQ(view_.Entries().at(0).fileSize, 0u);
    EXPECT_EQ(view_.Entries().at(0).path, entry.path);
    EXPECT_EQ(view_.Entries().at(0).compileTime, entry.compileTime);
}

TEST_F(PictureSequenceEditorTest, TenThousandRowsFillMoveAndComeBackInOrder)
{
    constexpr int kRows = 10000;
    QList<PictureEntry> entries;
    for (int i = 0; i < kRows; ++i) {
        PictureEntry entry;
        entry.path = QStringLiteral("/nowhere/p%1.jpg").arg(i);
        entry.compileTime = QStringLiteral("2009-3-7 08:05");
        entries.append(entry);
    }
    view_.Entries() = entries;
    view_.FillFromEntries();
    EXPECT_EQ(view_.List()->model()->rowCount(), kRows);

    QList<int> every;
    for (int i = 1; i < kRows; i += 2)
        every.append(i);
    view_.SelectRows(every);
    view_.OnMoveUp();
    view_.CollectEntries();
    ASSERT_EQ(view_.Entries().size(), kRows);
    // Each odd row swapped with the even row above it.
    for (int i = 0; i < kRows; i += 2) {
        EXPECT_EQ(view_.Entries().at(i).path, entries.at(i + 1).path);
        EXPECT_EQ(view_.Entries().at(i + 1).path, entries.at(i).path);
    }
}

} // namespace
