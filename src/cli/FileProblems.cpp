#include "cli/FileProblems.h"

#include "cli/CliCommand.h"

#include "document/BookFile.h"
#include "document/FileIo.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What stands at the path when it is there but is no regular file.
QString KindProblem(const struct stat &st)
{
    if (S_ISDIR(st.st_mode))
        return ErrorText(EISDIR);
    if (S_ISFIFO(st.st_mode))
        return QStringLiteral("Is a FIFO, not a file");
    if (S_ISCHR(st.st_mode) || S_ISBLK(st.st_mode))
        return QStringLiteral("Is a device, not a file");
    if (S_ISSOCK(st.st_mode))
        return QStringLiteral("Is a socket, not a file");
    if (!S_ISREG(st.st_mode))
        return QStringLiteral("Is not a regular file");
    return {};
}

} // namespace

QString ErrorText(int error)
{
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return QString::fromLocal8Bit(c ? ::strerror_l(error, c) : ::strerror(error));
}

QString ReadProblem(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    if (path.isEmpty())
        return ErrorText(ENOENT);
    if (::stat(name.constData(), &st) != 0)
        return ErrorText(errno);
    if (QString kind = KindProblem(st); !kind.isEmpty())
        return kind;
    if (st.st_size > kMaxWholeFileBytes)
        return QStringLiteral("Is larger than %1 MiB").arg(kMaxWholeFileBytes / (1024 * 1024));
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return ErrorText(errno);
    ::close(fd);
    return {};
}

QString WriteProblem(const QString &path, int error)
{
    struct stat st {};
    if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
        if (QString kind = KindProblem(st); !kind.isEmpty())
            return kind;
    }
    return ErrorText(error);
}

bool ReadBookOrReport(const QString &path, BookDocument &book)
{
    if (ReadBookFile(path, book))
        return true;
    QString problem = ReadProblem(path);
    if (problem.isEmpty())
        problem = QStringLiteral("Not a book file");
    PrintError(QStringLiteral("cannot read book file \"%1\": %2").arg(path, problem));
    return false;
}
