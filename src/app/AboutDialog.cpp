#include "app/AboutDialog.h"

#include "ui/DialogTemplate.h"
#include "ui/ResourceIds.h"
#include "ui/ToolBarResource.h"

#include <QShowEvent>

AboutDialog::AboutDialog(QWidget *owner) : QDialog(owner)
{
    setWindowIcon(NamedIcon(QStringLiteral("vellora.svg")));
    if (const std::optional<DialogTemplate> layout = AppDialogTemplates().Dialog(kIddAbout))
        BuildDialog(this, *layout);
}

void AboutDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
}
