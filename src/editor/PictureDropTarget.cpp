#include "editor/PictureDropTarget.h"

#include "editor/PictureSequenceEditor.h"
#include "ui/PictureFileFilters.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTreeView>
#include <QUrl>
#include <QWidget>

QStringList DroppedPictureFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    const QStringList patterns = FilterPatterns(PictureDialogFilters().value(0));
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile())
            continue;
        const QString path = url.toLocalFile();
        if (QDir::match(patterns, QFileInfo(path).fileName()) && QFileInfo(path).isFile())
            files.append(path);
    }
    return files;
}

PictureDropTarget::PictureDropTarget(PictureSequenceEditor &editor, QWidget *listViewport)
    : QObject(&editor), editor_(editor)
{
    listViewport->setAcceptDrops(true);
    listViewport->installEventFilter(this);
}

bool PictureDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        // The files stay where they are: the book only names them.
        if (!DroppedPictureFiles(drag->mimeData()).isEmpty() && (drag->possibleActions() & Qt::CopyAction)) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        } else {
            drag->ignore();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList files = DroppedPictureFiles(drop->mimeData());
        if (files.isEmpty()) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        const QModelIndex under = editor_.List()->indexAt(drop->position().toPoint());
        editor_.AddPictureFilesAt(under.isValid() ? under.row() : editor_.List()->model()->rowCount(), files);
        return true;
    }
    default: return QObject::eventFilter(watched, event);
    }
}
