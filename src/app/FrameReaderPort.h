#pragma once

#include "app/ReaderPort.h"

class PictureView;
class BookReader;

// The file commands' view of the frame's reader and picture view.
class FrameReaderPort : public ReaderPort {
public:
    FrameReaderPort(BookReader &reader, PictureView &view) : reader_(reader), view_(view) {}
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
    BookReader &reader_;
    PictureView &view_;
};
