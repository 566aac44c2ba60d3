#pragma once

#include <QByteArray>
#include <QIODevice>
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

// The same promise for bytes that come as a stream (a PDF as it is drawn):
// they go to a hidden temporary file in the target's folder, and only
// Commit() syncs it and renames it over the path. A device destroyed
// without a successful Commit() removes its temporary file, so a
// cancelled or failed writer leaves nothing behind and the old file, if
// any, byte for byte. Writes are not buffered; the first failing write
// fails every later one and is what Commit() reports.
class AtomicFileDevice : public QIODevice {
public:
    explicit AtomicFileDevice(const QString &path);
    ~AtomicFileDevice() override;
    AtomicFileDevice(const AtomicFileDevice &) = delete;
    AtomicFileDevice &operator=(const AtomicFileDevice &) = delete;

    // Makes the temporary file and opens the device for writing; false with
    // Error() set when the folder takes no file or the path is a folder,
    // FIFO or device.
    bool Open();
    // Puts the bytes written so far at the path; false with Error() set
    // (the temporary file is gone then).
    bool Commit();
    // The errno of the first failure, 0 while there is none.
    int Error() const { return error_; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    void Discard();

    QString path_;
    QByteArray target_, temporary_;
    int fd_ = -1;
    int error_ = 0;
    bool existed_ = false;
    unsigned oldMode_ = 0;
};
