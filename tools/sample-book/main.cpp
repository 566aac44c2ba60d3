// Makes the sample book that ships with the program: twelve pictures of our
// own drawing in the formats books use, and the book file naming them below
// the application directory, as a book made on Windows names them.
//
// usage: make-sample-book APPLICATION_DIRECTORY

#include "SamplePictures.h"

#include "document/AppDirectories.h"
#include "document/BookDocument.h"
#include "document/BookFile.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: make-sample-book APPLICATION_DIRECTORY\n", stderr);
        return 2;
    }
    const QString appDir = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    const QString folder = appDir + QStringLiteral("samples/");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "make-sample-book: cannot create %s\n", qPrintable(folder));
        return 1;
    }

    SetApplicationDirectory(appDir);
    BookDocument book = BookDocument::MakeNew();
    book.bookId = QStringLiteral("20261206"); // fixed, so every install shares its reading state
    book.title = QStringLiteral("四季画意");
    book.author = QStringLiteral("Vellora 开发组");
    book.category = QStringLiteral("示例; 风景");
    book.rating = 4;
    const QString compileTime = QStringLiteral("2026-12-6 12:00");
    for (const SamplePicture &picture : SamplePictures()) {
        const QString path = folder + picture.fileName;
        if (!WriteSamplePicture(picture, path)) {
            std::fprintf(stderr, "make-sample-book: cannot write %s\n", qPrintable(path));
            return 1;
        }
        book.pictures.append(PictureEntry(path, compileTime, 0));
    }
    book.pictureCount = static_cast<std::int32_t>(book.pictures.size());
    book.cover = SampleCoverText();
    book.intro = SampleIntroText();
    if (!WriteBookFile(folder + QStringLiteral("四季画意.vlr"), book)) {
        std::fputs("make-sample-book: cannot write the book file\n", stderr);
        return 1;
    }
    return 0;
}
