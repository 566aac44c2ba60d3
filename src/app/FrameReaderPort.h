#pragma once

#include "app/ReaderPort.h"

class CAxPictureView;
class CBookReader;

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
