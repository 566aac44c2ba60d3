#include "ui/PictureFileFilters.h"

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
        {QStringLiteral("所有图像 (*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf)"), AllPicturePatterns()},
        {QStringLiteral("位图文件 (*.bmp)"), QStringLiteral("*.bmp")},
        {QStringLiteral("JPEG文件 (*.jpg)"), QStringLiteral("*.jpg")},
        {QStringLiteral("GIF文件 (*.gif)"), QStringLiteral("*.gif")},
        {QStringLiteral("光标文件 (*.cur)"), QStringLiteral("*.cur")},
        {QStringLiteral("EMF图像 (*.emf)"), QStringLiteral("*.emf")},
        {QStringLiteral("图标文件 (*.ico)"), QStringLiteral("*.ico")},
        {QStringLiteral("WMF图像 (*.wmf)"), QStringLiteral("*.wmf")},
        {QStringLiteral("所有文件 (*.*)"), QStringLiteral("*.*")},
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
