#include "app/MainWindow.h"

#include "app/AboutDialog.h"
#include "app/EditFormPort.h"
#include "app/FileCommandUi.h"
#include "app/FrameReaderPort.h"
#include "app/HelpDocuments.h"
#include "app/RecentFilesMenu.h"
#include "document/AppDirectories.h"
#include "editor/BookInfoForm.h"
#include "settings/dialogs/SettingsSheet.h"
#include "ui/AcceleratorTable.h"
#include "ui/CommandBar.h"
#include "ui/CommandIds.h"
#include "ui/ControlIds.h"
#include "ui/IdleHook.h"
#include "ui/MenuResource.h"
#include "ui/NumberEdit.h"
#include "ui/PreTranslateFilter.h"
#include "ui/ResourceIds.h"
#include "ui/StringTable.h"
#include "ui/ToolBarResource.h"
#include "viewer/BookReader.h"
#include "viewer/PictureView.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

// The edit boxes of the bars are as wide as 16 average characters.
constexpr int kBoxWidthInCharacters = 16;

QToolBar *MakeBand(QMainWindow *frame, int bandId)
{
    auto *bar = new QToolBar(frame);
    bar->setObjectName(QStringLiteral("band%1").arg(bandId));
    // The bands keep their place in the one row; only the frame shows and
    // hides them, so its check marks never disagree with what is shown.
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    frame->addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), reader_(std::make_unique<BookReader>())
{
    commands_ = std::make_unique<CommandTable>(this);
    connect(commands_.get(), &CommandTable::commandTriggered, this, &MainWindow::OnCommand);

    // A new book has no file yet; the data folders must exist before any
    // part reads the settings file.
    EnsureDataDirectories();
    // The frame's own right-click menu would hide bands behind the back of
    // the commands that track them.
    setContextMenuPolicy(Qt::NoContextMenu);
    AcceptBookDrops();
    // The top area: menu bar, main tool bar, reading bar.
    BuildMenuBand();
    BuildMainToolBar();
    BuildReadingBar();
    BuildStatusBar();
    // The client views: picture view shown, form hidden.
    BuildClientViews();
    // The book side: a new empty book, read by the reader.
    editFormPort_ = std::make_unique<EditFormPort>(*EditForm());
    frameReader_ = std::make_unique<FrameReaderPort>(*reader_, *viewer_);
    form_ = editFormPort_.get();
    readerPort_ = frameReader_.get();
    fileUi_ = std::make_unique<QtFileCommandUi>();
    readerPort_->SetBook(&savedBook_);
    form_->FillFromBook(savedBook_);
    // The recent-document list, as the last run left it, and its menu.
    recent_.Read();
    RecentListChanged();
    // Start checks: bars shown, centre and border on, 100 %.
    for (int id : {kCmdViewToolbar, kCmdViewStatusBar, kCmdViewReadingBar, kCmdViewCentre, kCmdViewBorder, kCmdZoom100})
        SetCommandCheck(id, true);
    ShowReadingBar(true);
    // The loop's hooks.
    acceleratorTable_ = kIdrMainWindow;
    preTranslate_ = new PreTranslateFilter(this, [this](const QKeyEvent &event) { return PreTranslate(event); });
    idleHook_ = new IdleHook(this);
    connect(idleHook_, &IdleHook::idle, this, &MainWindow::OnIdle);
    ConnectReaderAndView();
    SetWindowTitle();
    setWindowIcon(NamedIcon(QStringLiteral("vellora.svg")));
}

MainWindow::~MainWindow()
{
    // The hooks go first: nothing may reach a half-destroyed frame.
    delete preTranslate_;
    delete idleHook_;
}

void MainWindow::BuildMenuBand()
{
    menuBand_ = MakeBand(this, kBandMenuBar);
    const ToolBarTemplate mainBar = AppToolBars().ToolBar(kIdrMainWindow).value_or(ToolBarTemplate{});
    const QList<QMenu *> popups = FillCommandBar(menuBand_, AppMenus().Menu(kIdrMainWindow), *commands_, mainBar);
    // The recent documents live in the fifth item of the first pop-up.
    if (!popups.isEmpty()) {
        const QList<QAction *> fileItems = popups.first()->actions();
        if (fileItems.size() > 4)
            recentMenu_ = fileItems.at(4)->menu();
    }
}

