#pragma once

#include "app/BookFormPort.h"
#include "app/ReaderPort.h"

class CAxPictureView;
class CBookReader;

// The form the frame uses while the book information form is not plugged
// in: it gives back the book it was last filled with, so nothing ever
// counts as changed.
class HeldBookForm : public BookFormPort {
public:
    BookDocument CollectBook() const override;
    void FillFromBook(const BookDocument &book) override { book_ = book; }
    QString TitleText() const override { return book_.Title; }
    void SetFormEnabled(bool) override {}

private:
    BookDocument book_ = BookDocument::MakeNew();
};

// The file commands' view of the frame's reader and picture view.
class FrameReaderPort : public ReaderPort {
public:
    FrameReaderPort(CBookReader &reader, CAxPictureView &view) : reader_(reader), view_(view) {}
    bool HasBook() const override;
    void SetBook(const BookDocument *book) override;
    void SetCurrentPage(int page) override;
    void StopAutoBrowse() override;
    bool SaveReadingState() override;
    bool LoadReadingState() override;
    void ShowCurrentPage() override;
    void UpdatePageBox() override;
    void UpdateZoomBox() override;
    void ResetZoomScale() override;

private:
    CBookReader &reader_;
    CAxPictureView &view_;
};
