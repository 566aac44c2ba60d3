#pragma once

#include "editor/CoverBoxModel.h"

#include <QFrame>

// The cover box of the book information form: a sunken frame whose inside
// shows the cover bitmap of CoverBoxModel.
class CoverBox : public QFrame, public CoverBoxModel {
public:
    explicit CoverBox(QWidget *parent = nullptr);

    // Asks for a picture file (modal to the active window) and makes it the
    // cover, drawn at the box's inside size. Cancelling, or a file that does
    // not load, changes nothing. Returns whether the cover changed.
    bool ChooseCoverPicture();

protected:
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
