#include "document/BookFile.h"

#include "document/AtomicFileWrite.h"
#include "document/BookDocument.h"
#include "document/FileIo.h"
#include "document/ParseNumber.h"
#include "document/TextLines.h"

#include <algorithm>
#include <cerrno>

namespace {
const QString kCoverBegin = QStringLiteral("<cover_begin>");
const QString kCoverEnd = QStringLiteral("<cover_end>");
const QString kIntroBegin = QStringLiteral("<intro_begin>");
const QString kIntroEnd = QStringLiteral("<intro_end>");
const QString kCrLf = QStringLiteral("\r\n");

// What follows a block's closing "<": the rest of the end marker and its
// CR LF. The reader skips this many units without looking at them.
constexpr qsizetype kBlockTailUnits = 13;

constexpr int kTitlePageItems = 11;

// Items of a book file: lines, except that a line that is exactly a block
// marker opens a block running up to the next "<". A block whose "<" never
// comes takes the rest of the data (the file is read as far as it goes).
QList<QStringView> SplitItems(QStringView data)
{
    QList<QStringView> items;
    qsizetype pos = 0;
    while (const auto line = NextCrLine(data, pos)) {
        if (line->text == kCoverBegin || line->text == kIntroBegin) {
            const qsizetype start = line->next;
            const qsizetype lt = data.indexOf(QChar(u'<'), start);
            if (lt < 0) {
                items.append(data.mid(start));
                break;
            }
            items.append(data.mid(start, lt - start));
            pos = std::min(lt + kBlockTailUnits, data.size());
        } else {
            items.append(line->text);
            pos = line->next;
        }
    }
    return items;
}

void ParseNumberInto(QStringView item, std::int32_t &target)
{
    if (const auto value = ParseNumber(item))
        target = *value;
}

PictureEntry ParsePictureLine(QStringView item)
{
    PictureEntry entry;
    const qsizetype length = item.size();
    const qsizetype p = item.indexOf(QChar(u'>'));
    if (p >= 2)
        entry.path = item.mid(1, p - 1).toString();
    const qsizetype timeStart = p + 3;
    const qsizetype timeEnd = length - 1; // the closing ">" is not part of it
    if (timeEnd > timeStart)
        entry.compileTime = item.mid(timeStart, timeEnd - timeStart).toString();
    return entry;
}

bool HasLineBreak(const QString &text) { return text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n')); }
} // namespace

bool ParseBookFileData(const QByteArray &data, BookDocument &book)
{
    const QString text = FromUtf16Le(data);
    if (text.isEmpty())
        return false;
    const QList<QStringView> items = SplitItems(text);
    if (items.size() < kTitlePageItems)
        return false;

    book.fileType = items[0].toString();
    book.version = items[1].toString();
    book.bookId = items[2].toString();
    book.title = items[3].toString();
    book.author = items[4].toString();
    book.reserved = items[5].toString();
    book.category = items[6].toString();
    ParseNumberInto(items[7], book.rating);
    ParseNumberInto(items[8], book.pictureCount);
    book.cover = items[9].toString();
    book.intro = items[10].toString();
    for (qsizetype i = kTitlePageItems; i < items.size(); ++i) {
        if (!items[i].isEmpty())
            book.pictures.append(ParsePictureLine(items[i]));
    }
    return true;
}

bool ReadBookFile(const QString &path, BookDocument &book)
{
    const auto data = ReadRegularFile(path);
    if (!data)
        return false;
    return ParseBookFileData(*data, book);
}

QString BookWriteProblem(const BookDocument &book)
{
    const std::pair<const char *, const QString *> texts[] = {
        {"FileType", &book.fileType}, {"Version", &book.version}, {"BookId", &book.bookId},
        {"Title", &book.title},       {"Author", &book.author},   {"Reserved", &book.reserved},
        {"Category", &book.category},
    };
    for (const auto &[name, value] : texts) {
        if (HasLineBreak(*value))
            return QStringLiteral("%1 contains a line break").arg(QLatin1String(name));
        if (*value == kCoverBegin || *value == kIntroBegin)
            return QStringLiteral("%1 is a block marker").arg(QLatin1String(name));
    }
    if (book.cover.contains(QLatin1Char('<')))
        return QStringLiteral("Cover contains \"<\"");
    if (book.intro.contains(QLatin1Char('<')))
        return QStringLiteral("Intro contains \"<\"");
    for (const PictureEntry &entry : book.pictures) {
        for (const QString *value : {&entry.path, &entry.compileTime}) {
            if (HasLineBreak(*value) || value->contains(QLatin1Char('>')))
                return QStringLiteral("picture %1 cannot be stored (line break or \">\")").arg(entry.path);
        }
    }
    return {};
}

QByteArray SerializeBookFile(const BookDocument &book)
{
    QString text;
    for (const QString *line :
         {&book.fileType, &book.version, &book.bookId, &book.title, &book.author, &book.reserved, &book.category})
        text += *line + kCrLf;
    text += QString::asprintf("%i", book.rating) + kCrLf;
    text += QString::asprintf("%i", book.pictureCount) + kCrLf;
    text += kCoverBegin + kCrLf + book.cover + kCoverEnd + kCrLf;
    text += kIntroBegin + kCrLf + book.intro + kIntroEnd + kCrLf;
    for (const PictureEntry &entry : book.pictures)
        text += QLatin1Char('<') + entry.path + QStringLiteral("> <") + entry.compileTime + QLatin1Char('>') + kCrLf;
    return ToUtf16Le(text);
}

bool WriteBookFile(const QString &path, const BookDocument &book, int *error)
{
    if (!BookWriteProblem(book).isEmpty()) {
        if (error)
            *error = EINVAL;
        return false;
    }
    return WriteFileAtomically(path, SerializeBookFile(book), error);
}
