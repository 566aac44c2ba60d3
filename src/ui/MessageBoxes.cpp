#include "ui/MessageBoxes.h"

#include "ui/FixedDialog.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"
#include "ui/ToolBarResource.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QSpacerItem>

namespace {

void GiveButtonsTheProgramsTexts(QMessageBox &box)
{
    const struct {
        QMessageBox::StandardButton button;
        int text;
    } texts[] = {{QMessageBox::Yes, kIdsButtonYes},
                 {QMessageBox::No, kIdsButtonNo},
                 {QMessageBox::Ok, kIdsButtonOk},
                 {QMessageBox::Cancel, kIdsButtonCancel}};
    for (const auto &t : texts) {
        if (QAbstractButton *button = box.button(t.button))
            button->setText(LoadString(t.text));
    }
}

void KeepCaptionWhole(QMessageBox &box)
{
    // QMessageBox sizes itself to its text; a short message would cut the
    // program's name in the title bar.
    const int width = CaptionFitWidth(box);
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

} // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const QString &text, QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::Information, LoadString(kIdsAppTitle), text, buttons);
    box->setWindowIcon(NamedIcon(QStringLiteral("vellora.svg")));
    box->setWindowFlags(kFixedDialogFlags);
    GiveButtonsTheProgramsTexts(*box);
    // A box that asks whether to keep edits must never read Escape or its
    // close box as an answer that throws them away; with a Cancel button
    // those mean Cancel, without one the box has only harmless answers.
    if (QAbstractButton *cancel = box->button(QMessageBox::Cancel))
        box->setEscapeButton(cancel);
    KeepCaptionWhole(*box);
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
