#include "settings/dialogs/ReadPage.h"

#include "platform/NumberEdit.h"
#include "settings/dialogs/PageLayout.h"

#include <QCheckBox>
#include <QFrame>
#include <QPushButton>

namespace {
constexpr int kPageWidth = 200;
constexpr int kPageHeight = 128;
} // namespace

CReadPage::CReadPage(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("自动浏览参数"));
    SetPageSize(*this, kPageWidth, kPageHeight);
}

void CReadPage::showEvent(QShowEvent *event)
{
    if (!created_)
        Create();
    QWidget::showEvent(event);
}

void CReadPage::Create()
{
    created_ = true;
    // Every opening of the sheet reads the file afresh.
    kept_ = ReadReadModeSettings();

    AddPageLabel(*this, QStringLiteral("跳步页数:"), 9, 9, 40, 8);
    step_ = new NumberEdit(this);
    step_->setObjectName(QStringLiteral("edit%1").arg(kStepEdit));
    step_->setGeometry(PageRect(*this, 52, 7, 56, 12));
    AddPageLabel(*this, QStringLiteral("页"), 114, 9, 15, 8);
    AddPageLabel(*this, QStringLiteral("浏览速率:"), 9, 24, 40, 8);
    speed_ = new NumberEdit(this);
    speed_->setObjectName(QStringLiteral("edit%1").arg(kSpeedEdit));
    speed_->setGeometry(PageRect(*this, 52, 22, 56, 12));
    AddPageLabel(*this, QStringLiteral("秒/页"), 114, 24, 24, 8);

    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(PageRect(*this, 7, 40, 186, 1).adjusted(0, 0, 0, 1));

    border_ = new QCheckBox(QStringLiteral("显示边框"), this);
    border_->setGeometry(PageRect(*this, 15, 47, 55, 10));
    centre_ = new QCheckBox(QStringLiteral("居中显示"), this);
    centre_->setGeometry(PageRect(*this, 91, 47, 54, 10));

    // The template's own OK and Cancel belong to the stand-alone dialog;
    // on a page the sheet's buttons take their place.
    for (const auto &[text, x] : {std::pair{QStringLiteral("确定"), 45}, std::pair{QStringLiteral("取消"), 104}}) {
        auto *button = new QPushButton(text, this);
        button->setGeometry(PageRect(*this, x, 107, 50, 14));
        button->hide();
    }

    speed_->setText(QString::number(kept_.speed));
    step_->setText(QString::number(kept_.step));
    border_->setChecked(kept_.border);
    centre_->setChecked(kept_.centre);
    for (QWidget *control : {static_cast<QWidget *>(step_), static_cast<QWidget *>(speed_),
                             static_cast<QWidget *>(border_), static_cast<QWidget *>(centre_), static_cast<QWidget *>(line)})
        control->show();
}

void CReadPage::SaveReadSettings() const
{
    if (!created_)
        return;
    WriteReadModeSettings(border_->isChecked(), centre_->isChecked(), speed_->text().left(kMaxPageTextLength),
                          step_->text().left(kMaxPageTextLength));
}
