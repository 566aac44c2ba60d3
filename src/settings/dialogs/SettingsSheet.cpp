#include "settings/dialogs/SettingsSheet.h"

#include "settings/dialogs/PathSettingsPage.h"
#include "settings/dialogs/ReadingSettingsPage.h"
#include "ui/FixedDialog.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

SettingsSheet::SettingsSheet(QWidget *owner) : QDialog(owner)
{
    setWindowTitle(LoadString(kIdsSettingsCaption));
    auto *layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    readPage_ = new ReadingSettingsPage(tabs_);
    pathPage_ = new PathSettingsPage(tabs_);
    tabs_->addTab(readPage_, readPage_->windowTitle());
    tabs_->addTab(pathPage_, pathPage_->windowTitle());
    tabs_->setCurrentIndex(0);
    layout->addWidget(tabs_);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(LoadString(kIdsButtonOk));
    buttons->button(QDialogButtonBox::Cancel)->setText(LoadString(kIdsButtonCancel));
    connect(buttons, &QDialogButtonBox::accepted, this, &SettingsSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SettingsSheet::reject);
    layout->addWidget(buttons);
    SetFixedDialogSize(*this, sizeHint());
}

void SettingsSheet::accept()
{
    readPage_->SaveReadSettings();
    pathPage_->SavePathSettings();
    QDialog::accept();
}

void ShowSettingsDialog()
{
    SettingsSheet sheet(QApplication::activeWindow());
    sheet.exec();
}
