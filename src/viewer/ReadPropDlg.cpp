#include "viewer/ReadPropDlg.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {

constexpr int kMaxTextChars = 255;

// Lays controls out in dialog units of the dialog's font (a quarter of the
// average character width, an eighth of the character height), so the
// template keeps its proportions with any font size.
class DialogUnitMapper {
public:
    explicit DialogUnitMapper(const QWidget &dialog)
    {
        const QFontMetrics metrics(dialog.font());
        m_baseX = std::max(1, metrics.averageCharWidth());
        m_baseY = std::max(1, metrics.height());
    }
    QRect Rect(int x, int y, int cx, int cy) const
    {
        return QRect(X(x), Y(y), X(cx), std::max(1, Y(cy)));
    }
    int X(int units) const { return units * m_baseX / 4; }
    int Y(int units) const { return units * m_baseY / 8; }

private:
    int m_baseX = 1;
    int m_baseY = 1;
};

QLineEdit *MakeNumberEdit(QWidget *parent, const QRect &rect)
{
    auto *edit = new QLineEdit(parent);
    edit->setGeometry(rect);
    edit->setMaxLength(kMaxTextChars);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
    return edit;
}

QLabel *MakeLabel(QWidget *parent, const QString &text, const QRect &rect)
{
    auto *label = new QLabel(text, parent);
    label->setGeometry(rect);
    return label;
}

} // namespace

CReadPropDlg::CReadPropDlg(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("自动浏览参数"));
    const DialogUnitMapper du(*this);
    setFixedSize(du.X(200), du.Y(128));

    QLabel *stepLabel = MakeLabel(this, QStringLiteral("跳步页数:"), du.Rect(9, 9, 42, 8));
    QLabel *speedLabel = MakeLabel(this, QStringLiteral("浏览速率:"), du.Rect(9, 24, 42, 8));
    m_step = MakeNumberEdit(this, du.Rect(52, 7, 56, 12));
    m_speed = MakeNumberEdit(this, du.Rect(52, 22, 56, 12));
    stepLabel->setBuddy(m_step);
    speedLabel->setBuddy(m_speed);
    MakeLabel(this, QStringLiteral("页"), du.Rect(114, 9, 40, 8));
    MakeLabel(this, QStringLiteral("秒/页"), du.Rect(114, 24, 40, 8));

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(du.Rect(7, 40, 186, 2));

    m_border = new QCheckBox(QStringLiteral("显示边框"), this);
    m_border->setGeometry(du.Rect(15, 47, 70, 10));
    m_centre = new QCheckBox(QStringLiteral("居中显示"), this);
    m_centre->setGeometry(du.Rect(91, 47, 70, 10));

    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setGeometry(du.Rect(45, 107, 50, 14));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setGeometry(du.Rect(104, 107, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
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
