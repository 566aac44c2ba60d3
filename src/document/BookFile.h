#pragma once

#include <QString>

struct BookDocument;

// Reads a book file into a newly made book (fields set, entries appended).
// Returns false for a file that is missing, not a regular file, unreadable,
// over 256 MiB, empty or shorter than the eleven title-page items; the book
// may then hold part of the file and is to be thrown away.
bool ReadBookFile(const QString &path, BookDocument &book);

// The same from the file's bytes (UTF-16LE, no byte-order mark).
bool ParseBookFileData(const QByteArray &data, BookDocument &book);

// Why a book cannot be written so that it reads back the same, or empty when
// it can: a title-page text with a line break or equal to a block marker, a
// cover or introduction text holding "<", a picture path or compile-time
// text holding CR, LF or ">".
QString BookWriteProblem(const BookDocument &book);

// The bytes of the book file for a book.
QByteArray SerializeBookFile(const BookDocument &book);

// Writes the book file, replacing any old one only once the new one is
// complete. Refuses (false, nothing written) a book that BookWriteProblem
// rejects (error EINVAL); false too when the file cannot be written, the old
// file intact and error set as WriteFileAtomically sets it.
bool WriteBookFile(const QString &path, const BookDocument &book, int *error = nullptr);
