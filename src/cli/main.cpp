// vellora-book: make and inspect picture books from scripts.

#include "cli/CliCommand.h"

#include "document/AppDirectories.h"

#include <QCoreApplication>

#include <cstdio>
#include <iterator>

namespace {
const CliCommand kCommands[] = {
    {"info", "print a book as JSON",
     "usage: vellora-book info BOOK.vlr\n"
     "Prints the book's title page and picture list as JSON.\n"
     "Exit status: 0 on success, 1 when the file is not a readable book, 2 on bad arguments.\n",
     RunInfo},
    {"create", "make a new book from picture files",
     "usage: vellora-book create OUT.vlr [--title T] [--author A] [--category C] [--rating N]\n"
     "                           [--intro FILE.rtf] PICTURE...\n"
     "Writes a new book whose pages are the given pictures in order. Pictures below the\n"
     "program's folder are stored relative to it, so the book works wherever it is installed.\n"
     "  --title T      the book's title\n"
     "  --author A     the author\n"
     "  --category C   the category\n"
     "  --rating N     the star rating, 0 to 5\n"
     "  --intro F      the introduction: the RTF file's bytes, stored unchanged\n"
     "Exit status: 0 on success, 1 when a picture or the introduction file is missing or a\n"
     "text cannot be stored (nothing is written then), 2 on bad arguments.\n",
     RunCreate},
    {"intro", "print a book's introduction",
     "usage: vellora-book intro BOOK.vlr [--format text|html|rtf]\n"
     "Reads the book's introduction with the program's RTF reader and prints it as plain\n"
     "text (paragraphs joined by line feeds, the default), as HTML, or written again as RTF.\n"
     "A book without introduction prints nothing.\n"
     "Exit status: 0 on success, 1 when the file is not a readable book, 2 on bad arguments.\n",
     RunIntro},
};

QByteArray GeneralUsage()
{
    QByteArray text = "usage: vellora-book COMMAND [ARGS...]\n"
                      "       vellora-book COMMAND --help\n\nCommands:\n";
    for (const CliCommand &c : kCommands)
        text += QByteArray("  ") + c.name + QByteArray(10 - qstrlen(c.name), ' ') + c.summary + "\n";
    return text;
}

bool IsHelp(const QString &arg) { return arg == QLatin1String("--help") || arg == QLatin1String("-h"); }
} // namespace

void PrintOut(const QByteArray &text)
{
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stdout);
}

void PrintError(const QString &line)
{
    const QByteArray text = "vellora-book: " + line.toUtf8() + "\n";
    std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), stderr);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    InitialiseDirectoriesFromEnvironment();

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        std::fputs(GeneralUsage().constData(), stderr);
        return kExitUsage;
    }
    if (IsHelp(args.first())) {
        PrintOut(GeneralUsage());
        return kExitOk;
    }
    const QString name = args.takeFirst();
    for (const CliCommand &c : kCommands) {
        if (name != QLatin1String(c.name))
            continue;
        if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
            PrintOut(c.usage);
            return kExitOk;
        }
        return c.run(args);
    }
    PrintError(QStringLiteral("unknown command \"%1\"").arg(name));
    std::fputs(GeneralUsage().constData(), stderr);
    return kExitUsage;
}
