#include "settings/dialogs/DefaultPathSettings.h"

#include "settings/store/SettingsStore.h"

namespace {
const QString kSection = QStringLiteral("Default Path");
}

DefaultPathSettings ReadDefaultPathSettings()
{
    const DefaultPathSettings defaults;
    DefaultPathSettings values;
    values.bookLibrary = ReadSettingText(kSection, QStringLiteral("Book Library"), defaults.bookLibrary);
    values.pictureLibrary = ReadSettingText(kSection, QStringLiteral("Picture Library"), defaults.pictureLibrary);
    values.favorites = ReadSettingText(kSection, QStringLiteral("Favorites"), defaults.favorites);
    return values;
}

void WriteDefaultPathSettings(const DefaultPathSettings &values)
{
    WriteSetting(kSection, QStringLiteral("Book Library"), values.bookLibrary);
    WriteSetting(kSection, QStringLiteral("Picture Library"), values.pictureLibrary);
    WriteSetting(kSection, QStringLiteral("Favorites"), values.favorites);
}
