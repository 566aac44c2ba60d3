#pragma once

#include <QString>

// Book files name pictures below the application directory through this
// placeholder, so a book that ships with the program finds its pictures
// wherever the program is installed. The text, its backslash included, is
// what books made on Windows hold: keep it byte for byte.
inline constexpr char16_t kInstallDirPlaceholder[] = u"[安装目录]\\";

// A path below the application directory becomes the placeholder followed by
// the rest of the path with "\" separators; any other path comes back unchanged.
QString ContractPicturePath(const QString &path);
QString ContractPicturePath(const QString &path, const QString &applicationDirectory);

// The placeholder becomes the application directory and every "\" after it a
// "/"; a path without the leading placeholder comes back unchanged.
QString ExpandPicturePath(const QString &path);
QString ExpandPicturePath(const QString &path, const QString &applicationDirectory);
