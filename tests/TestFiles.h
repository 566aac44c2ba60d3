#pragma once

// Small helpers shared by the tests: scratch folders and files.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <ostream>

// Readable failure messages for Qt strings.
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QByteArray &b, std::ostream *os) { *os << '"' << b.toStdString() << '"'; }

inline QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

inline bool WriteAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// A scratch folder whose path ends in "/".
class ScratchDir {
public:
    QString Path() const { return dir_.path() + QLatin1Char('/'); }
    QString FilePath(const QString &name) const { return Path() + name; }

private:
    QTemporaryDir dir_;
};