void MainWindow::BuildMainToolBar()
{
    mainToolBar_ = MakeBand(this, kBandMainToolBar);
    zoomBox_ = new NumberEdit(mainToolBar_);
    zoomBox_->setObjectName(QStringLiteral("zoomBox"));
    zoomBox_->SetWidthInCharacters(kBoxWidthInCharacters);
    zoomBox_->setText(QStringLiteral("100%"));
    const ToolBarTemplate layout = AppToolBars().ToolBar(kIdrMainWindow).value_or(ToolBarTemplate{});
    FillToolBar(mainToolBar_, layout, *commands_, {{kCtlZoomBox, zoomBox_}});

    // The zoom button is a whole drop-down: pressing it opens the zoom menu.
    const QList<MenuItem> zoomMenu = AppMenus().Menu(kIdrZoomMenu);
    if (!zoomMenu.isEmpty() && zoomMenu.first().kind == MenuItem::Kind::Popup) {
        zoomDropDown_ = new QMenu(this);
        FillMenu(zoomDropDown_, zoomMenu.first().items, *commands_, layout);
        QAction *button = commands_->ToolBarAction(kCtlZoomMenuButton);
        button->setMenu(zoomDropDown_);
        if (auto *tool = qobject_cast<QToolButton *>(mainToolBar_->widgetForAction(button)))
            tool->setPopupMode(QToolButton::InstantPopup);
    }
}

void MainWindow::BuildReadingBar()
{
    readingBar_ = MakeBand(this, kBandReadingBar);
    pageBox_ = new NumberEdit(readingBar_);
    pageBox_->setObjectName(QStringLiteral("pageBox"));
    pageBox_->SetWidthInCharacters(kBoxWidthInCharacters);
    pageBox_->setText(QStringLiteral("0/0"));
    FillToolBar(readingBar_, AppToolBars().ToolBar(kIdrReadingBar).value_or(ToolBarTemplate{}), *commands_,
                {{kCtlPageBox, pageBox_}});
}

void MainWindow::BuildStatusBar()
{
    // One pane; a highlighted menu item's help replaces it for a while
    // (Qt's temporary message) and it comes back when the menu closes.
    statusPane_ = new QLabel(LoadString(kIdsReady), this);
    statusBar()->addWidget(statusPane_, 1);
    statusBar()->setSizeGripEnabled(true);
}

void MainWindow::BuildClientViews()
{
    client_ = new QStackedWidget(this);
    setCentralWidget(client_);

    auto *view = new PictureView(client_);
    view->setObjectName(QStringLiteral("pictureView"));
    // The zoom step goes no lower than 5 %.
    view->SetMinimumScale(0.05f);
    viewer_ = view;
    reader_->SetView(view);

    auto *form = new BookInfoForm(client_);
    SetClientViews(view, form);
    SetFormPreTranslate([form](const QKeyEvent &event) { return form->PreTranslate(event); });
}

BookInfoForm *MainWindow::EditForm() const { return dynamic_cast<BookInfoForm *>(editForm_); }

void MainWindow::SetActivePage(int page)
{
    if (BookInfoForm *form = EditForm())
        form->SetActivePage(page);
}

void MainWindow::SetClientViews(QWidget *pictureView, QWidget *editForm)
{
    const bool read = !readModeWidget_ || IsReadMode();
    for (QWidget *old : {readModeWidget_, editForm_}) {
        if (old && old != pictureView && old != editForm) {
            client_->removeWidget(old);
            old->deleteLater();
        }
    }
    readModeWidget_ = pictureView;
    editForm_ = editForm;
    if (client_->indexOf(readModeWidget_) < 0)
        client_->addWidget(readModeWidget_);
    if (client_->indexOf(editForm_) < 0)
        client_->addWidget(editForm_);
    client_->setCurrentWidget(read ? readModeWidget_ : editForm_);
}

bool MainWindow::IsReadMode() const { return client_->currentWidget() == readModeWidget_; }

void MainWindow::ShowEditMode()
{
    if (!IsReadMode())
        return;
    // The form needs the bars and the window's own size.
    LeaveFullScreen();
    acceleratorTable_ = kIdrEditAccelerators;
    client_->setCurrentWidget(editForm_);
    reader_->SetReadMode(false);
}

void MainWindow::ShowReadMode()
{
    if (IsReadMode())
        return;
    acceleratorTable_ = kIdrReadAccelerators;
    client_->setCurrentWidget(readModeWidget_);
    reader_->SetReadMode(true);
}

