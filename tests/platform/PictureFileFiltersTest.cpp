#include "platform/PictureFileFilters.h"

#include "TestFiles.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(PictureDialogFilters, ListsAllPicturesFirstAndAllFilesLast)
{
    const QList<FileDialogFilter> &filters = PictureDialogFilters();
    ASSERT_EQ(filters.size(), 9);
    EXPECT_EQ(filters.first().text, QStringLiteral("所有图像 (*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf)"));
    EXPECT_EQ(filters.first().pattern, QStringLiteral("*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf"));
    EXPECT_EQ(filters[4].text, QStringLiteral("光标文件 (*.cur)"));
    EXPECT_EQ(filters.last().text, QStringLiteral("所有文件 (*.*)"));
    // Each single-format entry's pattern is one of the all-pictures patterns.
    const QStringList all = FilterPatterns(filters.first());
    for (qsizetype i = 1; i + 1 < filters.size(); ++i)
        EXPECT_TRUE(all.contains(filters[i].pattern)) << filters[i].pattern.toStdString();
}

TEST(PictureDialogFilters, PatternsMatchFileNames)
{
    const QList<FileDialogFilter> &filters = PictureDialogFilters();
    EXPECT_TRUE(QDir::match(FilterPatterns(filters.first()), QStringLiteral("猫.emf")));
    EXPECT_FALSE(QDir::match(FilterPatterns(filters.first()), QStringLiteral("book.vlr")));
    EXPECT_TRUE(QDir::match(FilterPatterns(filters.last()), QStringLiteral("README")));
}
