#include "editor/PictureDialogFilter.h"

const QList<PictureDialogFilterEntry> &PictureDialogFilter()
{
    static const QList<PictureDialogFilterEntry> entries{
        {QStringLiteral("所有图像 (*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf)"),
         QStringLiteral("*.bmp;*.jpg;*.gif;*.cur;*.emf;*.ico;*.wmf")},
        {QStringLiteral("位图文件 (*.bmp)"), QStringLiteral("*.bmp")},
        {QStringLiteral("JPEG文件 (*.jpg)"), QStringLiteral("*.jpg")},
        {QStringLiteral("GIF文件 (*.gif)"), QStringLiteral("*.gif")},
        {QStringLiteral("光标文件 (*.cur)"), QStringLiteral("*.cur")},
        {QStringLiteral("EMF图像 (*.emf)"), QStringLiteral("*.emf")},
        {QStringLiteral("图标文件 (*.ico)"), QStringLiteral("*.ico")},
        {QStringLiteral("WMF图像 (*.wmf)"), QStringLiteral("*.wmf")},
        {QStringLiteral("所有文件 (*.*)"), QStringLiteral("*.*")},
    };
    return entries;
}

QStringList PictureDialogNameFilters()
{
    QStringList filters;
    for (const PictureDialogFilterEntry &entry : PictureDialogFilter()) {
        QStringList patterns = entry.patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters.append(entry.description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return filters;
}
