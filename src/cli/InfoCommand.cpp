#include "cli/BookJson.h"
#include "cli/CliCommand.h"
#include "cli/FileProblems.h"

#include "document/BookDocument.h"

int RunInfo(const QStringList &args)
{
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        PrintError(QStringLiteral("usage: vellora-book info BOOK.vlr"));
        return kExitUsage;
    }
    BookDocument book;
    if (!ReadBookOrReport(args.first(), book))
        return kExitFailure;
    PrintOut(BookToJson(book));
    return kExitOk;
}
