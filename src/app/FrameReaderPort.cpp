#include "app/FrameReaderPort.h"

#include "viewer/BookReader.h"
#include "viewer/PictureView.h"

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
