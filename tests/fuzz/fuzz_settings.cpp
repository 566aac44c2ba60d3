#include "FuzzInput.h"
#include "settings/store/SettingsStore.h"

#include <QFile>
#include <QTemporaryDir>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vellora.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(FuzzBytes(data, size));
    }
    ReadSettingTextFrom(path, QStringLiteral("Default Path"), QStringLiteral("Book Library"),
                        QStringLiteral(".\\booklib"));
    ReadSettingIntFrom(path, QStringLiteral("Read Mode"), QStringLiteral("Speed"), 1);
    // A write keeps the file readable and the value exact.
    if (WriteSettingTo(path, QStringLiteral("Read Mode"), QStringLiteral("Step"), QStringLiteral(" 7, 中"))
        && ReadSettingTextFrom(path, QStringLiteral("Read Mode"), QStringLiteral("Step"), QString())
               != QStringLiteral(" 7, 中"))
        __builtin_trap();
    return 0;
}