void MainWindow::SetCommandCheck(int id, bool checked) { commands_->Check(id, checked, UpdateUiTargets(id)); }

void MainWindow::ConnectReaderAndView()
{
    // The boxes and checks follow the reader and the view as they change;
    // the idle pass only refreshes what it reads live.
    connect(reader_.get(), &BookReader::pageChanged, this, &MainWindow::OnPageChanged);
    connect(reader_.get(), &BookReader::autoBrowseStarted, this, &MainWindow::ApplyCommandStates);
    connect(reader_.get(), &BookReader::autoBrowseStopped, this, &MainWindow::ApplyCommandStates);
    // A book set without any event of the user's still deserves a pass.
    connect(reader_.get(), &BookReader::bookChanged, idleHook_, &IdleHook::MarkDue);
    connect(viewer_, &PictureView::scaleChanged, zoomBox_, &QLineEdit::setText);
    connect(viewer_, &PictureView::displayModeChanged, this, &MainWindow::OnDisplayModeChanged);
}

void MainWindow::OnPageChanged(int currentPage, int pageCount)
{
    pageBox_->setText(PageBoxText(currentPage, pageCount));
}

void MainWindow::OnDisplayModeChanged(std::uint32_t /*flags*/, int checkedZoomCommand)
{
    // The fit, centre and border checks are read live by the state pass; the
    // zoom items' check mark is known only from the view.
    for (int zoom : kZoomStepCommands)
        SetCommandCheck(zoom, zoom == checkedZoomCommand);
    ApplyCommandStates();
}

void MainWindow::ShowReadingBar(bool show)
{
    // A book opened in full screen (a drop) shows its bar on the way back.
    if (fullScreen_)
        fullScreen_->readingBar = show;
    else
        readingBar_->setVisible(show);
    SetCommandCheck(kCmdViewReadingBar, show);
}

void MainWindow::ShowToolbar(bool show)
{
    mainToolBar_->setVisible(show);
    SetCommandCheck(kCmdViewToolbar, show);
}

void MainWindow::ShowStatusBar(bool show)
{
    statusBar()->setVisible(show);
    SetCommandCheck(kCmdViewStatusBar, show);
}

void MainWindow::SetWindowTitle(const QString &name)
{
    const QString program = LoadString(kIdsAppTitle);
    setWindowTitle(name.isEmpty() ? program : name + QStringLiteral(" - ") + program);
}

void MainWindow::OnCommand(int id)
{
    emit commandRouted(id);
    if (IsRecentDocumentCommand(id)) {
        OnRecentDocument(id - kCmdRecentFirst);
        return;
    }
    switch (id) {
    case kCmdFileNew: OnFileNew(); break;
    case kCmdFileOpen: OnFileOpen(); break;
    case kCmdFileSave: OnFileSave(); break;
    case kCmdFileSaveAs: OnFileSaveAs(); break;
    case kCmdAppExit: OnFileExit(); break;
    case kCmdFileExportPdf: OnExportPdf(); break;
    case kCmdEditPictures:
        SetActivePage(1);
        ShowEditMode();
        break;
    case kCmdEditIntro:
        SetActivePage(0);
        ShowEditMode();
        break;
    case kCmdSettings: OnSettings(); break;
    case kCmdEditMode:
        ShowReadingBar(false);
        ShowEditMode();
        break;
    case kCmdReadMode:
        ShowReadingBar(true);
        ShowReadMode();
        break;
    case kCmdViewToolbar:
        toolbarShown_ = !toolbarShown_;
        ShowToolbar(toolbarShown_);
        break;
    case kCmdViewStatusBar: ShowStatusBar(statusBar()->isHidden()); break;
    case kCmdViewReadingBar: ShowReadingBar(readingBar_->isHidden()); break;
    case kCmdViewBorder:
    case kCmdViewCentre:
    case kCmdViewRedisplay:
    case kCmdFitScreen:
    case kCmdFitWidth:
    case kCmdFitHeight:
    case kCmdZoom25:
    case kCmdZoom50:
    case kCmdZoom100:
    case kCmdZoom200:
    case kCmdZoom400:
    case kCmdZoom800: OnViewCommand(id); break;
    case kCmdFirstPage:
    case kCmdPreviousPage:
    case kCmdNextPage:
    case kCmdLastPage:
    case kCmdJumpForward:
    case kCmdJumpBack: OnNavigate(id); break;
    case kCmdStartAutoBrowse:
    case kCmdStopAutoBrowse: OnAutoBrowse(id); break;
    case kCmdReadingParameters: OnReadingParameters(); break;
    case kCmdFullScreen:
        if (IsFullScreenReading())
            LeaveFullScreen();
        else
            EnterFullScreen();
        break;
    case kCmdHelpManual:
    case kCmdHelpFaq:
    case kCmdHelpSupport: OpenHelpDocument(id); break;
    case kCmdAppAbout: OnAbout(); break;
    default: break;
    }
}

