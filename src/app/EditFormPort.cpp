#include "app/EditFormPort.h"

#include "document/TextLimits.h"
#include "editor/BookInfoForm.h"

BookDocument EditFormPort::CollectBook() const { return form_.CollectBook(); }

void EditFormPort::FillFromBook(const BookDocument &book) { form_.FillFromBook(book); }

// Read straight from the field: gathering the whole book would refresh the
// picture entries (and the count field) as a side effect.
QString EditFormPort::TitleText() const { return form_.TitleText().left(kMaxTitleLength); }

void EditFormPort::SetFormEnabled(bool enabled) { form_.setEnabled(enabled); }
