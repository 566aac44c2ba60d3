#include "cli/CliCommand.h"
#include "cli/FileProblems.h"

#include "document/BookDocument.h"
#include "document/FileIo.h"
#include "document/PicturePath.h"
#include "formats/PictureHolder.h"
#include "formats/ScreenDpi.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {
// Sizes are reported for the usual screen, whatever screen the tool runs on.
constexpr QSize kReportDpi{96, 96};

QJsonObject CheckPicture(const PictureEntry &entry)
{
    QJsonObject result{{QStringLiteral("Path"), entry.path}};
    const QString file = ExpandPicturePath(entry.path);
    if (!IsRegularFile(file)) {
        result[QStringLiteral("status")] = QStringLiteral("missing");
        return result;
    }
    PictureHolder holder;
    if (!holder.LoadFromFile(file)) {
        result[QStringLiteral("status")] = QStringLiteral("undecodable");
        return result;
    }
    const QSize himetric = holder.NaturalSizeHimetric();
    const QSize pixels = PictureHolder::HimetricToPixels(himetric, kReportDpi);
    result[QStringLiteral("status")] = QStringLiteral("ok");
    result[QStringLiteral("width")] = pixels.width();
    result[QStringLiteral("height")] = pixels.height();
    result[QStringLiteral("himetricWidth")] = himetric.width();
    result[QStringLiteral("himetricHeight")] = himetric.height();
    return result;
}
} // namespace

int RunCheck(const QStringList &args)
{
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        PrintError(QStringLiteral("usage: vellora-book check BOOK.vlr"));
        return kExitUsage;
    }
    BookDocument book;
    if (!ReadBookOrReport(args.first(), book))
        return kExitFailure;
    SetScreenLogicalDpi(kReportDpi);
    QJsonArray pictures;
    bool allOk = true;
    for (const PictureEntry &entry : book.pictures) {
        const QJsonObject picture = CheckPicture(entry);
        allOk = allOk && picture[QStringLiteral("status")] == QStringLiteral("ok");
        pictures.append(picture);
    }
    PrintOut(QJsonDocument(QJsonObject{{QStringLiteral("Pictures"), pictures}}).toJson(QJsonDocument::Indented));
    return allOk ? kExitOk : kExitSomePicturesBad;
}
