#pragma once

#include <QStringView>

#include <cstdint>
#include <optional>

struct BookDocument;

// The reader's page arithmetic, apart from any window. Sums are formed in 64
// bits, so a jump width near 2^31 cannot wrap a 32-bit page number.

enum class PageMove { Next, Previous, First, Last, JumpForward, JumpBack };

// The pages the reader may show: pictureCount, but never more than the
// entries the book holds and never below 0, so no page names a missing entry.
int UsablePageCount(const BookDocument &book);

// The page a move lands on in a book of pageCount (> 0) pages. A move past
// the last page lands on the first, a move before the first on the last;
// that holds for either direction, so a negative jump width, which turns a
// jump forward into one backward, wraps like a jump backward.
int PageAfterMove(PageMove move, int current, int step, int pageCount);

// The current page brought back into the book: 0 when outside it.
int NormalisedPage(int current, int pageCount);

// The page a number typed into the page box (counted from 1) asks for in a
// book of pageCount pages, clamped to the book; nothing when the text is not
// wholly a number, the book has no pages, or it names the current page.
std::optional<int> TypedPageTarget(QStringView typed, int current, int pageCount);

// The auto-browse timer interval: Speed seconds in milliseconds, a negative
// Speed giving 0 and a product beyond 32 bits the largest 32-bit interval.
int AutoBrowseIntervalMs(std::int32_t speed);
