#pragma once

#include <QString>

struct BookDocument;

// Reasons for the tool's one-line errors, so that a script (or its user)
// can tell a missing file from a full disk. Texts are the C library's
// English ones whatever the locale, so scripts may compare them.

// The text of an errno value.
QString ErrorText(int error);

// Why the path cannot be read as a whole file, or empty when it names a
// regular file that opens for reading.
QString ReadProblem(const QString &path);

// Why a write to the path failed with this errno: what stands at the path
// when it is no file (a FIFO or device is never replaced), else the error.
QString WriteProblem(const QString &path, int error);

// Reads the book, or prints "cannot read book file" with the reason and
// returns false.
bool ReadBookOrReport(const QString &path, BookDocument &book);
