#include "cli/BookJson.h"

#include "document/BookDocument.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {
// QJsonObject sorts its keys; the book reads better in file order, so the
// object is assembled by hand with Qt doing the string escaping.
QByteArray Quote(const QString &text)
{
    QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray Member(const char *name, const QByteArray &value)
{
    return QByteArray("  \"") + name + "\": " + value;
}
} // namespace

QByteArray BookToJson(const BookDocument &book)
{
    QList<QByteArray> members = {
        Member("FileType", Quote(book.FileType)),
        Member("Version", Quote(book.Version)),
        Member("BookId", Quote(book.BookId)),
        Member("Title", Quote(book.Title)),
        Member("Author", Quote(book.Author)),
        Member("Reserved", Quote(book.Reserved)),
        Member("Category", Quote(book.Category)),
        Member("Rating", QByteArray::number(book.Rating)),
        Member("PictureCount", QByteArray::number(book.PictureCount)),
        Member("Cover", Quote(book.Cover)),
        Member("Intro", Quote(book.Intro)),
    };
    QByteArray pictures = "[";
    for (qsizetype i = 0; i < book.Pictures.size(); ++i) {
        const PictureEntry &entry = book.Pictures[i];
        pictures += (i ? ",\n" : "\n");
        pictures += "    {\"Path\": " + Quote(entry.Path) + ", \"CompileTime\": " + Quote(entry.CompileTime) + "}";
    }
    pictures += book.Pictures.isEmpty() ? "]" : "\n  ]";
    members.append(Member("Pictures", pictures));
    return "{\n" + members.join(",\n") + "\n}\n";
}
