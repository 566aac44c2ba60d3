// Books dropped on the main window.

#include "app/FileCommandUi.h"
#include "app/MainWindow.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace {

// The first local book file among the dropped items; empty when there is
// none. Told by its extension, as the open dialog's filter does.
QString DroppedBookFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QFileInfo file(url.toLocalFile());
        if (file.suffix().compare(QLatin1String(kBookDefaultSuffix), Qt::CaseInsensitive) == 0 && file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

// Accepted drags show the copy pointer; the file is only read.
void AcceptIfBook(QDropEvent *event)
{
    if (!DroppedBookFile(event->mimeData()).isEmpty() && (event->possibleActions() & Qt::CopyAction)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event) { AcceptIfBook(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent *event) { AcceptIfBook(event); }

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = DroppedBookFile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // After the drag has ended: the change test may ask for a file name, and
    // the program that started the drag waits until the drop returns.
    QMetaObject::invokeMethod(this, [this, path] { OpenBookFile(path); }, Qt::QueuedConnection);
}
