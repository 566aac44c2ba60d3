#include "viewer/PageNavigation.h"

#include "document/BookDocument.h"
#include "document/ParseNumber.h"
#include "document/TextLimits.h"

#include <algorithm>
#include <limits>

int UsablePageCount(const BookDocument &book)
{
    const qsizetype entries = book.pictures.size();
    return int(
        std::clamp<qsizetype>(book.pictureCount, 0, std::min<qsizetype>(entries, std::numeric_limits<int>::max())));
}

int PageAfterMove(PageMove move, int current, int step, int pageCount)
{
    if (pageCount <= 0)
        return 0;
    std::int64_t target = current;
    switch (move) {
    case PageMove::Next: target = std::int64_t(current) + 1; break;
    case PageMove::Previous: target = std::int64_t(current) - 1; break;
    case PageMove::First: target = 0; break;
    case PageMove::Last: target = pageCount - 1; break;
    case PageMove::JumpForward: target = std::int64_t(current) + step; break;
    case PageMove::JumpBack: target = std::int64_t(current) - step; break;
    }
    if (target >= pageCount)
        return 0;
    if (target < 0)
        return pageCount - 1;
    return int(target);
}

int NormalisedPage(int current, int pageCount) { return current < 0 || current >= pageCount ? 0 : current; }

std::optional<int> TypedPageTarget(QStringView typed, int current, int pageCount)
{
    const std::optional<std::int32_t> number = ParseNumber(typed.left(kMaxLineBoxLength));
    if (!number)
        return std::nullopt;
    const std::int64_t page = std::int64_t(*number) - 1;
    if (page == current || pageCount <= 0)
        return std::nullopt;
    return int(std::clamp<std::int64_t>(page, 0, pageCount - 1));
}

int AutoBrowseIntervalMs(std::int32_t speed)
{
    const std::int64_t ms = std::int64_t(speed) * 1000;
    return int(std::clamp<std::int64_t>(ms, 0, std::numeric_limits<int>::max()));
}
