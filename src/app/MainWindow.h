#pragma once

#include "app/FrameCommandStates.h"
#include "app/FullScreenReturn.h"
#include "app/RecentDocumentList.h"
#include "document/BookDocument.h"
#include "editor/BookInfoForm.h"
#include "ui/CommandTable.h"

#include <QMainWindow>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class BookFormPort;
class FileCommandUi;
class PictureView;
class BookReader;
class IdleHook;
class NumberEdit;
class PreTranslateFilter;
class QKeyEvent;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;
class ReaderPort;

// The program's only top-level window: the top area with the menu bar, the
// main tool bar and the reading bar in one row, the client view (picture
// view in read mode, book form in edit mode) and the status bar. It routes
// every command id to its handler, translates accelerators before any widget
// sees a key, and refreshes every command's state when the program is idle.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // Modes and bars.
    void ShowEditMode();
    void ShowReadMode();
    void ShowReadingBar(bool show);
    void ShowToolbar(bool show);
    void ShowStatusBar(bool show);
    // The caption: the program's name alone, or "name - " before it.
    void SetWindowTitle(const QString &name = QString());

    bool IsReadMode() const;
    // Full-screen reading (read mode only): the page alone on black over
    // the whole screen; leaving it gives the window back exactly as it was.
    void EnterFullScreen();
    void LeaveFullScreen();
    bool IsFullScreenReading() const { return fullScreen_.has_value(); }
    // The accelerator table the pre-translation applies: 128 at start, 233
    // after a switch to edit mode, 234 after a switch to read mode.
    int AcceleratorTableId() const { return acceleratorTable_; }

    // Command routing: every menu item, button and accelerator ends here.
    void OnCommand(int id);
    // The loop's two hooks.
    bool PreTranslate(const QKeyEvent &event);
    void OnIdle();

    // The two client views: the picture view of read mode and the book
    // information form of edit mode; tests may swap in widgets of their own.
    void SetClientViews(QWidget *pictureView, QWidget *editForm);
    QWidget *ReadModeWidget() const { return readModeWidget_; }
    // The picture view of read mode and the reader that pages through the
    // saved book in it.
    PictureView *Viewer() const { return viewer_; }
    BookReader &Reader() { return *reader_; }
    // The book information form; null only while another widget stands in
    // its place.
    BookInfoForm *EditForm() const;

    // The form's own dialog keys, offered after the accelerators in edit mode.
    void SetFormPreTranslate(std::function<bool(const QKeyEvent &)> hook) { formPreTranslate_ = std::move(hook); }

    // What the idle update reads: the mode and the picture view's and the
    // reader's flags as they are now, never a copy that could go stale.
    FrameIdleInput IdleInput() const;


    // The file commands' partners: the real form and reader unless a test
    // plugs in its own (not owned); null goes back to the real ones.
    void SetBookForm(BookFormPort *form);
    void SetReaderPort(ReaderPort *reader);
    void SetFileCommandUi(std::unique_ptr<FileCommandUi> ui);
    // What command 32808 runs: the settings sheet, or a test's stand-in.
    void SetSettingsDialogRunner(std::function<void()> runner) { settingsDialog_ = std::move(runner); }
    // Where the PDF export writes, given the name it suggests; empty: the
    // user cancelled. The save dialog unless a test answers instead.
    void SetExportPathChooser(std::function<QString(const QString &)> chooser) { exportPath_ = std::move(chooser); }

    // The file commands' state and steps.
    const BookDocument &SavedBook() const { return savedBook_; }
    const QString &CurrentPath() const { return currentPath_; }
    const RecentDocumentList &RecentDocuments() const { return recent_; }
    bool BooksDiffer() const;
    bool LoadBook(const QString &path);
    bool SaveBookTo(const QString &path);
    // The open command with the file already chosen (the command line, a
    // dropped book): the same change test, reading state, list and caption.
    void OpenBookFile(const QString &path);

    CommandTable &Commands() { return *commands_; }
    NumberEdit *ZoomBox() const { return zoomBox_; }
    NumberEdit *PageBox() const { return pageBox_; }
    QToolBar *MenuBand() const { return menuBand_; }
    QToolBar *MainToolBar() const { return mainToolBar_; }
    QToolBar *ReadingBar() const { return readingBar_; }
    QMenu *RecentFilesMenu() const { return recentMenu_; }
    QMenu *ZoomDropDownMenu() const { return zoomDropDown_; }
    QLabel *StatusPane() const { return statusPane_; }

