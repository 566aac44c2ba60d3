#include "app/FileCommandUi.h"

#include "ui/MessageBoxes.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>

namespace {

QString RunFileDialog(QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilters(BookFileFilters());
    dialog.selectNameFilter(BookFileFilters().first());
    dialog.setDefaultSuffix(QString::fromLatin1(kBookDefaultSuffix));
    // Asking before an existing file is replaced is the dialog's default;
    // saying so keeps it from being switched off by accident.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QStringList BookFileFilters() { return {LoadString(kIdsFilterBooks), LoadString(kIdsFilterAllBookFiles)}; }

QString QtFileCommandUi::AskOpenPath() { return RunFileDialog(QFileDialog::AcceptOpen); }

QString QtFileCommandUi::AskSavePath() { return RunFileDialog(QFileDialog::AcceptSave); }

QMessageBox::StandardButton QtFileCommandUi::ShowMessage(int stringId, QMessageBox::StandardButtons buttons)
{
    return ShowMessageBox(stringId, buttons);
}

void QtFileCommandUi::Beep() { QApplication::beep(); }

void QtFileCommandUi::SetBusy(bool busy)
{
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QGuiApplication::restoreOverrideCursor();
}
