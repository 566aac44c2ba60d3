#include "settings/dialogs/ReadModeSettings.h"

#include "settings/store/SettingsStore.h"

namespace {
const QString kSection = QStringLiteral("Read Mode");
QString Flag(bool on) { return on ? QStringLiteral("1") : QStringLiteral("0"); }
} // namespace

ReadModeSettings ReadReadModeSettings()
{
    const ReadModeSettings defaults;
    ReadModeSettings values;
    values.border = ReadSettingInt(kSection, QStringLiteral("Border"), defaults.border ? 1 : 0) != 0;
    values.centre = ReadSettingInt(kSection, QStringLiteral("Center"), defaults.centre ? 1 : 0) != 0;
    values.speed = ReadSettingInt(kSection, QStringLiteral("Speed"), defaults.speed);
    values.step = ReadSettingInt(kSection, QStringLiteral("Step"), defaults.step);
    return values;
}

void WriteReadModeSettings(bool border, bool centre, const QString &speedText, const QString &stepText)
{
    WriteSetting(kSection, QStringLiteral("Border"), Flag(border));
    WriteSetting(kSection, QStringLiteral("Center"), Flag(centre));
    WriteSetting(kSection, QStringLiteral("Speed"), speedText);
    WriteSetting(kSection, QStringLiteral("Step"), stepText);
}
