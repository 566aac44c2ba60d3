#include "editor/FrequentCategories.h"

#include "document/AppDirectories.h"
#include "settings/store/SettingsStore.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {
class FrequentCategoriesTest : public testing::Test {
protected:
    void SetUp() override { SetDataDirectory(dir_.Path()); }
    void TearDown() override { SetDataDirectory(QString()); }
    void Store(const char *key, const QString &value)
    {
        ASSERT_TRUE(WriteSetting(kFrequentCategorySection, QString::fromLatin1(key), value));
    }
    QStringList Loaded()
    {
        QStringList list;
        LoadFrequentCategories(list);
        return list;
    }
    ScratchDir dir_;
};

TEST_F(FrequentCategoriesTest, NoSettingsFileGivesAnEmptyList) { EXPECT_TRUE(Loaded().isEmpty()); }

TEST_F(FrequentCategoriesTest, MissingKeyGivesAnEmptyEntry)
{
    Store("CategoryCount", QStringLiteral("3"));
    Store("category1", QStringLiteral("风景"));
    Store("category3", QStringLiteral("人物"));
    EXPECT_EQ(Loaded(), QStringList({"风景", "", "人物"}));
}

struct CountCase {
    const char *count;
    qsizetype loaded;
};

class FrequentCategoryCount : public FrequentCategoriesTest, public testing::WithParamInterface<CountCase> {};

TEST_P(FrequentCategoryCount, ReadsThatManyKeys)
{
    Store("CategoryCount", QString::fromLatin1(GetParam().count));
    Store("category1", QStringLiteral("one"));
    EXPECT_EQ(Loaded().size(), GetParam().loaded);
}

INSTANTIATE_TEST_SUITE_P(Counts, FrequentCategoryCount,
                         testing::Values(CountCase{"0", 0}, CountCase{"-4", 0}, CountCase{"x", 0}, CountCase{"1", 1},
                                         CountCase{" 2", 2}, CountCase{"1000", 1000}, CountCase{"1001", 1000},
                                         CountCase{"2147483647", 1000}));

TEST_F(FrequentCategoriesTest, LoadingAppendsAndKeepsDuplicates)
{
    Store("CategoryCount", QStringLiteral("3"));
    Store("category1", QStringLiteral("a"));
    Store("category2", QStringLiteral("a"));
    Store("category3", QString());
    QStringList list{QStringLiteral("held")};
    LoadFrequentCategories(list);
    EXPECT_EQ(list, QStringList({"held", "a", "a", ""}));
}

TEST_F(FrequentCategoriesTest, ValuesAreCutTo255Characters)
{
    Store("CategoryCount", QStringLiteral("1"));
    Store("category1", QString(300, QChar(u'字')));
    EXPECT_EQ(Loaded(), QStringList({QString(255, QChar(u'字'))}));
}

TEST_F(FrequentCategoriesTest, SavedListReadsBackInOrder)
{
    const QStringList list{QStringLiteral("Music"), QString(), QStringLiteral("Art; x"), QStringLiteral("Music")};
    SaveFrequentCategories(list);
    EXPECT_EQ(ReadSettingInt(kFrequentCategorySection, QStringLiteral("CategoryCount"), -1), 4);
    EXPECT_EQ(ReadSettingText(kFrequentCategorySection, QStringLiteral("category3"), QString()),
              QStringLiteral("Art; x"));
    EXPECT_EQ(Loaded(), list);
}

TEST_F(FrequentCategoriesTest, ShorterListLeavesLaterKeysAlone)
{
    SaveFrequentCategories({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    SaveFrequentCategories({QStringLiteral("z")});
    EXPECT_EQ(ReadSettingInt(kFrequentCategorySection, QStringLiteral("CategoryCount"), -1), 1);
    EXPECT_EQ(ReadSettingText(kFrequentCategorySection, QStringLiteral("category3"), QString()), QStringLiteral("c"));
    EXPECT_EQ(Loaded(), QStringList({"z"}));
}

} // namespace
