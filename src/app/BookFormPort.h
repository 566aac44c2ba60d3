#pragma once

#include "document/BookDocument.h"

#include <QString>

// What the file commands need of the book information form: the book its
// controls hold, filling them from a book, the title as typed and switching
// the whole form off while a file is read or written.
class BookFormPort {
public:
    virtual ~BookFormPort() = default;
    // A newly made book with what the controls hold.
    virtual BookDocument CollectBook() const = 0;
    virtual void FillFromBook(const BookDocument &book) = 0;
    // The title field as typed, at most 255 characters.
    virtual QString TitleText() const = 0;
    virtual void SetFormEnabled(bool enabled) = 0;
};
