#include "document/AtomicFileWrite.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A random name clashes only with another writer's temporary file at the
// same moment; a few more tries settle that.
constexpr int kNameAttempts = 64;

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int Get() const { return fd_; }
    // Closes now and reports the result: on some file systems (NFS, quota)
    // the last write error only shows here.
    int Close()
    {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_;
};

int SyncFolder(const QByteArray &folder)
{
    const Descriptor dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() < 0)
        return errno;
    // A few file systems cannot sync a folder at all; the rename is then as
    // durable as they make it.
    if (::fsync(dir.Get()) != 0 && errno != EINVAL)
        return errno;
    return 0;
}

// The file the bytes are meant for: a link is followed (to the end of a
// chain), so that replacing a linked book does not turn the link into a copy.
QString TargetOf(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.symLinkTarget() : canonical;
}

struct TemporaryFile {
    QByteArray name;
    int fd = -1;
    int error = 0;
};

TemporaryFile CreateTemporary(const QByteArray &folder, const QByteArray &fileName, mode_t mode)
{
    // Hidden, and named after the book so that one left by a crash is easy to
    // place; a long name would grow past the file system's name limit.
    const QByteArray stem = fileName.size() <= 200 ? fileName : QByteArray("vellora");
    TemporaryFile temp;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temp.name =
            folder + "/." + stem + '.' + QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
        temp.fd = ::open(temp.name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (temp.fd >= 0 || errno != EEXIST) {
            temp.error = temp.fd >= 0 ? 0 : errno;
            return temp;
        }
    }
    temp.error = EEXIST;
    return temp;
}

int Replace(const QString &path, const QByteArray &bytes)
{
    const QString target = TargetOf(path);
    const QByteArray encoded = QFile::encodeName(target);
    struct stat old {};
    const bool exists = ::stat(encoded.constData(), &old) == 0;
    if (!exists && errno != ENOENT)
        return errno;
    if (exists && S_ISDIR(old.st_mode))
        return EISDIR;
    if (exists && !S_ISREG(old.st_mode))
        return EINVAL;

    const QFileInfo info(target);
    const QByteArray folder = QFile::encodeName(info.absolutePath());
    TemporaryFile temp = CreateTemporary(folder, QFile::encodeName(info.fileName()), 0666);
    if (temp.fd < 0)
        return temp.error;
    Descriptor file(temp.fd);
    int error = WriteAllBytes(file.Get(), bytes.constData(), bytes.size());
    if (!error && exists && ::fchmod(file.Get(), old.st_mode & 07777) != 0)
        error = errno;
    if (!error && ::fsync(file.Get()) != 0)
        error = errno;
    const int closed = file.Close();
    if (!error)
        error = closed;
    if (!error && ::rename(temp.name.constData(), encoded.constData()) != 0)
        error = errno;
    if (error) {
        ::unlink(temp.name.constData());
        return error;
    }
    return SyncFolder(folder);
}

} // namespace

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, int *error)
{
    const int failure = path.isEmpty() ? ENOENT : Replace(path, bytes);
    if (error)
        *error = failure;
    return failure == 0;
}

int WriteAllBytes(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC;
        data += written;
        size -= written;
    }
    return 0;
}

AtomicFileDevice::AtomicFileDevice(const QString &path) : path_(path) {}

AtomicFileDevice::~AtomicFileDevice() { Discard(); }

void AtomicFileDevice::Discard()
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty())
        ::unlink(temporary_.constData());
    temporary_.clear();
    if (isOpen())
        QIODevice::close();
}

bool AtomicFileDevice::Open()
{
    const QString target = TargetOf(path_);
    target_ = QFile::encodeName(target);
    struct stat old {};
    existed_ = ::stat(target_.constData(), &old) == 0;
    if (!existed_ && errno != ENOENT)
        error_ = errno;
    else if (existed_ && S_ISDIR(old.st_mode))
        error_ = EISDIR;
    else if (existed_ && !S_ISREG(old.st_mode))
        error_ = EINVAL;
    if (path_.isEmpty())
        error_ = ENOENT;
    if (error_)
        return false;
    oldMode_ = old.st_mode & 07777;
    const QFileInfo info(target);
    const TemporaryFile temp =
        CreateTemporary(QFile::encodeName(info.absolutePath()), QFile::encodeName(info.fileName()), 0666);
    if (temp.fd < 0) {
        error_ = temp.error;
        return false;
    }
    fd_ = temp.fd;
    temporary_ = temp.name;
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 AtomicFileDevice::readData(char *, qint64) { return -1; }

qint64 AtomicFileDevice::writeData(const char *data, qint64 size)
{
    if (fd_ < 0 || error_)
        return -1;
    error_ = WriteAllBytes(fd_, data, size);
    return error_ ? -1 : size;
}

bool AtomicFileDevice::Commit()
{
    if (fd_ < 0 && !error_)
        error_ = EBADF;
    if (!error_ && existed_ && ::fchmod(fd_, oldMode_) != 0)
        error_ = errno;
    if (!error_ && ::fsync(fd_) != 0)
        error_ = errno;
    if (fd_ >= 0) {
        Descriptor file(fd_);
        fd_ = -1;
        const int closed = file.Close();
        if (!error_)
            error_ = closed;
    }
    if (!error_ && ::rename(temporary_.constData(), target_.constData()) != 0)
        error_ = errno;
    if (error_) {
        Discard();
        return false;
    }
    temporary_.clear();
    QIODevice::close();
    error_ = SyncFolder(QFile::encodeName(QFileInfo(QFile::decodeName(target_)).absolutePath()));
    return error_ == 0;
}