signals:
    // Every command before it is routed (tests, and later a macro recorder
    // would hang here).
    void commandRouted(int id);

protected:
    // The close box, the window menu and Alt+F4 ask as the exit command does.
    void closeEvent(QCloseEvent *event) override;
    // A book file dropped anywhere on the window opens as File > Open would
    // open it; other drops are refused.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Books dropped anywhere on the window open; see MainWindowDrop.cpp.
    void AcceptBookDrops();
    void BuildMenuBand();
    void BuildMainToolBar();
    void BuildReadingBar();
    void BuildStatusBar();
    void BuildClientViews();
    void SetCommandCheck(int id, bool checked);
    void ConnectReaderAndView();
    void ApplyCommandStates();
    void OnPageChanged(int currentPage, int pageCount);
    void OnDisplayModeChanged(std::uint32_t flags, int checkedZoomCommand);

    // The file commands.
    void OnFileNew();
    void OnFileOpen();
    void OpenChosenBook(const QString &path);
    // Both report whether the form's book is now on disk: true when it was
    // written or had nothing to write, false when the title was empty, the
    // dialog was cancelled or the write failed.
    bool OnFileSave();
    bool OnFileSaveAs();
    void OnRecentDocument(int position);
    void OnFileExit();
    // The form's gathered book becomes the saved book and is written; on
    // failure the saved book is put back and the user is told.
    bool SaveFormBookTo(const QString &path, BookDocument gathered);
    // The book at the path is the one on screen: its path, the recent list
    // (in the menu and the settings file) and the caption say so.
    void BecomeCurrentBook(const QString &path, const QString &captionName);
    // Open and the recent documents keep the form's changes by saving them
    // without a question; false: they are not on disk and the user was told.
    bool SaveChangesBeforeOpening();
    // Asks before the changes of the form are lost; false: stay.
    bool ConfirmLeave();
    void SaveReadingStateOfBook();
    void RecentListChanged();
    void WriteRecentList();
    void OnSettings();
    void OnViewCommand(int id);
    void OnNavigate(int id);
    void OnAutoBrowse(int id);
    void OnReadingParameters();
    void SetActivePage(int page);
    void OnAbout();
    void OnExportPdf();

    std::unique_ptr<CommandTable> commands_;
    QToolBar *menuBand_ = nullptr;
    QToolBar *mainToolBar_ = nullptr;
    QToolBar *readingBar_ = nullptr;
    NumberEdit *zoomBox_ = nullptr;
    NumberEdit *pageBox_ = nullptr;
    QMenu *recentMenu_ = nullptr;
    QMenu *zoomDropDown_ = nullptr;
    QLabel *statusPane_ = nullptr;
    QStackedWidget *client_ = nullptr;
    QWidget *readModeWidget_ = nullptr;
    QWidget *editForm_ = nullptr;
    PictureView *viewer_ = nullptr;
    std::unique_ptr<BookReader> reader_;

    int acceleratorTable_ = 0;
    bool toolbarShown_ = true;
    std::function<bool(const QKeyEvent &)> formPreTranslate_;
    PreTranslateFilter *preTranslate_ = nullptr;
    IdleHook *idleHook_ = nullptr;

    BookDocument savedBook_ = BookDocument::MakeNew();
    QString currentPath_;
    RecentDocumentList recent_;
    std::unique_ptr<BookFormPort> editFormPort_; // the real form
    std::unique_ptr<ReaderPort> frameReader_;    // the real reader and view
    BookFormPort *form_ = nullptr;
    ReaderPort *readerPort_ = nullptr;
    std::unique_ptr<FileCommandUi> fileUi_;
    // Set once leaving was confirmed, so the close that follows asks no more.
    bool leaveConfirmed_ = false;
    // Set when the save dialog was cancelled, which tells the user nothing.
    bool saveDialogCancelled_ = false;
    std::function<void()> settingsDialog_;
    std::function<QString(const QString &)> exportPath_;
    std::optional<FullScreenReturn> fullScreen_;
};
