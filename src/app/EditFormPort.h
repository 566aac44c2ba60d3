#pragma once

#include "app/BookFormPort.h"

class BookInfoForm;

// The file commands' view of the book information form.
class EditFormPort : public BookFormPort {
public:
    explicit EditFormPort(BookInfoForm &form) : form_(form) {}
    // Gathering runs the sequence editor's CollectEntries, which changes
    // its entry array: the form is not const, the port's promise is that
    // the book shown stays the same.
    BookDocument CollectBook() const override;
    void FillFromBook(const BookDocument &book) override;
    QString TitleText() const override;
    void SetFormEnabled(bool enabled) override;

private:
    BookInfoForm &form_;
};