void MainWindow::OnViewCommand(int id)
{
    switch (id) {
    case kCmdViewBorder: viewer_->ToggleBorder(); break;
    case kCmdViewCentre: viewer_->ToggleCentre(); break;
    case kCmdFitScreen: viewer_->ToggleStretch(); break;
    case kCmdFitWidth: viewer_->ToggleFitWidth(); break;
    case kCmdFitHeight: viewer_->ToggleFitHeight(); break;
    case kCmdViewRedisplay: reader_->OnRedisplay(zoomBox_->text(), pageBox_->text()); break;
    default: viewer_->ZoomCommand(id); break;
    }
}

void MainWindow::OnNavigate(int id)
{
    switch (id) {
    case kCmdFirstPage: reader_->Navigate(PageMove::First); break;
    case kCmdJumpBack: reader_->Navigate(PageMove::JumpBack); break;
    case kCmdPreviousPage: reader_->Navigate(PageMove::Previous); break;
    case kCmdNextPage: reader_->Navigate(PageMove::Next); break;
    case kCmdJumpForward: reader_->Navigate(PageMove::JumpForward); break;
    case kCmdLastPage: reader_->Navigate(PageMove::Last); break;
    default: break;
    }
}

void MainWindow::OnAutoBrowse(int /*id*/)
{
    // Start and stop alike switch auto-browse over.
    reader_->ToggleAutoBrowse();
}

void MainWindow::OnReadingParameters()
{
    QWidget *owner = QApplication::activeWindow();
    reader_->OnReadingParameters(owner ? owner : this);
}

FrameIdleInput MainWindow::IdleInput() const
{
    const ZoomScrollModel &view = viewer_->Arithmetic();
    FrameIdleInput in;
    in.readMode = IsReadMode();
    in.fitScreen = view.Has(kDisplayStretch);
    in.fitWidth = view.Has(kDisplayFitWidth);
    in.fitHeight = view.Has(kDisplayFitHeight);
    in.centre = view.Has(kDisplayCentre);
    in.border = view.Has(kDisplayBorder);
    in.autoBrowse = reader_->IsAutoBrowsing();
    in.fullScreen = IsFullScreenReading();
    return in;
}

void MainWindow::OnSettings()
{
    if (settingsDialog_)
        settingsDialog_();
    else
        ShowSettingsDialog();
}

void MainWindow::OnAbout()
{
    AboutDialog about(this);
    about.exec();
}

bool MainWindow::PreTranslate(const QKeyEvent &event)
{
    if (const std::optional<int> command = AppAccelerators().Lookup(acceleratorTable_, event)) {
        OnCommand(*command);
        return true;
    }
    if (!IsReadMode() && formPreTranslate_)
        return formPreTranslate_(event);
    return false;
}

void MainWindow::ApplyCommandStates()
{
    const FrameIdleInput in = IdleInput();
    for (const CommandUiState &state : ComputeCommandStates(in)) {
        const UiTargets targets = UpdateUiTargets(state.id);
        if (state.enabled)
            commands_->Enable(state.id, *state.enabled, targets);
        if (state.checked)
            commands_->Check(state.id, *state.checked, targets);
    }
    zoomBox_->setReadOnly(ZoomBoxReadOnly(in));
}

void MainWindow::OnIdle()
{
    // Auto-browse only runs in read mode: the reader stops it first, so the
    // buttons below show it stopped in the same pass.
    reader_->OnIdle();
    ApplyCommandStates();
    // The form's count follows its entry array, which changes when a book is
    // shown or gathered, not with every row the user adds.
    if (!IsReadMode()) {
        if (BookInfoForm *form = EditForm())
            form->UpdatePictureCount();
    }
}
