// The file commands of the main frame: new, open, save, save as, the recent
// documents and exit, with the change test that guards the user's edits.

#include "app/BookFormPort.h"
#include "app/BooksDiffer.h"
#include "app/FileCommandUi.h"
#include "app/MainWindow.h"
#include "app/ReaderPort.h"
#include "app/RecentFilesMenu.h"
#include "document/BookFile.h"
#include "ui/CommandIds.h"
#include "ui/ResourceIds.h"
#include "viewer/PictureView.h"

#include <QCloseEvent>

#include <utility>
#include <QFileInfo>

namespace {

// The caption's name for a file chosen by name: its file name, extension
// included, without the folders.
QString DisplayName(const QString &path) { return QFileInfo(path).fileName(); }

// Switches the form off and shows the wait cursor for one file operation.
class BusyScope {
public:
    BusyScope(BookFormPort &form, FileCommandUi &ui) : form_(form), ui_(ui)
    {
        ui_.SetBusy(true);
        form_.SetFormEnabled(false);
    }
    ~BusyScope()
    {
        form_.SetFormEnabled(true);
        ui_.SetBusy(false);
    }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    BookFormPort &form_;
    FileCommandUi &ui_;
};

} // namespace

void MainWindow::SetBookForm(BookFormPort *form)
{
    form_ = form ? form : editFormPort_.get();
    form_->FillFromBook(savedBook_);
}

void MainWindow::SetReaderPort(ReaderPort *reader)
{
    readerPort_ = reader ? reader : frameReader_.get();
    readerPort_->SetBook(&savedBook_);
}

void MainWindow::SetFileCommandUi(std::unique_ptr<FileCommandUi> ui)
{
    if (ui)
        fileUi_ = std::move(ui);
}

bool MainWindow::BooksDiffer() const { return ::BooksDiffer(form_->CollectBook(), savedBook_); }

bool MainWindow::LoadBook(const QString &path)
{
    const BusyScope busy(*form_, *fileUi_);
    BookDocument book = BookDocument::MakeNew();
    if (!ReadBookFile(path, book))
        return false;
    readerPort_->StopAutoBrowse();
    // The page goes on screen before the form takes the cover and the
    // introduction, which cost as much as the page's first paint.
    savedBook_ = book;
    readerPort_->SetBook(&savedBook_);
    readerPort_->LoadReadingState();
    readerPort_->ShowCurrentPage();
    readerPort_->UpdatePageBox();
    readerPort_->UpdateZoomBox();
    if (viewer_ && viewer_->isVisible())
        viewer_->viewport()->repaint();
    form_->FillFromBook(std::move(book));
    return true;
}

bool MainWindow::SaveBookTo(const QString &path)
{
    const BusyScope busy(*form_, *fileUi_);
    return WriteBookFile(path, savedBook_);
}

bool MainWindow::SaveFormBookTo(const QString &path, BookDocument gathered)
{
    BookDocument previous = std::exchange(savedBook_, std::move(gathered));
    readerPort_->SetBook(&savedBook_);
    if (SaveBookTo(path))
        return true;
    // Nothing reached the disk: the old saved book stays the one the form is
    // compared with, so the edits still count as changes and are not lost.
    savedBook_ = std::move(previous);
    readerPort_->SetBook(&savedBook_);
    fileUi_->ShowMessage(kIdsCannotSaveFile, QMessageBox::Ok);
    return false;
}

void MainWindow::SaveReadingStateOfBook()
{
    // A book that was never saved has no file to reopen: a state file for it
    // could never be read again and would only pile up in the data folder.
    if (readerPort_->HasBook() && !currentPath_.isEmpty())
        readerPort_->SaveReadingState();
}

void MainWindow::BecomeCurrentBook(const QString &path, const QString &captionName)
{
    currentPath_ = path;
    recent_.Add(path); // an entry already listed moves to the top
    RecentListChanged();
    WriteRecentList();
    SetWindowTitle(captionName);
}

void MainWindow::RecentListChanged() { RebuildRecentFilesMenu(recentMenu_, recent_.MostRecentFirst(), *commands_); }

void MainWindow::WriteRecentList() { recent_.Write(); }

