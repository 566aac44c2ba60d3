// File ▸ export as PDF: the book as the form shows it, edits included, with
// a progress dialog whose Cancel (or Escape) stops the export and leaves no
// file behind.

#include "app/BookFormPort.h"
#include "app/MainWindow.h"
#include "export/BookPdfExport.h"
#include "ui/MessageBoxes.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QProgressDialog>

namespace {

// The book's title as a file name: characters no file name may hold become
// "_"; an untitled book is "book".
QString SuggestedPdfName(const QString &title)
{
    QString name = title.trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('_'));
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("book");
    return name + QStringLiteral(".pdf");
}

QString AskPdfPath(QWidget *parent, const QString &suggested)
{
    QFileDialog dialog(parent, LoadString(kIdsExportDialogTitle));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(LoadString(kIdsExportFileFilter));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.selectFile(suggested);
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

void MainWindow::OnExportPdf()
{
    const BookDocument book = form_->CollectBook();
    // Beside the book when it has a file.
    QString suggested = SuggestedPdfName(book.title);
    if (!currentPath_.isEmpty())
        suggested = QFileInfo(currentPath_).dir().filePath(suggested);
    const QString path = exportPath_ ? exportPath_(suggested) : AskPdfPath(this, suggested);
    if (path.isEmpty())
        return;

    QProgressDialog progress(LoadString(kIdsExportProgress), LoadString(kIdsButtonCancel), 0,
                             1 + int(book.pictures.size()), this);
    progress.setWindowTitle(LoadString(kIdsExportDialogTitle));
    progress.setWindowModality(Qt::WindowModal);
    // A short book is done before a dialog would be worth looking at.
    progress.setMinimumDuration(500);
    PdfExportOptions options;
    options.progress = [&progress](int done, int) {
        progress.setValue(done); // also lets the dialog's Cancel and Escape through
        return !progress.wasCanceled();
    };
    const PdfExportResult result = ExportBookPdf(book, path, options);
    progress.reset();
    if (result.status == PdfExportStatus::Failed)
        MakeMessageBox(LoadString(kIdsExportFailed).arg(QDir::toNativeSeparators(path)), QMessageBox::Ok)->exec();
}
