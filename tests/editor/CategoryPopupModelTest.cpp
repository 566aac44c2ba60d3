#include "editor/CategoryPopupModel.h"

#include "TestFiles.h"

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

void PrintTo(const PopupCase &c, std::ostream *os) { *os << c.name; }

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

const QStringList kNone;

INSTANTIATE_TEST_SUITE_P(
    Fields, CategoryPopupTest,
    testing::Values(
        PopupCase{"blanks_and_trailing_separator",
                  kNone,
                  QStringLiteral("Art;  Music ;"),
                  {"Art", "Music"},
                  {"Art", "Music"},
                  QStringLiteral("Art; Music")},
        PopupCase{"prefix_selects_the_known_category",
                  {"Artists"},
                  QStringLiteral("art"),
                  {"Artists"},
                  {"Artists"},
                  QStringLiteral("Artists")},
        PopupCase{"empty_piece_skipped", kNone, QStringLiteral("a;;b"), {"a", "b"}, {"a", "b"}, QStringLiteral("a; b")},
        PopupCase{"list_order_not_typed_order",
                  {"b", "a"},
                  QStringLiteral("b; a"),
                  {"a", "b"},
                  {"b", "a"},
                  QStringLiteral("a; b")},
        PopupCase{"empty_field_ticks_nothing", {"x", "y"}, QString(), {"x", "y"}, {"x", "y"}, QString()},
        PopupCase{"sorted_without_case",
                  {"cherry", "Banana", "apple"},
                  QString(),
                  {"apple", "Banana", "cherry"},
                  {"cherry", "Banana", "apple"},
                  QString()},
        // The search begins at the second item and wraps to the first, so the
        // longer «Artists» wins over «Art» itself.
        PopupCase{"search_starts_at_the_second_item",
                  {"Art", "Artists"},
                  QStringLiteral("art"),
                  {"Art", "Artists"},
                  {"Art", "Artists"},
                  QStringLiteral("Artists")},
        PopupCase{"search_wraps_to_the_first_item",
                  {"Art", "Music"},
                  QStringLiteral("ar"),
                  {"Art", "Music"},
                  {"Art", "Music"},
                  QStringLiteral("Art")},
        PopupCase{"new_pieces_appended_in_text_order",
                  {"m"},
                  QStringLiteral("z; c"),
                  {"c", "m", "z"},
                  {"m", "z", "c"},
                  QStringLiteral("c; z")},
        PopupCase{
            "same_piece_twice_added_once", kNone, QStringLiteral("Art; art"), {"Art"}, {"Art"}, QStringLiteral("Art")},
        PopupCase{"duplicates_and_empty_entries_kept",
                  {"a", "", "a"},
                  QStringLiteral("a"),
                  {"", "a", "a"},
                  {"a", "", "a"},
                  QStringLiteral("a")}));

TEST(CategoryPopupModel, ChineseSortsByTheUsersLanguage)
{
    // Pinyin order for a Chinese user: dòng, fēng, rén.
    CategoryPopupModel list({QStringLiteral("人物"), QStringLiteral("风景"), QStringLiteral("动物")},
                            QLocale(QLocale::Chinese, QLocale::China));
    list.Initialise(QStringLiteral("风景；人物")); // a full-width semicolon separates nothing
    EXPECT_EQ(Items(list), QStringList({"动物", "风景", "风景；人物", "人物"}));
    EXPECT_EQ(list.SelectedText(), QStringLiteral("风景；人物"));
}

} // namespace
