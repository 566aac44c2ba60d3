#include "editor/ThumbBox.h"

#include <QPainter>

CThumbBox::CThumbBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void CThumbBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    Paint(painter, contentsRect(), palette().color(QPalette::Button));
}
