#pragma once

#include <QByteArray>

struct BookDocument;

// The book as a JSON object: the title-page fields in file order, numbers as
// numbers, then "Pictures" as an array of {Path, CompileTime}.
QByteArray BookToJson(const BookDocument &book);
