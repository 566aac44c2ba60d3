#pragma once

#include "app/FrameCommandStates.h"
#include "editor/EditFormView.h"
#include "platform/CommandTable.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class CAxPictureView;
class CBookReader;
class IdleHook;
class NumberEdit;
class PreTranslateFilter;
class QKeyEvent;
class QLabel;
class QMenu;
class QStackedWidget;
class QToolBar;

// The program's only top-level window: the top area with the menu bar, the
// main tool bar and the reading bar in one row, the client view (picture
// view in read mode, book form in edit mode) and the status bar. It routes
// every command id to its handler, translates accelerators before any widget
// sees a key, and refreshes every command's state when the program is idle.
class CMainFrame : public QMainWindow {
public:
    explicit CMainFrame(QWidget *parent = nullptr);
    ~CMainFrame() override;

    // Modes and bars.
    void ShowEditMode();
    void ShowReadMode();
    void ShowReadingBar(bool show);
    void ShowToolbar(bool show);
    void ShowStatusBar(bool show);
    // The caption: the program's name alone, or "name - " before it.
    void SetWindowTitle(const QString &name = QString());

    bool IsReadMode() const;
    // The accelerator table the pre-translation applies: 128 at start, 233
    // after a switch to edit mode, 234 after a switch to read mode.
    int AcceleratorTableId() const { return acceleratorTable_; }

    // Command routing: every menu item, button and accelerator ends here.
    void OnCommand(int id);
    // The loop's two hooks.
    bool PreTranslate(const QKeyEvent &event);
    void OnIdle();

    // The two client views: the picture view (a placeholder until the
    // viewer plugs in here) and the book information form.
    void SetClientViews(QWidget *pictureView, QWidget *editForm);
    QWidget *PictureView() const { return pictureView_; }
    // The picture view of read mode and the reader that pages through the
    // saved book in it.
    CAxPictureView *AxPictureView() const { return axPictureView_; }
    CBookReader &Reader() { return *reader_; }
    // The book information form; null only while another widget stands in
    // its place.
    CEditFormView *EditForm() const;

    // The form's own dialog keys, offered after the accelerators in edit mode.
    void SetFormPreTranslate(std::function<bool(const QKeyEvent &)> hook) { formPreTranslate_ = std::move(hook); }

    // What the idle update reads of the picture view and the reader; the
    // view and the reader take these over when they exist.
    FrameIdleInput &ViewAndReaderState() { return viewState_; }

    // Sees every command before it is routed (tests, and later a macro
    // recorder would hang here).
    void SetCommandObserver(std::function<void(int)> observer) { commandObserver_ = std::move(observer); }

    CommandTable &Commands() { return *commands_; }
    NumberEdit *ZoomBox() const { return zoomBox_; }
    NumberEdit *PageBox() const { return pageBox_; }
    QToolBar *MenuBand() const { return menuBand_; }
    QToolBar *MainToolBar() const { return mainToolBar_; }
    QToolBar *ReadingBar() const { return readingBar_; }
    QMenu *RecentFilesMenu() const { return recentMenu_; }
    QMenu *ZoomDropDownMenu() const { return zoomDropDown_; }
    QLabel *StatusPane() const { return statusPane_; }

private:
    void BuildMenuBand();
    void BuildMainToolBar();
    void BuildReadingBar();
    void BuildStatusBar();
    void BuildClientViews();
    void SetCommandCheck(int id, bool checked);

    // Handlers of commands whose work lives elsewhere; each fills in as its
    // part of the program arrives.
    void OnFileNew() {}
    void OnFileOpen() {}
    void OnFileSave() {}
    void OnFileSaveAs() {}
    void OnRecentDocument(int /*position*/) {}
    void OnFileExit();
    void OnSettings() {}
    void OnViewCommand(int id);
    void OnNavigate(int id);
    void OnAutoBrowse(int id);
    void OnReadingParameters();
    // Copies the view's flags and the reader's auto-browse into what the
    // idle update reads.
    void SyncViewAndReaderState();
    void SetActivePage(int page);
    void OnAbout();

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
    QWidget *pictureView_ = nullptr;
    QWidget *editForm_ = nullptr;
    CAxPictureView *axPictureView_ = nullptr;
    std::unique_ptr<CBookReader> reader_;

    int acceleratorTable_ = 0;
    bool toolbarShown_ = true;
    FrameIdleInput viewState_;
    std::function<bool(const QKeyEvent &)> formPreTranslate_;
    std::function<void(int)> commandObserver_;
    PreTranslateFilter *preTranslate_ = nullptr;
    IdleHook *idleHook_ = nullptr;
};
