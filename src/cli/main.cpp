// vellora-book: make and inspect picture books from scripts.

#include "cli/CliCommand.h"

#include "document/AppDirectories.h"
#include "ui/QuietQtMessages.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <iterator>
#include <memory>

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
    {"check", "check that every picture of a book loads",
     "usage: vellora-book check BOOK.vlr\n"
     "Loads every picture the book names, as the reader would, and prints JSON: for each\n"
     "picture its Path, its status (\"ok\", \"missing\" or \"undecodable\") and, when ok, its\n"
     "pixel size (width, height) and natural size in 0.01 mm (himetricWidth, himetricHeight),\n"
     "both at 96 dots per inch.\n"
     "Exit status: 0 when every picture is ok, 3 when any is not, 1 when the file is not a\n"
     "readable book, 2 on bad arguments.\n",
     RunCheck, true},
    {"render", "draw a picture into a PNG file",
     "usage: vellora-book render PICTURE OUT.png [--width W] [--height H]\n"
     "Draws the picture stretched into a W x H rectangle on white, exactly as the reader\n"
     "draws a page, and writes it as PNG.\n"
     "  --width W    width in pixels (default: the picture's width at 96 dots per inch)\n"
     "  --height H   height in pixels (default: the picture's height at 96 dots per inch)\n"
     "Exit status: 0 on success, 1 when the picture cannot be loaded or the PNG not written,\n"
     "2 on bad arguments.\n",
     RunRender, true},
    {"intro", "print a book's introduction",
     "usage: vellora-book intro BOOK.vlr [--format text|html|rtf]\n"
     "Reads the book's introduction with the program's RTF reader and prints it as plain\n"
     "text (paragraphs joined by line feeds, the default), as HTML, or written again as RTF.\n"
     "A book without introduction prints nothing.\n"
     "Exit status: 0 on success, 1 when the file is not a readable book, 2 on bad arguments.\n",
     RunIntro, true},
    {"export", "write a book as a PDF file",
     "usage: vellora-book export BOOK.vlr OUT.pdf [--page-size A4|letter|picture]\n"
     "Writes the book as a PDF: a title page (cover, title, author, category, rating and the\n"
     "introduction), then one page per picture scaled to fit inside the margins; a picture that\n"
     "does not load gets a page naming its file. The PDF's title and author are the book's.\n"
     "  --page-size S  A4 (the default), letter, or picture: each picture on a page of its own\n"
     "                 natural size at 96 dots per inch, plus the margins\n"
     "The file appears only when complete; on failure nothing is left at OUT.pdf and an\n"
     "existing file there is unchanged.\n"
     "Exit status: 0 on success, 1 when the book cannot be read or the PDF not written,\n"
     "2 on bad arguments.\n",
     RunExport, true},
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

static const CliCommand *FindCommand(const char *name)
{
    for (const CliCommand &c : kCommands) {
        if (qstrcmp(name, c.name) == 0)
            return &c;
    }
    return nullptr;
}

int main(int argc, char **argv)
{
    SilenceQtMessages();
    DivertLibraryStderr();
    const CliCommand *command = argc > 1 ? FindCommand(argv[1]) : nullptr;
    std::unique_ptr<QCoreApplication> app;
    if (command && command->needsGui) {
        // A script has no display; drawing works the same without one.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    InitialiseDirectoriesFromEnvironment();

    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty()) {
        PrintErrorText(GeneralUsage());
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
    PrintErrorText(GeneralUsage());
    return kExitUsage;
}
