#include "editor/CategoryPopupModel.h"

#include "Cases.h"

#include <gtest/gtest.h>

namespace {
QStringList Items(const CategoryPopupModel &list)
{
    QStringList items;
    for (qsizetype i = 0; i < list.Count(); ++i)
        items.append(list.Text(i));
    return items;
}

struct PopupCase {
    const char *name;
    QStringList frequent;
    QString field;
    QStringList items;      // list-box order
    QStringList categories; // the pop-up's category list afterwards
    QString closed;         // the field after closing without clicks
};

class CategoryPopupTest : public testing::TestWithParam<PopupCase> {};

TEST_P(CategoryPopupTest, TicksTheFieldsCategories)
{
    const PopupCase &c = GetParam();
    CategoryPopupModel list(c.frequent, QLocale(QLocale::English));
    list.Initialise(c.field);
    EXPECT_EQ(Items(list), c.items);
    EXPECT_EQ(list.Categories(), c.categories);
    EXPECT_EQ(list.SelectedText(), c.closed);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, CategoryPopupTest,
    testing::Values(
        PopupCase{"BlanksAndTrailingSeparator", {}, "Art;  Music ;", {"Art", "Music"}, {"Art", "Music"}, "Art; Music"},
        PopupCase{"SortedWithoutCase", {"cherry", "Banana", "apple"}, "", {"apple", "Banana", "cherry"},
                  {"cherry", "Banana", "apple"}, ""},
        // The search begins at the second item and wraps to the first, so the
        // longer «Artists» wins over «Art» itself.
        PopupCase{"SearchStartsAtTheSecondItem", {"Art", "Artists"}, "art", {"Art", "Artists"}, {"Art", "Artists"},
                  "Artists"},
        PopupCase{"SearchWrapsToTheFirstItem", {"Art", "Music"}, "ar", {"Art", "Music"}, {"Art", "Music"}, "Art"},
        PopupCase{"NewPiecesAppendedInTextOrder", {"m"}, "z; c", {"c", "m", "z"}, {"m", "z", "c"}, "c; z"},
        PopupCase{"SamePieceTwiceAddedOnce", {}, "Art; art", {"Art"}, {"Art"}, "Art"}),
    CaseName());

TEST(CategoryPopupModel, ChineseSortsByTheUsersLanguage)
{
    // Pinyin order for a Chinese user: dòng, fēng, rén.
    CategoryPopupModel list({"人物", "风景", "动物"}, QLocale(QLocale::Chinese, QLocale::China));
    list.Initialise(QStringLiteral("风景；人物")); // a full-width semicolon separates nothing
    EXPECT_EQ(Items(list), QStringList({"动物", "风景", "风景；人物", "人物"}));
    EXPECT_EQ(list.SelectedText(), QStringLiteral("风景；人物"));
}

} // namespace
