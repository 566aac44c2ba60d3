#include "editor/FileSizeText.h"

QString FormatFileSize(std::uint64_t size)
{
    constexpr std::uint64_t kK = 1024;
    constexpr std::uint64_t kM = 1024 * kK;
    constexpr std::uint64_t kG = 1024 * kM;
    if (size < kK)
        return QStringLiteral("%1B").arg(size);
    if (size < kM)
        return QStringLiteral("%1 K").arg(size / kK);
    // Both larger units show thousands of the unit below, not 1024ths.
    const auto twoPlaces = [](std::uint64_t n, QChar unit) {
        return QStringLiteral("%1.%2 %3").arg(n / 1000).arg((n % 1000) / 10, 2, 10, QLatin1Char('0')).arg(unit);
    };
    if (size < kG)
        return twoPlaces(size / kK, QLatin1Char('M'));
    return twoPlaces(size / kM, QLatin1Char('G'));
}
