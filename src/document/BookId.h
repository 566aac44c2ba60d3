#pragma once

#include <QString>
#include <cstdint>

// A new book id from the system's millisecond tick count. Two books made in
// the same millisecond get the same id.
QString MakeBookId();

// The id for a given tick count; the scrambling that MakeBookId applies.
QString MakeBookIdFromTicks(std::uint32_t ticks);

// Whether an id may name a file: only ids made of decimal digits do. Any
// other id (a hand-edited book could hold "../../x") names no file.
bool IsFileSafeBookId(const QString &id);
