#include "editor/PictureSequenceEditor.h"

#include "document/AppDirectories.h"
#include "document/PicturePath.h"

#include "TestFiles.h"

#include <QDir>
#include <QScopeGuard>
#include <QTreeView>
#include <gtest/gtest.h>

namespace {

// What the book gets from the list: a picture under the program's folder by
// the placeholder, the others by their full path, each with its size on disk
// (a missing file with 0, though the list still shows the size it had).
TEST(PictureSequenceEditor, AddedAndLoadedPicturesGoIntoTheBookWithTheirPathsAndSizes)
{
    ScratchDir dir;
    ASSERT_TRUE(QDir().mkpath(dir.FilePath(QStringLiteral("bin/Pics"))));
    SetApplicationDirectory(dir.FilePath(QStringLiteral("bin/")));
    const auto reset = qScopeGuard([] { SetApplicationDirectory(QString()); });
    const QString inside = dir.FilePath(QStringLiteral("bin/Pics/Cat.jpg")), outside = dir.FilePath("B.jpg");
    ASSERT_TRUE(WriteAll(inside, QByteArray(2000, 'c')));
    ASSERT_TRUE(WriteAll(outside, QByteArray(10, 'b')));
    PictureEntry missing;
    missing.path = dir.FilePath(QStringLiteral("gone-") + QString(600, QLatin1Char('n')));
    missing.compileTime = QString(300, QLatin1Char('t'));
    missing.fileSize = 5242880;

    PictureSequenceEditor view;
    view.Entries() = {missing};
    view.FillFromEntries();
    view.SetFileChooser([&](QWidget *) { return QStringList{inside, outside}; });
    view.OnAppendPictures();
    QStringList shown;
    QAbstractItemModel *model = view.List()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        shown.append(model->index(row, 1).data().toString() + QLatin1Char(' ')
                     + model->index(row, 2).data().toString());
    EXPECT_EQ(shown, QStringList({missing.path + " 5.12 M", outside + " 10B", inside + " 1 K"}));

    view.CollectEntries();
    ASSERT_EQ(view.Entries().size(), 3);
    EXPECT_EQ(view.Entries().at(0).path, missing.path);
    EXPECT_EQ(view.Entries().at(0).compileTime, missing.compileTime);
    EXPECT_EQ(view.Entries().at(0).fileSize, 0u);
    EXPECT_EQ(view.Entries().at(1).path, outside);
    EXPECT_EQ(view.Entries().at(1).fileSize, 10u);
    EXPECT_EQ(view.Entries().at(2).path, QString::fromUtf16(kInstallDirPlaceholder) + QStringLiteral("Pics\\Cat.jpg"));
    EXPECT_EQ(view.Entries().at(2).fileSize, 2000u);
}

} // namespace
