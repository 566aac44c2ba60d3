#include "document/BookDocument.h"

#include "document/BookId.h"
#include "document/PicturePath.h"

#include <QDateTime>

PictureEntry::PictureEntry(const QString &picturePath, const QString &compiled, std::uint64_t bytes)
    : path(ContractPicturePath(picturePath)), fileSize(bytes), compileTime(compiled)
{
}

BookDocument BookDocument::MakeNew()
{
    BookDocument book;
    book.fileType = QString::fromUtf16(kDefaultFileType);
    book.version = QString::fromUtf16(kDefaultVersion);
    book.bookId = MakeBookId();
    return book;
}

QString FormatCompileTime(const QDateTime &localTime)
{
    const QDate d = localTime.date();
    const QTime t = localTime.time();
    return QString::asprintf("%i-%i-%i %.2i:%.2i", d.year(), d.month(), d.day(), t.hour(), t.minute());
}
