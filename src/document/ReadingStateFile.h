#pragma once

#include <QString>
#include <cstdint>

// Where a book left off: the current page (from 0), the auto-browse speed in
// seconds per page and the jump width, kept per book id in the "etc" folder
// of the data directory.
struct ReadingState {
    std::int32_t page = 0;
    std::int32_t speed = 1;
    std::int32_t step = 1;
};

// The state file's name, or empty when the id may not name a file (only
// decimal digits may).
QString ReadingStateFilePath(const QString &dataDirectory, const QString &bookId);

// Writes the three values, replacing the old file only once the new one is
// complete. False (old file intact) when the id names no file or the write fails.
bool SaveReadingStateFile(const QString &dataDirectory, const QString &bookId, const ReadingState &state);

// Reads the file over the values held: each of the first three lines that
// is a number replaces its value; lines that are missing or not numbers
// leave theirs. False, nothing changed, when there is no readable file.
bool LoadReadingStateFile(const QString &dataDirectory, const QString &bookId, ReadingState &state);

// The same from the file's bytes.
void ParseReadingStateData(const QByteArray &data, ReadingState &state);
QByteArray SerializeReadingState(const ReadingState &state);
