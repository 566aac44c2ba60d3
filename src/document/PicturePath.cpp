#include "document/PicturePath.h"

#include "document/AppDirectories.h"

namespace {
QString Placeholder() { return QString::fromUtf16(kInstallDirPlaceholder); }
} // namespace

QString ContractPicturePath(const QString &path, const QString &applicationDirectory)
{
    // File names are case-sensitive here, so the comparison is too; an empty
    // directory would match every path.
    if (applicationDirectory.isEmpty() || !path.startsWith(applicationDirectory, Qt::CaseSensitive))
        return path;
    QString rest = path.mid(applicationDirectory.size());
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return Placeholder() + rest;
}

QString ContractPicturePath(const QString &path) { return ContractPicturePath(path, ApplicationDirectory()); }

QString ExpandPicturePath(const QString &path, const QString &applicationDirectory)
{
    const QString mark = Placeholder();
    if (!path.startsWith(mark, Qt::CaseSensitive))
        return path;
    QString rest = path.mid(mark.size());
    rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return applicationDirectory + rest;
}

QString ExpandPicturePath(const QString &path) { return ExpandPicturePath(path, ApplicationDirectory()); }
