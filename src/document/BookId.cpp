#include "document/BookId.h"

#include <ctime>

QString MakeBookIdFromTicks(std::uint32_t ticks)
{
    // The tick count as a signed decimal: ticks past 2^31 give a leading "-".
    const QByteArray s = QByteArray::number(static_cast<std::int32_t>(ticks));
    const std::uint32_t n = static_cast<std::uint32_t>(s.size());
    const std::uint32_t k = ticks % n;
    QString id(static_cast<qsizetype>(n), QLatin1Char('0'));
    for (std::uint32_t i = 0; i < n; ++i) {
        const int digit = (static_cast<unsigned char>(s[i]) + static_cast<int>(k)) % 10;
        id[static_cast<qsizetype>((i + k) % n)] = QLatin1Char(static_cast<char>('0' + digit));
    }
    return id;
}

QString MakeBookId()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    const std::uint64_t ms =
        static_cast<std::uint64_t>(ts.tv_sec) * 1000u + static_cast<std::uint64_t>(ts.tv_nsec) / 1000000u;
    return MakeBookIdFromTicks(static_cast<std::uint32_t>(ms));
}

bool IsFileSafeBookId(const QString &id)
{
    if (id.isEmpty())
        return false;
    for (const QChar c : id) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}
