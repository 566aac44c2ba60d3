#include "editor/FrequentCategories.h"

#include "document/AppDirectories.h"
#include "settings/store/SettingsStore.h"

#include "Cases.h"
#include "TestFiles.h"

#include <QScopeGuard>
#include <gtest/gtest.h>

namespace {
// The list as the settings file holds it: a count, then one key per entry.
struct CountCase {
    const char *name;
    const char *count;
    qsizetype loaded;
};

class FrequentCategoriesLoad : public testing::TestWithParam<CountCase> {};

// Values are cut to 255 characters, a missing key is an empty entry, and no
// more than 1000 are read, after what the list held.
TEST_P(FrequentCategoriesLoad, ReadsThatManyKeysAfterWhatIsHeld)
{
    ScratchDir dir;
    SetDataDirectory(dir.Path());
    const auto reset = qScopeGuard([] { SetDataDirectory(QString()); });
    WriteSetting(kFrequentCategorySection, QStringLiteral("CategoryCount"), QString::fromLatin1(GetParam().count));
    WriteSetting(kFrequentCategorySection, QStringLiteral("category1"), QString(300, QChar(u'字')));
    WriteSetting(kFrequentCategorySection, QStringLiteral("category3"), QStringLiteral("人物"));
    QStringList list{QStringLiteral("held")};
    LoadFrequentCategories(list);
    ASSERT_EQ(list.size(), GetParam().loaded + 1);
    EXPECT_EQ(list.mid(0, 4), QStringList({"held", QString(255, QChar(u'字')), "", "人物"}).mid(0, list.size()));
}

INSTANTIATE_TEST_SUITE_P(Counts, FrequentCategoriesLoad,
                         testing::Values(CountCase{"Negative", "-4", 0}, CountCase{"NotANumber", "x", 0},
                                         CountCase{"LeadingBlank", " 2", 2}, CountCase{"Exactly1000", "1000", 1000},
                                         CountCase{"Over1000", "1001", 1000}),
                         CaseName());

} // namespace
