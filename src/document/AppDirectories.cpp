#include "document/AppDirectories.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString &appDir()
{
    static QString dir;
    return dir;
}
QString &dataDir()
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

QString ApplicationDirectory() { return appDir(); }
void SetApplicationDirectory(const QString &dir) { appDir() = WithTrailingSlash(dir); }

QString DataDirectory() { return dataDir(); }
void SetDataDirectory(const QString &dir) { dataDir() = WithTrailingSlash(dir); }

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
