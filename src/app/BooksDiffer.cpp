#include "app/BooksDiffer.h"

#include "document/BookDocument.h"

bool BooksDiffer(const BookDocument &formBook, const BookDocument &savedBook)
{
    if (formBook.fileType != savedBook.fileType || formBook.version != savedBook.version
        || formBook.title != savedBook.title || formBook.author != savedBook.author
        || formBook.category != savedBook.category || formBook.reserved != savedBook.reserved
        || formBook.intro != savedBook.intro || formBook.cover != savedBook.cover || formBook.rating != savedBook.rating
        || formBook.pictureCount != savedBook.pictureCount)
        return true;
    for (qsizetype i = 0; i < savedBook.pictures.size(); ++i) {
        if (i >= formBook.pictures.size() || formBook.pictures.at(i).path != savedBook.pictures.at(i).path)
            return true;
    }
    return false;
}
