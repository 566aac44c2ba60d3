#pragma once

// Two ways to make a write run out of room. A real small file system (a
// 64 KiB tmpfs, which needs the right to mount; a test skips without it) and
// a file-size limit on this process or a child, which always works and makes
// write() stop part-way just as a full disk does.

#include "TestFiles.h"

#include <QProcess>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>

class SmallFileSystem {
public:
    SmallFileSystem()
    {
        if (::mount("tmpfs", QFile::encodeName(scratch_.Path()).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                    "size=64k,mode=0755")
            == 0)
            mounted_ = true;
        else
            refusal_ = std::string("cannot mount a tmpfs here: ") + std::strerror(errno);
    }
    ~SmallFileSystem()
    {
        if (mounted_)
            ::umount2(QFile::encodeName(scratch_.Path()).constData(), MNT_DETACH);
    }
    SmallFileSystem(const SmallFileSystem &) = delete;
    SmallFileSystem &operator=(const SmallFileSystem &) = delete;

    bool Mounted() const { return mounted_; }
    const std::string &Refusal() const { return refusal_; }
    QString Path() const { return scratch_.Path(); }

    // Takes all but about `room` bytes of what is left with a file named
    // "filler" (whole pages: tmpfs hands out room by the page).
    bool LeaveRoom(qint64 room) const
    {
        struct statvfs fs {};
        if (::statvfs(QFile::encodeName(Path()).constData(), &fs) != 0)
            return false;
        const qint64 available = qint64(fs.f_bavail) * qint64(fs.f_frsize);
        return available >= room && WriteAll(scratch_.FilePath(QStringLiteral("filler")), QByteArray(available - room, 'f'));
    }
    bool MakeRoom() const { return QFile::remove(scratch_.FilePath(QStringLiteral("filler"))); }

private:
    ScratchDir scratch_;
    bool mounted_ = false;
    std::string refusal_;
};

// Files of this process stop growing at `bytes`: the write that would pass
// the limit is cut short, the next fails with EFBIG. SIGXFSZ would end the
// process instead, so it is ignored meanwhile.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &old_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    // The same for a child process only, set between fork and exec.
    static void ApplyTo(QProcess &process, rlim_t bytes)
    {
        process.setChildProcessModifier([bytes] {
            std::signal(SIGXFSZ, SIG_IGN);
            struct rlimit limit {};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = bytes;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }

private:
    struct rlimit old_ {};
    void (*oldHandler_)(int) = SIG_DFL;
};
