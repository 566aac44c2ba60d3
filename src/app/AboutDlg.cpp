#include "app/AboutDlg.h"

#include "platform/DialogTemplate.h"
#include "platform/ResourceIds.h"
#include "platform/ToolBarResource.h"

#include <QShowEvent>

CAboutDlg::CAboutDlg(QWidget *owner) : QDialog(owner)
{
    setWindowIcon(NamedIcon(QStringLiteral("vellora.svg")));
    if (const std::optional<DialogTemplate> layout = AppDialogTemplates().Dialog(kIddAbout))
        BuildDialog(this, *layout);
}

void CAboutDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *owner = parentWidget()) {
        QRect frame = frameGeometry();
        frame.moveCenter(owner->window()->frameGeometry().center());
        move(frame.topLeft());
    }
}