void MainWindow::OnFileNew()
{
    // Changes are worth a question also when the book has no file yet.
    // Cancel, Escape and the box's close button keep everything as it is:
    // only a clear No throws the edits away.
    if (BooksDiffer()) {
        const QMessageBox::StandardButton answer =
            fileUi_->ShowMessage(kIdsAskSaveBeforeNew, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        if (answer != QMessageBox::Yes && answer != QMessageBox::No)
            return;
        if (answer == QMessageBox::Yes && !OnFileSave())
            return; // the changes are not on disk: keep them in the form
    }
    readerPort_->StopAutoBrowse();
    SaveReadingStateOfBook();
    savedBook_ = BookDocument::MakeNew();
    readerPort_->SetBook(&savedBook_);
    readerPort_->SetCurrentPage(0);
    form_->FillFromBook(savedBook_);
    currentPath_.clear();
    readerPort_->ResetZoomScale();
    SetWindowTitle();
    readerPort_->UpdateZoomBox();
    readerPort_->UpdatePageBox();
    ShowEditMode();
    ShowReadingBar(false);
}

bool MainWindow::SaveChangesBeforeOpening()
{
    if (!BooksDiffer())
        return true;
    saveDialogCancelled_ = false;
    if (OnFileSave())
        return true;
    // An empty title or a failed write has told the user already; a
    // cancelled save dialog has not, and the open must not just do nothing.
    if (saveDialogCancelled_)
        fileUi_->ShowMessage(kIdsOpenStoppedUnsaved, QMessageBox::Ok);
    return false;
}

void MainWindow::OnFileOpen()
{
    SaveReadingStateOfBook();
    // The changes are saved without a question; when they could not be, the
    // open stops so that another book does not replace them.
    if (!SaveChangesBeforeOpening())
        return;
    const QString path = fileUi_->AskOpenPath();
    if (path.isEmpty())
        return;
    OpenChosenBook(path);
}

void MainWindow::OpenBookFile(const QString &path)
{
    SaveReadingStateOfBook();
    if (!SaveChangesBeforeOpening())
        return;
    OpenChosenBook(path);
}

void MainWindow::OpenChosenBook(const QString &path)
{
    if (!LoadBook(path)) {
        fileUi_->ShowMessage(kIdsCannotOpenFile, QMessageBox::Ok);
        return;
    }
    BecomeCurrentBook(path, path);
    ShowReadingBar(true);
}

bool MainWindow::OnFileSave()
{
    if (form_->TitleText().isEmpty()) {
        fileUi_->ShowMessage(kIdsTitleEmpty, QMessageBox::Ok);
        return false;
    }
    if (currentPath_.isEmpty())
        return OnFileSaveAs();
    BookDocument gathered = form_->CollectBook();
    if (!::BooksDiffer(gathered, savedBook_))
        return true;
    if (!SaveFormBookTo(currentPath_, std::move(gathered)))
        return false;
    BecomeCurrentBook(currentPath_, currentPath_);
    return true;
}

bool MainWindow::OnFileSaveAs()
{
    if (form_->TitleText().isEmpty()) {
        fileUi_->ShowMessage(kIdsTitleEmpty, QMessageBox::Ok);
        return false;
    }
    const QString path = fileUi_->AskSavePath();
    if (path.isEmpty()) {
        saveDialogCancelled_ = true;
        return false;
    }
    // A failed write leaves the current path, caption and list as they were:
    // they would otherwise name a file that does not hold this book.
    if (!SaveFormBookTo(path, form_->CollectBook()))
        return false;
    BecomeCurrentBook(path, DisplayName(path));
    return true;
}

void MainWindow::OnRecentDocument(int position)
{
    SaveReadingStateOfBook();
    const int index = recent_.IndexOfPosition(position);
    if (index < 0) {
        fileUi_->Beep();
        return;
    }
    const QString path = recent_.Entries().at(index);
    // Opening another book must not throw away the edits of this one.
    if (!SaveChangesBeforeOpening())
        return;
    if (LoadBook(path)) {
        BecomeCurrentBook(path, DisplayName(path));
        return;
    }
    // That save may have moved the entry, or pushed it out of a full list.
    recent_.Remove(recent_.Entries().indexOf(path));
    RecentListChanged();
    fileUi_->ShowMessage(kIdsCannotOpenFile, QMessageBox::Ok);
    WriteRecentList();
}

bool MainWindow::ConfirmLeave()
{
    if (leaveConfirmed_)
        return true;
    if (BooksDiffer()
        && fileUi_->ShowMessage(kIdsExitWithoutSaving, QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
        return false;
    leaveConfirmed_ = true;
    // The book being read reopens where it was left.
    readerPort_->StopAutoBrowse();
    SaveReadingStateOfBook();
    return true;
}

void MainWindow::OnFileExit()
{
    if (ConfirmLeave())
        close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!ConfirmLeave()) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
