#include "cli/CliCommand.h"
#include "cli/FileProblems.h"

#include "document/Base64Text.h"
#include "document/BookDocument.h"
#include "document/BookFile.h"
#include "document/FileIo.h"

#include <QDateTime>
#include <QFileInfo>

#include <optional>

namespace {
const char kUsage[] = "usage: vellora-book create OUT.vlr [--title T] [--author A] [--category C] [--rating N] "
                      "[--intro FILE.rtf] PICTURE...";

struct CreateOptions {
    QString out;
    QString title, author, category;
    int rating = 0;
    QString intro; // path of the introduction's RTF file
    QStringList pictures;
};

std::optional<CreateOptions> ParseArgs(const QStringList &args)
{
    CreateOptions o;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        if (!optionsEnded && a == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && a.startsWith(QLatin1String("--"))) {
            if (i + 1 >= args.size())
                return std::nullopt;
            const QString &v = args[++i];
            if (a == QLatin1String("--title"))
                o.title = v;
            else if (a == QLatin1String("--author"))
                o.author = v;
            else if (a == QLatin1String("--category"))
                o.category = v;
            else if (a == QLatin1String("--intro"))
                o.intro = v;
            else if (a == QLatin1String("--rating")) {
                bool ok = false;
                o.rating = v.toInt(&ok);
                if (!ok || o.rating < 0 || o.rating > 5)
                    return std::nullopt;
            } else {
                return std::nullopt;
            }
            continue;
        }
        if (o.out.isEmpty())
            o.out = a;
        else
            o.pictures.append(a);
    }
    if (o.out.isEmpty() || o.pictures.isEmpty())
        return std::nullopt;
    return o;
}
} // namespace

int RunCreate(const QStringList &args)
{
    const auto options = ParseArgs(args);
    if (!options) {
        PrintError(QString::fromLatin1(kUsage));
        return kExitUsage;
    }

    QStringList missing;
    BookDocument book = BookDocument::MakeNew();
    book.title = options->title;
    book.author = options->author;
    book.category = options->category;
    book.rating = options->rating;
    if (!options->intro.isEmpty()) {
        const auto rtf = ReadRegularFile(options->intro);
        if (!rtf) {
            PrintError(QStringLiteral("cannot read introduction \"%1\", nothing written: %2")
                           .arg(options->intro, ReadProblem(options->intro)));
            return kExitFailure;
        }
        // The bytes as they are: the book keeps what the editor would stream in.
        book.intro = EncodeBase64Text(*rtf);
    }
    const QString now = FormatCompileTime(QDateTime::currentDateTime());
    for (const QString &picture : options->pictures) {
        const QFileInfo info(picture);
        if (!IsRegularFile(picture)) {
            missing.append(picture);
            continue;
        }
        book.pictures.append(PictureEntry(info.absoluteFilePath(), now, static_cast<std::uint64_t>(info.size())));
    }
    if (!missing.isEmpty()) {
        PrintError(
            QStringLiteral("missing picture files, nothing written: %1").arg(missing.join(QStringLiteral(", "))));
        return kExitFailure;
    }
    book.pictureCount = static_cast<std::int32_t>(book.pictures.size());

    const QString problem = BookWriteProblem(book);
    if (!problem.isEmpty()) {
        PrintError(QStringLiteral("cannot store this book, nothing written: %1").arg(problem));
        return kExitFailure;
    }
    if (int error = 0; !WriteBookFile(options->out, book, &error)) {
        PrintError(QStringLiteral("cannot write \"%1\": %2").arg(options->out, WriteProblem(options->out, error)));
        return kExitFailure;
    }
    return kExitOk;
}
