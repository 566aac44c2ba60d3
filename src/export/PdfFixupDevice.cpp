#include "export/PdfFixupDevice.h"

#include "export/PdfTextMap.h"

#include <algorithm>

namespace {
constexpr QByteArrayView kCreatorKey = "\n/Creator ";
constexpr QByteArrayView kAuthorKey = "\n/Author  ";
static_assert(kCreatorKey.size() == kAuthorKey.size());
// The information dictionary comes right after the file's header; past this
// many bytes without the key, the writer wrote none.
constexpr qint64 kInfoWithin = 64 * 1024;
constexpr QByteArrayView kMapBegin = "begincmap";
constexpr QByteArrayView kMapEnd = "endcmap";
} // namespace

PdfFixupDevice::PdfFixupDevice(QIODevice &target) : target_(target)
{
    QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 PdfFixupDevice::readData(char *, qint64) { return -1; }

bool PdfFixupDevice::Pass(const QByteArray &bytes)
{
    if (!failed_ && !bytes.isEmpty() && target_.write(bytes) != bytes.size())
        failed_ = true;
    return !failed_;
}

qint64 PdfFixupDevice::writeData(const char *data, qint64 size)
{
    held_.append(data, size);
    return PassSettled() ? size : -1;
}

bool PdfFixupDevice::PassSettled()
{
    if (!authorDone_) {
        const qsizetype key = held_.indexOf(kCreatorKey);
        if (key >= 0)
            held_.replace(key, kCreatorKey.size(), kAuthorKey.toByteArray());
        authorDone_ = key >= 0 || held_.size() > kInfoWithin; // nothing is passed on before
        if (!authorDone_)
            return true; // everything may still hold the key
    }
    for (;;) {
        if (inTextMap_) {
            const qsizetype end = held_.indexOf(kMapEnd);
            if (end < 0)
                return true;
            inTextMap_ = false;
            if (!Pass(NameGlyphsByIdeographs(held_.left(end))))
                return false;
            held_.remove(0, end);
            continue;
        }
        const qsizetype begin = held_.indexOf(kMapBegin);
        if (begin >= 0) {
            inTextMap_ = true;
            if (!Pass(held_.left(begin)))
                return false;
            held_.remove(0, begin);
            continue;
        }
        // A key may be cut at the end of this write: its start stays.
        const qsizetype keep = std::min<qsizetype>(held_.size(), kMapBegin.size() - 1);
        const bool passed = Pass(held_.left(held_.size() - keep));
        held_.remove(0, held_.size() - keep);
        return passed;
    }
}

bool PdfFixupDevice::Finish()
{
    Pass(held_);
    held_.clear();
    return !failed_;
}
