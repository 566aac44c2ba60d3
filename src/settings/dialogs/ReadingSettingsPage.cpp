#include "settings/dialogs/ReadingSettingsPage.h"
#include "ui/StringTable.h"
#include "ui/ResourceIds.h"
#include "document/TextLimits.h"

#include "ui/DialogUnits.h"
#include "ui/NumberEdit.h"
#include "ui/ReadingParametersLayout.h"

#include <QCheckBox>


ReadingSettingsPage::ReadingSettingsPage(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(LoadString(kIdsReadingCaption));
    setMinimumSize(DialogSizeToPixels(kReadingParametersSize, DialogBaseUnitsOf(font())));
}

void ReadingSettingsPage::showEvent(QShowEvent *event)
{
    if (!created_)
        Create();
    QWidget::showEvent(event);
}

void ReadingSettingsPage::Create()
{
    created_ = true;
    // Every opening of the sheet reads the file afresh.
    kept_ = ReadReadModeSettings();

    // The dialog's OK and Cancel have no place here: the sheet has its own.
    const ReadingParametersControls controls = BuildReadingParameters(*this, ReadingParametersButtons::None);
    step_ = controls.step;
    speed_ = controls.speed;
    border_ = controls.border;
    centre_ = controls.centre;

    speed_->setText(QString::number(kept_.speed));
    step_->setText(QString::number(kept_.step));
    border_->setChecked(kept_.border);
    centre_->setChecked(kept_.centre);
}

void ReadingSettingsPage::SaveReadSettings() const
{
    if (!created_)
        return;
    WriteReadModeSettings(border_->isChecked(), centre_->isChecked(), speed_->text().left(kMaxLineBoxLength),
                          step_->text().left(kMaxLineBoxLength));
}
