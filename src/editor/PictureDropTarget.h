#pragma once

#include <QObject>
#include <QStringList>

class PictureSequenceEditor;
class QMimeData;
class QWidget;

// The picture files among dropped items: local files whose names match the
// picture dialogs' "all pictures" types, in the order they were dragged.
QStringList DroppedPictureFiles(const QMimeData *data);

// Takes picture files dropped on the picture sequence list and inserts them
// at the row under the pointer (after the last row below the rows). A drag
// that carries no picture file is refused, so the pointer shows that it
// cannot be dropped there.
class PictureDropTarget : public QObject {
public:
    PictureDropTarget(PictureSequenceEditor &editor, QWidget *listViewport);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PictureSequenceEditor &editor_;
};
