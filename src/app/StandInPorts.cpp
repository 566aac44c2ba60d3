#include "app/StandInPorts.h"

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
