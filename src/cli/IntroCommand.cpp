#include "cli/CliCommand.h"
#include "cli/FileProblems.h"

#include "document/Base64Text.h"
#include "document/BookDocument.h"
#include "formats/rtf/RtfReader.h"
#include "formats/rtf/RtfWriter.h"

#include <QTextDocument>

namespace {
const char kUsage[] = "usage: vellora-book intro BOOK.vlr [--format text|html|rtf]";

enum class IntroFormat { Text, Html, Rtf };
} // namespace

int RunIntro(const QStringList &args)
{
    QString path;
    IntroFormat format = IntroFormat::Text;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--format") && i + 1 < args.size()) {
            const QString &f = args[++i];
            if (f == QLatin1String("text")) {
                format = IntroFormat::Text;
            } else if (f == QLatin1String("html")) {
                format = IntroFormat::Html;
            } else if (f == QLatin1String("rtf")) {
                format = IntroFormat::Rtf;
            } else {
                PrintError(QString::fromLatin1(kUsage));
                return kExitUsage;
            }
            continue;
        }
        if (args[i].startsWith(QLatin1String("--")) || !path.isEmpty()) {
            PrintError(QString::fromLatin1(kUsage));
            return kExitUsage;
        }
        path = args[i];
    }
    if (path.isEmpty()) {
        PrintError(QString::fromLatin1(kUsage));
        return kExitUsage;
    }

    BookDocument book;
    if (!ReadBookOrReport(path, book))
        return kExitFailure;
    const QByteArray rtf = DecodeBase64Text(book.intro);
    if (rtf.isEmpty())
        return kExitOk; // a book without introduction

    QTextDocument doc;
    ReadRtf(rtf, doc);
    switch (format) {
    case IntroFormat::Text: PrintOut(doc.toPlainText().toUtf8()); break;
    case IntroFormat::Html: PrintOut(doc.toHtml().toUtf8()); break;
    case IntroFormat::Rtf: PrintOut(WriteRtf(doc)); break;
    }
    return kExitOk;
}
