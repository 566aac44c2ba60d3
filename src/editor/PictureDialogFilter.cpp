#include "editor/PictureDialogFilter.h"

#include "ui/PictureFileFilters.h"

QStringList PictureDialogNameFilters()
{
    QStringList filters;
    for (const FileDialogFilter &filter : PictureDialogFilters())
        filters.append(filter.text + QStringLiteral(" (") + FilterPatterns(filter).join(QLatin1Char(' '))
                       + QLatin1Char(')'));
    return filters;
}
