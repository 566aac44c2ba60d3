// Full-screen reading: the page alone, on black, over the whole screen.

#include "app/MainWindow.h"
#include "ui/ResourceIds.h"
#include "viewer/PictureView.h"

#include <QStatusBar>
#include <QToolBar>
#include <QWidget>

void MainWindow::EnterFullScreen()
{
    if (IsFullScreenReading() || !IsReadMode())
        return;
    FullScreenReturn back;
    back.windowState = windowState();
    // The place of a normal window; a maximised one gets its state back and
    // the window manager knows its normal place itself.
    back.geometry = geometry();
    back.menuBand = menuBand_->isVisible();
    back.mainToolBar = mainToolBar_->isVisible();
    back.readingBar = readingBar_->isVisible();
    back.statusBar = statusBar()->isVisible();
    back.viewFrameStyle = viewer_->frameStyle();
    back.viewportPalette = viewer_->viewport()->palette();
    back.acceleratorTable = acceleratorTable_;
    back.focus = focusWidget();
    fullScreen_ = back;

    // The bars are hidden behind the back of their check marks: those keep
    // saying what comes back.
    for (QWidget *part : {static_cast<QWidget *>(menuBand_), static_cast<QWidget *>(mainToolBar_),
                          static_cast<QWidget *>(readingBar_), static_cast<QWidget *>(statusBar())})
        part->hide();
    viewer_->setFrameStyle(QFrame::NoFrame);
    QPalette black = back.viewportPalette;
    black.setColor(QPalette::Window, Qt::black);
    viewer_->viewport()->setPalette(black);
    // Only keys that read: no dialog or form opens over a screen without
    // menus, and Esc leaves as F11 does.
    acceleratorTable_ = kIdrFullScreenAccelerators;
    showFullScreen();
}

void MainWindow::LeaveFullScreen()
{
    if (!IsFullScreenReading())
        return;
    const FullScreenReturn back = *fullScreen_;
    fullScreen_.reset();
    setWindowState(back.windowState);
    if (!(back.windowState & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        setGeometry(back.geometry);
    menuBand_->setVisible(back.menuBand);
    mainToolBar_->setVisible(back.mainToolBar);
    readingBar_->setVisible(back.readingBar);
    statusBar()->setVisible(back.statusBar);
    viewer_->setFrameStyle(back.viewFrameStyle);
    viewer_->viewport()->setPalette(back.viewportPalette);
    acceleratorTable_ = back.acceleratorTable;
    if (back.focus)
        back.focus->setFocus();
    else if (QWidget *focus = focusWidget())
        focus->clearFocus();
}
