#include "viewer/ReadPropDlg.h"

#include "platform/DialogUnits.h"
#include "platform/FixedDialog.h"
#include "platform/NumberEdit.h"
#include "platform/ReadingParametersLayout.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
constexpr int kMaxTextChars = 255;
} // namespace

CReadPropDlg::CReadPropDlg(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("自动浏览参数"));
    const ReadingParametersControls controls = BuildReadingParameters(*this);
    SetFixedDialogSize(*this, DialogSizeToPixels(kReadingParametersSize, DialogBaseUnitsOf(font())));
    m_step = controls.step;
    m_speed = controls.speed;
    m_border = controls.border;
    m_centre = controls.centre;
    // Pasted text is held to digits as well: only typing is filtered by the
    // boxes themselves.
    for (QLineEdit *edit : {m_step, m_speed}) {
        edit->setMaxLength(kMaxTextChars);
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    }
    controls.ok->setDefault(true);
    connect(controls.ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(controls.cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CReadPropDlg::SetValues(std::int32_t step, std::int32_t speed, bool border, bool centre)
{
    m_step->setText(QString::asprintf("%i", step));
    m_speed->setText(QString::asprintf("%i", speed));
    m_border->setChecked(border);
    m_centre->setChecked(centre);
}

QString CReadPropDlg::StepText() const { return m_step->text(); }
QString CReadPropDlg::SpeedText() const { return m_speed->text(); }
bool CReadPropDlg::BorderChecked() const { return m_border->isChecked(); }
bool CReadPropDlg::CentreChecked() const { return m_centre->isChecked(); }

void CReadPropDlg::showEvent(QShowEvent *event)
{
    // The dialog opens at the top-left corner of its owner's client area,
    // not centred over it.
    if (QWidget *owner = parentWidget())
        move(owner->mapToGlobal(QPoint(0, 0)));
    QDialog::showEvent(event);
}
