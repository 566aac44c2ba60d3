#include "viewer/ReadingParametersDialog.h"
#include "ui/StringTable.h"
#include "ui/ResourceIds.h"
#include "document/TextLimits.h"

#include "ui/DialogUnits.h"
#include "ui/FixedDialog.h"
#include "ui/NumberEdit.h"
#include "ui/ReadingParametersLayout.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

ReadingParametersDialog::ReadingParametersDialog(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(LoadString(kIdsReadingCaption));
    const ReadingParametersControls controls = BuildReadingParameters(*this, ReadingParametersButtons::OkCancel);
    // The dialog keeps the size it always had in units of its font, and grows
    // only when a larger font needs more.
    SetFixedDialogSize(*this, sizeHint().expandedTo(DialogSizeToPixels(kReadingParametersSize,
                                                                       DialogBaseUnitsOf(font()))));
    step_ = controls.step;
    speed_ = controls.speed;
    border_ = controls.border;
    centre_ = controls.centre;
    // Pasted text is held to digits as well: only typing is filtered by the
    // boxes themselves.
    for (QLineEdit *edit : {step_, speed_}) {
        edit->setMaxLength(kMaxLineBoxLength);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    controls.ok->setDefault(true);
    connect(controls.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(controls.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ReadingParametersDialog::SetValues(std::int32_t step, std::int32_t speed, bool border, bool centre)
{
    step_->setText(QString::asprintf("%i", step));
    speed_->setText(QString::asprintf("%i", speed));
    border_->setChecked(border);
    centre_->setChecked(centre);
}

QString ReadingParametersDialog::StepText() const { return step_->text(); }
QString ReadingParametersDialog::SpeedText() const { return speed_->text(); }
bool ReadingParametersDialog::BorderChecked() const { return border_->isChecked(); }
bool ReadingParametersDialog::CentreChecked() const { return centre_->isChecked(); }

void ReadingParametersDialog::showEvent(QShowEvent *event)
{
    // The dialog opens at the top-left corner of its owner's client area,
    // not centred over it.
    if (QWidget *owner = parentWidget())
        move(owner->mapToGlobal(QPoint(0, 0)));
    QDialog::showEvent(event);
}
