#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file with new bytes so that it always holds either the old
// bytes or every new one, never a mix or a cut: the bytes go to a fresh
// temporary file in the target's folder, are synced, and only then renamed
// over the target, and the folder is synced after the rename. On any
// failure (a full disk, a file-size limit, a read-only folder) the
// temporary file is removed, the old file stays byte for byte, false is
// returned and, when error is given, the errno of the step that failed
// (EISDIR when a folder stands at the path, EINVAL for a FIFO, device or
// socket, which are never replaced). Only a failure to sync the folder
// comes after the rename: the new bytes are then in place but may not
// survive a power cut, and that is reported as a failure too. A link is
// followed: the file it names is the one replaced. The new file keeps the
// old file's permissions; a file made new gets the usual ones (0666 less
// the umask).
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, int *error = nullptr);

// Writes every byte to the open descriptor, past short writes and signals:
// 0, or the errno of the failure (ENOSPC when the device takes nothing more).
int WriteAllBytes(int fd, const char *data, qint64 size);
