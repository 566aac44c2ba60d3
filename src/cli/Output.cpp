#include "cli/CliCommand.h"

#include "document/AtomicFileWrite.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {
// Where the tool's own errors go: standard error, or the copy of it taken
// when libraries were sent elsewhere.
int errorFd = STDERR_FILENO;
} // namespace

void DivertLibraryStderr()
{
    // libpng's default error handler (which Qt's PNG reader leaves in
    // place) prints straight to file descriptor 2, past any Qt message
    // handler; so do other libraries. The tool's one error line goes to a
    // copy of the real stderr, not inherited by helper processes.
    const int own = ::fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 3);
    if (own < 0)
        return;
    const int null = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    if (null < 0 || ::dup2(null, STDERR_FILENO) < 0) {
        if (null >= 0)
            ::close(null);
        ::close(own);
        return;
    }
    ::close(null);
    errorFd = own;
}

void PrintOut(const QByteArray &text) { std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout); }

void PrintErrorText(const QByteArray &text)
{
    // Nowhere is left to report a failure of the error channel itself.
    (void)WriteAllBytes(errorFd, text.constData(), text.size());
}

void PrintError(const QString &line) { PrintErrorText("vellora-book: " + line.toUtf8() + "\n"); }
