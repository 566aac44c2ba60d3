#pragma once

#include "editor/ThumbBoxImpl.h"

#include <QFrame>

// The cover box of the book information form: a sunken frame whose inside
// shows the cover bitmap of CThumbBoxImpl.
class CThumbBox : public QFrame, public CThumbBoxImpl {
public:
    explicit CThumbBox(QWidget *parent = nullptr);

    // Asks for a picture file (modal to the active window) and makes it the
    // cover, drawn at the box's inside size. Cancelling, or a file that does
    // not load, changes nothing. Returns whether the cover changed.
    bool ChooseCoverPicture();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
