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

QByteArray Member(const char *name, const QByteArray &value) { return QByteArray("  \"") + name + "\": " + value; }
} // namespace

QByteArray BookToJson(const BookDocument &book)
{
    QList<QByteArray> members = {
        Member("FileType", Quote(book.fileType)),
        Member("Version", Quote(book.version)),
        Member("BookId", Quote(book.bookId)),
        Member("Title", Quote(book.title)),
        Member("Author", Quote(book.author)),
        Member("Reserved", Quote(book.reserved)),
        Member("Category", Quote(book.category)),
        Member("Rating", QByteArray::number(book.rating)),
        Member("PictureCount", QByteArray::number(book.pictureCount)),
        Member("Cover", Quote(book.cover)),
        Member("Intro", Quote(book.intro)),
    };
    QByteArray pictures = "[";
    for (qsizetype i = 0; i < book.pictures.size(); ++i) {
        const PictureEntry &entry = book.pictures[i];
        pictures += (i ? ",\n" : "\n");
        pictures += "    {\"Path\": " + Quote(entry.path) + ", \"CompileTime\": " + Quote(entry.compileTime) + "}";
    }
    pictures += book.pictures.isEmpty() ? "]" : "\n  ]";
    members.append(Member("Pictures", pictures));
    return "{\n" + members.join(",\n") + "\n}\n";
}
