// Prints the MIME type Qt's MIME database (the desktop's shared-mime-info
// data under XDG_DATA_DIRS) gives a file by its content alone.

#include <QCoreApplication>
#include <QMimeDatabase>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QMimeType type =
        QMimeDatabase().mimeTypeForFile(QString::fromLocal8Bit(argv[1]), QMimeDatabase::MatchContent);
    std::printf("%s\n", qPrintable(type.name()));
    return 0;
}
