#include "export/PdfFont.h"

#include <QGuiApplication>

QFont PdfTextFont(double points, bool bold)
{
    QFont font = QGuiApplication::font();
    font.setFamilies({font.family(), QStringLiteral("Noto Sans CJK SC")});
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
