#include "editor/StarRatingButton.h"

#include <QMouseEvent>
#include <QPainter>

StarRatingButton::StarRatingButton(QWidget *parent) : QWidget(parent)
{
    // Moves must arrive without a button held, to show the hovered stars.
    setMouseTracking(true);
    // Every pixel is painted (face colour, then stars) into Qt's back buffer,
    // so there is no background erase to flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void StarRatingButton::enterEvent(QEnterEvent *event)
{
    // The first position over the control counts as a move, as it does on
    // platforms that report entering with a move.
    if (MouseMove(qRound(event->position().x()), CellSide(size())))
        repaint();
    QWidget::enterEvent(event);
}

void StarRatingButton::mouseMoveEvent(QMouseEvent *event)
{
    if (MouseMove(qRound(event->position().x()), CellSide(size())))
        repaint();
}

void StarRatingButton::mousePressEvent(QMouseEvent *event)
{
    // Qt grabs the mouse for the pressed widget itself; the impl records that
    // it holds it only when it took the press.
    if (event->button() != Qt::LeftButton || !ButtonDown(qRound(event->position().x()), CellSide(size()))) {
        QWidget::mousePressEvent(event);
        return;
    }
    repaint();
}

void StarRatingButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !Captured()) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    ButtonUp();
}

void StarRatingButton::leaveEvent(QEvent *event)
{
    if (MouseLeave())
        repaint();
    QWidget::leaveEvent(event);
}

void StarRatingButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Paint(painter, rect(), palette().color(QPalette::Button));
}
