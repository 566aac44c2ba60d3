#include "settings/store/SettingsStore.h"

#include "document/AppDirectories.h"
#include "document/AtomicFileWrite.h"
#include "document/FileIo.h"
#include "document/TextLimits.h"

#include <QFile>

#include <SimpleIni.h>

#include <limits>
#include <optional>

namespace {
// A settings file is a few kilobytes; refuse to parse anything absurd.
constexpr qint64 kMaxSettingsFileBytes = 16ll * 1024 * 1024;

enum class LoadResult { Loaded, Missing, Unreadable };

void Configure(CSimpleIniA &ini)
{
    ini.SetUnicode(true);
    ini.SetMultiKey(false);
    // Quotes keep leading and trailing blanks of a value across a save.
    ini.SetQuotes(true);
    ini.SetSpaces(false);
}

LoadResult Load(const QString &file, CSimpleIniA &ini)
{
    Configure(ini);
    if (!QFile::exists(file))
        return LoadResult::Missing;
    const auto data = ReadRegularFile(file, kMaxSettingsFileBytes);
    if (!data)
        return LoadResult::Unreadable;
    if (ini.LoadData(data->constData(), static_cast<size_t>(data->size())) < 0)
        return LoadResult::Unreadable;
    return LoadResult::Loaded;
}

std::optional<QString> RawValue(const QString &file, const QString &section, const QString &key)
{
    CSimpleIniA ini;
    if (Load(file, ini) != LoadResult::Loaded)
        return std::nullopt;
    const QByteArray s = section.toUtf8();
    const QByteArray k = key.toUtf8();
    const char *value = ini.GetValue(s.constData(), k.constData(), nullptr);
    if (!value)
        return std::nullopt;
    return QString::fromUtf8(value);
}
} // namespace

QString SettingsFilePath() { return DataDirectory() + QStringLiteral("Vellora.ini"); }

qsizetype MaxSettingTextLength(const QString &section, const QString &key)
{
    if (section.compare(QLatin1String("Default Path"), Qt::CaseInsensitive) == 0)
        return kMaxDefaultPathLength;
    if (section.compare(QLatin1String("Frequent Category"), Qt::CaseInsensitive) == 0)
        return kMaxCategoryLength;
    if (section.compare(QLatin1String("Recent Document List"), Qt::CaseInsensitive) == 0
        && key.startsWith(QLatin1String("Document"), Qt::CaseInsensitive)
        && key.compare(QLatin1String("DocumentCount"), Qt::CaseInsensitive) != 0)
        return kMaxPathLength;
    return -1;
}

QString ReadSettingTextFrom(const QString &file, const QString &section, const QString &key,
                            const QString &defaultValue)
{
    QString value = RawValue(file, section, key).value_or(defaultValue);
    const qsizetype limit = MaxSettingTextLength(section, key);
    if (limit >= 0 && value.size() > limit)
        value.truncate(limit);
    return value;
}

int ReadSettingIntFrom(const QString &file, const QString &section, const QString &key, int defaultValue)
{
    const auto raw = RawValue(file, section, key);
    if (!raw || raw->trimmed().isEmpty())
        return defaultValue;
    const QString text = raw->trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (text[0] == QLatin1Char('-') || text[0] == QLatin1Char('+')) {
        negative = text[0] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < text.size() && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        value = value * 10 + (text[i].unicode() - u'0');
        if (value > std::numeric_limits<int>::max())
            value = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    if (value < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

bool WriteSettingTo(const QString &file, const QString &section, const QString &key, const QString &value)
{
    return WriteSettingsTo(file, section, {{key, value}});
}

bool WriteSettingsTo(const QString &file, const QString &section, const SettingValues &values)
{
    // A line break would end the value early and turn its rest into lines
    // of their own: store nothing rather than a damaged file.
    const auto breaks = [](const QString &text) {
        return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'));
    };
    if (breaks(section))
        return false;
    for (const auto &[key, value] : values) {
        if (breaks(key) || breaks(value))
            return false;
    }
    CSimpleIniA ini;
    // Never replace a file we could not read: the write would drop every
    // other setting in it.
    if (Load(file, ini) == LoadResult::Unreadable)
        return false;
    const QByteArray s = section.toUtf8();
    for (const auto &[key, value] : values) {
        const QByteArray k = key.toUtf8();
        // The reader strips one pair of surrounding quotes (as profile files
        // always did); a value that has its own pair keeps it behind another.
        const bool quoted = value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"'));
        const QByteArray v = quoted ? '"' + value.toUtf8() + '"' : value.toUtf8();
        if (ini.SetValue(s.constData(), k.constData(), v.constData()) < 0)
            return false;
    }
    std::string out;
    if (ini.Save(out) < 0)
        return false;
    return WriteFileAtomically(file, QByteArray::fromStdString(out));
}

QString ReadSettingText(const QString &section, const QString &key, const QString &defaultValue)
{
    return ReadSettingTextFrom(SettingsFilePath(), section, key, defaultValue);
}

int ReadSettingInt(const QString &section, const QString &key, int defaultValue)
{
    return ReadSettingIntFrom(SettingsFilePath(), section, key, defaultValue);
}

bool WriteSetting(const QString &section, const QString &key, const QString &value)
{
    return WriteSettingTo(SettingsFilePath(), section, key, value);
}

bool WriteSettings(const QString &section, const SettingValues &values)
{
    return WriteSettingsTo(SettingsFilePath(), section, values);
}
