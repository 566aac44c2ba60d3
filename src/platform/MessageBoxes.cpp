#include "platform/MessageBoxes.h"

#include "platform/ResourceIds.h"
#include "platform/StringTable.h"
#include "platform/ToolBarResource.h"

std::unique_ptr<QMessageBox> MakeMessageBox(const QString &text, QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Information, LoadString(kIdsAppTitle), text, buttons);
    box->setWindowIcon(NamedIcon(QStringLiteral("vellora.svg")));
    return box;
}

QMessageBox::StandardButton ShowMessageBox(int stringId, QMessageBox::StandardButtons buttons)
{
    // The string table keeps Windows line ends; a box shows "\n" alone.
    QString text = LoadString(stringId);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(text, buttons);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}
