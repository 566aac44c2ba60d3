#include "app/BooksDiffer.h"

#include "document/BookDocument.h"

bool BooksDiffer(const BookDocument &formBook, const BookDocument &savedBook)
{
    if (formBook.FileType != savedBook.FileType || formBook.Version != savedBook.Version
        || formBook.Title != savedBook.Title || formBook.Author != savedBook.Author
        || formBook.Category != savedBook.Category || formBook.Reserved != savedBook.Reserved
        || formBook.Intro != savedBook.Intro || formBook.Cover != savedBook.Cover
        || formBook.Rating != savedBook.Rating || formBook.PictureCount != savedBook.PictureCount)
        return true;
    for (qsizetype i = 0; i < savedBook.Pictures.size(); ++i) {
        if (i >= formBook.Pictures.size() || formBook.Pictures.at(i).Path != savedBook.Pictures.at(i).Path)
            return true;
    }
    return false;
}
