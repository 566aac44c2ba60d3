#include "ui/PictureFileFilters.h"

#include "ui/ResourceIds.h"
#include "ui/StringTable.h"

#include <QImageReader>

namespace {

// The seven classic types first, in their order, then every other type the
// decoders read: the metafiles are ours, the rest is what QImageReader has
// plugins for (PNG, ".jpeg", TIFF, WebP ...), so no readable picture is
// hidden by the "all pictures" entry.
QString AllPicturePatterns()
{
    QStringList patterns{QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.gif"),
                         QStringLiteral("*.cur"), QStringLiteral("*.emf"), QStringLiteral("*.ico"),
                         QStringLiteral("*.wmf")};
    for (const QByteArray &format : QImageReader::supportedImageFormats()) {
        const QString pattern = QStringLiteral("*.") + QString::fromLatin1(format).toLower();
        if (!patterns.contains(pattern))
            patterns.append(pattern);
    }
    return patterns.join(QLatin1Char(';'));
}

} // namespace

const QList<FileDialogFilter> &PictureDialogFilters()
{
    static const QList<FileDialogFilter> filters{
        {LoadString(kIdsFilterAllPictures), AllPicturePatterns()},
        {LoadString(kIdsFilterBmp), QStringLiteral("*.bmp")},
        {LoadString(kIdsFilterJpeg), QStringLiteral("*.jpg")},
        {LoadString(kIdsFilterGif), QStringLiteral("*.gif")},
        {LoadString(kIdsFilterCursor), QStringLiteral("*.cur")},
        {LoadString(kIdsFilterEmf), QStringLiteral("*.emf")},
        {LoadString(kIdsFilterIcon), QStringLiteral("*.ico")},
        {LoadString(kIdsFilterWmf), QStringLiteral("*.wmf")},
        {LoadString(kIdsFilterAllFiles), QStringLiteral("*.*")},
    };
    return filters;
}

QStringList FilterPatterns(const FileDialogFilter &filter)
{
    QStringList patterns = filter.pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString &p : patterns) {
        p = p.trimmed();
        // On Windows "*.*" also matches names without a dot.
        if (p == QLatin1String("*.*"))
            p = QStringLiteral("*");
    }
    return patterns;
}
