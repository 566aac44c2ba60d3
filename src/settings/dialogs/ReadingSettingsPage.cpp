#include "settings/dialogs/ReadingSettingsPage.h"

#include "settings/dialogs/PageLayout.h"
#include "ui/NumberEdit.h"
#include "ui/ReadingParametersLayout.h"

#include <QCheckBox>
#include <QPushButton>

ReadingSettingsPage::ReadingSettingsPage(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("自动浏览参数"));
    SetPageSize(*this, kReadingParametersSize.width(), kReadingParametersSize.height());
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

    const ReadingParametersControls controls = BuildReadingParameters(*this);
    step_ = controls.step;
    speed_ = controls.speed;
    border_ = controls.border;
    centre_ = controls.centre;
    // The template's own OK and Cancel belong to the stand-alone dialog;
    // on a page the sheet's buttons take their place.
    controls.ok->hide();
    controls.cancel->hide();

    speed_->setText(QString::number(kept_.speed));
    step_->setText(QString::number(kept_.step));
    border_->setChecked(kept_.border);
    centre_->setChecked(kept_.centre);
}

void ReadingSettingsPage::SaveReadSettings() const
{
    if (!created_)
        return;
    WriteReadModeSettings(border_->isChecked(), centre_->isChecked(), speed_->text().left(kMaxPageTextLength),
                          step_->text().left(kMaxPageTextLength));
}
