// Books dropped on the main window.

#include "app/FileCommandUi.h"
#include "app/MainWindow.h"

#include <QCoreApplication>
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

void OpenDroppedBook(MainWindow &frame, QDropEvent *event)
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
    QMetaObject::invokeMethod(
        &frame, [&frame, path] { frame.OpenBookFile(path); }, Qt::QueuedConnection);
}

// A book dragged over any widget of the window is the window's: a text box
// of the form would otherwise take the file's name as text. Other drags go
// on to the widget under the pointer.
class BookDropFilter : public QObject {
public:
    explicit BookDropFilter(MainWindow &frame) : QObject(&frame), frame_(frame) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return false;
        auto *widget = qobject_cast<QWidget *>(watched);
        auto *drag = static_cast<QDropEvent *>(event);
        if (!widget || widget == &frame_ || widget->window() != &frame_ || DroppedBookFile(drag->mimeData()).isEmpty())
            return false;
        if (type == QEvent::Drop)
            OpenDroppedBook(frame_, drag);
        else
            AcceptIfBook(drag);
        return true;
    }

private:
    MainWindow &frame_;
};

} // namespace

void MainWindow::AcceptBookDrops()
{
    setAcceptDrops(true);
    QCoreApplication::instance()->installEventFilter(new BookDropFilter(*this));
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event) { AcceptIfBook(event); }

void MainWindow::dragMoveEvent(QDragMoveEvent *event) { AcceptIfBook(event); }

void MainWindow::dropEvent(QDropEvent *event) { OpenDroppedBook(*this, event); }
