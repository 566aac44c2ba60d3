#include "settings/dialogs/PageLayout.h"

#include "ui/DialogUnits.h"

#include <QLabel>
#include <QWidget>

QRect PageRect(const QWidget &page, int x, int y, int width, int height)
{
    return DialogRectToPixels(QRect(x, y, width, height), DialogBaseUnitsOf(page.font()));
}

void SetPageSize(QWidget &page, int width, int height)
{
    page.setMinimumSize(DialogSizeToPixels(QSize(width, height), DialogBaseUnitsOf(page.font())));
}

void AddPageLabel(QWidget &page, const QString &text, int x, int y, int width, int height)
{
    auto *label = new QLabel(text, &page);
    label->setGeometry(PageRect(page, x, y, width, height));
    label->show();
}
