#include "document/ReadingStateFile.h"

#include "document/AtomicFileWrite.h"
#include "document/BookId.h"
#include "document/FileIo.h"
#include "document/ParseNumber.h"
#include "document/TextLines.h"

namespace {
// Three short lines; anything much larger is not a state file of ours.
constexpr qint64 kMaxStateFileBytes = 64 * 1024;
} // namespace

QString ReadingStateFilePath(const QString &dataDirectory, const QString &bookId)
{
    if (!IsFileSafeBookId(bookId))
        return {};
    return dataDirectory + QStringLiteral("etc/") + bookId + QStringLiteral(".etc");
}

QByteArray SerializeReadingState(const ReadingState &state)
{
    return ToUtf16Le(QString::asprintf("%i\r\n%i\r\n%i\r\n", state.page, state.speed, state.step));
}

void ParseReadingStateData(const QByteArray &data, ReadingState &state)
{
    const QString text = FromUtf16Le(data);
    const QList<QStringView> lines = SplitCrLines(text);
    std::int32_t *targets[] = {&state.page, &state.speed, &state.step};
    for (qsizetype i = 0; i < 3 && i < lines.size(); ++i) {
        if (const auto value = ParseNumber(lines[i]))
            *targets[i] = *value;
    }
}

bool SaveReadingStateFile(const QString &dataDirectory, const QString &bookId, const ReadingState &state)
{
    const QString path = ReadingStateFilePath(dataDirectory, bookId);
    if (path.isEmpty())
        return false;
    return WriteFileAtomically(path, SerializeReadingState(state));
}

bool LoadReadingStateFile(const QString &dataDirectory, const QString &bookId, ReadingState &state)
{
    const QString path = ReadingStateFilePath(dataDirectory, bookId);
    if (path.isEmpty())
        return false;
    const auto data = ReadRegularFile(path, kMaxStateFileBytes);
    if (!data)
        return false;
    ParseReadingStateData(*data, state);
    return true;
}
