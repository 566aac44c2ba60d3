#pragma once

#include "app/BookFormPort.h"
#include "app/ReaderPort.h"

// What the frame uses while its form or reader is not plugged in: a form
// that gives back the book it was last filled with (so nothing ever counts
// as changed) and a reader that only remembers its book.
class HeldBookForm : public BookFormPort {
public:
    BookDocument CollectBook() const override;
    void FillFromBook(const BookDocument &book) override { book_ = book; }
    QString TitleText() const override { return book_.Title; }
    void SetFormEnabled(bool) override {}

private:
    BookDocument book_ = BookDocument::MakeNew();
};

class BookOnlyReader : public ReaderPort {
public:
    bool HasBook() const override { return book_ != nullptr; }
    void SetBook(const BookDocument *book) override { book_ = book; }
    void SetCurrentPage(int) override {}
    void StopAutoBrowse() override {}
    bool SaveReadingState() override { return false; }
    bool LoadReadingState() override { return false; }
    void ShowCurrentPage() override {}
    void UpdatePageBox() override {}
    void UpdateZoomBox() override {}
    void ResetZoomScale() override {}

private:
    const BookDocument *book_ = nullptr;
};
