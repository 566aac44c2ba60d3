#pragma once

struct BookDocument;

// What the file commands need of the reading side: the reader that pages
// through the saved book and the picture view's zoom.
class ReaderPort {
public:
    virtual ~ReaderPort() = default;
    virtual bool HasBook() const = 0;
    // The reader refers to the frame's saved book; it never owns it.
    virtual void SetBook(const BookDocument *book) = 0;
    virtual void SetCurrentPage(int page) = 0;
    virtual void StopAutoBrowse() = 0;
    virtual bool SaveReadingState() = 0;
    virtual bool LoadReadingState() = 0;
    virtual void ShowCurrentPage() = 0;
    virtual void UpdatePageBox() = 0;
    virtual void UpdateZoomBox() = 0;
    // Back to 100 % without drawing: the next page shown draws at it.
    virtual void ResetZoomScale() = 0;
};
