#pragma once

#include "editor/ThumbBoxImpl.h"

#include <QFrame>

// The cover box of the book information form: a sunken frame whose inside
// shows the cover bitmap of CThumbBoxImpl.
class CThumbBox : public QFrame, public CThumbBoxImpl {
public:
    explicit CThumbBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
