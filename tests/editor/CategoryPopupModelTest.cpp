#include "editor/CategoryPopupModel.h"

#include <gtest/gtest.h>

namespace {
// What the pop-up lists, and what its closing writes into the field.
QStringList Shown(const QStringList &frequent, const QString &field, const QLocale &locale)
{
    CategoryPopupModel list(frequent, locale);
    list.Initialise(field);
    QStringList shown;
    for (qsizetype i = 0; i < list.Count(); ++i)
        shown.append(list.Text(i));
    return shown << QStringLiteral("->") << list.SelectedText();
}

TEST(CategoryPopupModel, SortsByTheUsersLanguageAndTicksWhatTheFieldNames)
{
    // Pinyin order for a Chinese user: dòng, fēng, rén; a full-width
    // semicolon separates nothing.
    EXPECT_EQ(Shown({"人物", "风景", "动物"}, "风景；人物", QLocale(QLocale::Chinese, QLocale::China)),
              QStringList({"动物", "风景", "风景；人物", "人物", "->", "风景；人物"}));
    // A piece ticks the first category it begins, searching from the second
    // item round to the first.
    const QLocale english(QLocale::English);
    EXPECT_EQ(Shown({"Art", "Artists"}, "art", english), QStringList({"Art", "Artists", "->", "Artists"}));
    EXPECT_EQ(Shown({"Art", "Music"}, "ar", english), QStringList({"Art", "Music", "->", "Art"}));
    EXPECT_EQ(Shown({"m"}, "z;  c ;", english), QStringList({"c", "m", "z", "->", "c; z"}));
}

} // namespace
