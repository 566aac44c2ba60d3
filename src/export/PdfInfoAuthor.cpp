#include "export/PdfInfoAuthor.h"

namespace {
constexpr char kCreatorKey[] = "\n/Creator ";
constexpr char kAuthorKey[] = "\n/Author  ";
static_assert(sizeof kCreatorKey == sizeof kAuthorKey);
// The information dictionary comes right after the file's header; past this
// many bytes without the key, the writer wrote none and nothing is changed.
constexpr qsizetype kMaxHeldBytes = 64 * 1024;
} // namespace

PdfInfoAuthorDevice::PdfInfoAuthorDevice(QIODevice &target) : target_(target)
{
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 PdfInfoAuthorDevice::readData(char *, qint64) { return -1; }

bool PdfInfoAuthorDevice::Pass(const QByteArray &bytes)
{
    if (!failed_ && target_.write(bytes) != bytes.size())
        failed_ = true;
    return !failed_;
}

qint64 PdfInfoAuthorDevice::writeData(const char *data, qint64 size)
{
    if (done_)
        return Pass(QByteArray::fromRawData(data, size)) ? size : -1;
    held_.append(data, size);
    const qsizetype key = held_.indexOf(kCreatorKey);
    if (key >= 0)
        held_.replace(key, qsizetype(sizeof kCreatorKey - 1), kAuthorKey);
    if (key >= 0 || held_.size() > kMaxHeldBytes) {
        done_ = true;
        const bool passed = Pass(held_);
        held_.clear();
        return passed ? size : -1;
    }
    return size;
}

bool PdfInfoAuthorDevice::Finish()
{
    done_ = true;
    const bool passed = Pass(held_);
    held_.clear();
    return passed;
}
