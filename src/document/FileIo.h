#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// No file the program reads whole is anywhere near this; a larger one is
// refused before anything is read into memory.
inline constexpr qint64 kMaxWholeFileBytes = 256ll * 1024 * 1024;

// Reads a regular file whole. A FIFO, device or folder is refused without
// being opened (opening a FIFO would block), as is a file over maxBytes.
std::optional<QByteArray> ReadRegularFile(const QString &path, qint64 maxBytes = kMaxWholeFileBytes);

// Whether the path names a regular file (after following links).
bool IsRegularFile(const QString &path);

// Text as UTF-16LE code units without a byte-order mark, and back (an odd
// last byte is ignored).
QByteArray ToUtf16Le(QStringView text);
QString FromUtf16Le(const QByteArray &bytes);
