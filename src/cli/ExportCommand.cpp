#include "cli/CliCommand.h"
#include "cli/FileProblems.h"

#include "document/BookDocument.h"
#include "export/BookPdfExport.h"

namespace {
const char kUsage[] = "usage: vellora-book export BOOK.vlr OUT.pdf [--page-size A4|letter|picture]";
} // namespace

int RunExport(const QStringList &args)
{
    QStringList positional;
    PdfExportOptions options;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--page-size") && i + 1 < args.size()) {
            const std::optional<PdfPageSize> size = ParsePdfPageSize(args[++i]);
            if (!size) {
                PrintError(QString::fromLatin1(kUsage));
                return kExitUsage;
            }
            options.pageSize = *size;
        } else if (args[i].startsWith(QLatin1String("--"))) {
            PrintError(QString::fromLatin1(kUsage));
            return kExitUsage;
        } else {
            positional.append(args[i]);
        }
    }
    if (positional.size() != 2) {
        PrintError(QString::fromLatin1(kUsage));
        return kExitUsage;
    }
    BookDocument book;
    if (!ReadBookOrReport(positional[0], book))
        return kExitFailure;
    const PdfExportResult result = ExportBookPdf(book, positional[1], options);
    if (result.status != PdfExportStatus::Written) {
        PrintError(
            QStringLiteral("cannot write \"%1\": %2").arg(positional[1], WriteProblem(positional[1], result.error)));
        return kExitFailure;
    }
    return kExitOk;
}
