#include "app/StandInPorts.h"

#include "viewer/AxPictureView.h"
#include "viewer/BookReader.h"

BookDocument HeldBookForm::CollectBook() const
{
    // The form gathers into a newly made book; only the id of the copy is new.
    BookDocument book = BookDocument::MakeNew();
    book.Title = book_.Title;
    book.Author = book_.Author;
    book.Category = book_.Category;
    book.Rating = book_.Rating;
    book.Cover = book_.Cover;
    book.Intro = book_.Intro;
    book.Pictures = book_.Pictures;
    book.PictureCount = book_.PictureCount;
    return book;
}

bool FrameReaderPort::HasBook() const { return reader_.Book() != nullptr; }
void FrameReaderPort::SetBook(const BookDocument *book) { reader_.SetBook(book); }
void FrameReaderPort::SetCurrentPage(int page) { reader_.SetCurrentPage(page); }
void FrameReaderPort::StopAutoBrowse() { reader_.StopAutoBrowse(); }
bool FrameReaderPort::SaveReadingState() { return reader_.SaveReadingState(); }
bool FrameReaderPort::LoadReadingState() { return reader_.LoadReadingState(); }
void FrameReaderPort::ShowCurrentPage() { reader_.ShowCurrentPage(); }
void FrameReaderPort::UpdatePageBox() { reader_.UpdatePageBox(); }
void FrameReaderPort::UpdateZoomBox() { view_.UpdateZoomBox(); }
void FrameReaderPort::ResetZoomScale() { view_.ResetScale(); }
