#include "document/AppDirectories.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString &AppDir()
{
    static QString dir;
    return dir;
}
QString &DataDir()
{
    static QString dir;
    return dir;
}
} // namespace

QString WithTrailingSlash(const QString &dir)
{
    if (dir.isEmpty() || dir.endsWith(QLatin1Char('/')))
        return dir;
    return dir + QLatin1Char('/');
}

QString ApplicationDirectory() { return AppDir(); }
void SetApplicationDirectory(const QString &dir) { AppDir() = WithTrailingSlash(dir); }

QString DataDirectory() { return DataDir(); }
void SetDataDirectory(const QString &dir) { DataDir() = WithTrailingSlash(dir); }

void InitialiseDirectoriesFromEnvironment()
{
    SetApplicationDirectory(QCoreApplication::applicationDirPath());
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    SetDataDirectory(documents.isEmpty() ? QString() : WithTrailingSlash(documents) + QStringLiteral("Vellora/"));
}

void EnsureDataDirectories()
{
    const QString data = DataDirectory();
    if (data.isEmpty())
        return;
    QDir().mkpath(data);
    QDir().mkpath(data + QStringLiteral("etc"));
}
