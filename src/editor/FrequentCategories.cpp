#include "editor/FrequentCategories.h"

#include "settings/store/SettingsStore.h"

#include <algorithm>

namespace {
const QString kCountKey = QStringLiteral("CategoryCount");

QString CategoryKey(int i) { return QStringLiteral("category%1").arg(i); }
} // namespace

void LoadFrequentCategories(QStringList &list)
{
    const int count = std::min(ReadSettingInt(kFrequentCategorySection, kCountKey, 0), kMaxFrequentCategories);
    for (int i = 1; i <= count; ++i)
        list.append(ReadSettingText(kFrequentCategorySection, CategoryKey(i), QString()));
}

void SaveFrequentCategories(const QStringList &list)
{
    WriteSetting(kFrequentCategorySection, kCountKey, QString::number(list.size()));
    for (qsizetype i = 0; i < list.size(); ++i)
        WriteSetting(kFrequentCategorySection, CategoryKey(static_cast<int>(i + 1)), list.at(i));
}
