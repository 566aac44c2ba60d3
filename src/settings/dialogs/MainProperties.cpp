#include "settings/dialogs/MainProperties.h"

#include "platform/FixedDialog.h"
#include "platform/ResourceIds.h"
#include "platform/StringTable.h"
#include "settings/dialogs/PathPage.h"
#include "settings/dialogs/ReadPage.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

CMainProperties::CMainProperties(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(LoadString(kIdsSettingsCaption));
    auto *layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    readPage_ = new CReadPage(tabs_);
    pathPage_ = new CPathPage(tabs_);
    tabs_->addTab(readPage_, readPage_->windowTitle());
    tabs_->addTab(pathPage_, pathPage_->windowTitle());
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CMainProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMainProperties::reject);
    layout->addWidget(buttons);
    SetFixedDialogSize(*this, sizeHint());
}

void CMainProperties::accept()
{
    readPage_->SaveReadSettings();
    pathPage_->SavePathSettings();
    QDialog::accept();
}

void ShowSettingsDialog()
{
    CMainProperties sheet(QApplication::activeWindow());
    sheet.exec();
}
