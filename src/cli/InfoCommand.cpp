#include "cli/BookJson.h"
#include "cli/CliCommand.h"

#include "document/BookDocument.h"
#include "document/BookFile.h"

int RunInfo(const QStringList &args)
{
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        PrintError(QStringLiteral("usage: vellora-book info BOOK.vlr"));
        return kExitUsage;
    }
    BookDocument book;
    if (!ReadBookFile(args.first(), book)) {
        PrintError(QStringLiteral("cannot read book file \"%1\"").arg(args.first()));
        return kExitFailure;
    }
    PrintOut(BookToJson(book));
    return kExitOk;
}
