#pragma once

#include "editor/StarRatingModel.h"

#include <QWidget>

// The rating control of the book information form: a thin widget that hands
// its mouse input and painting to StarRatingModel. It sends no signal when the
// rating changes; the form reads Rating() when it gathers a book.
class StarRatingButton : public QWidget, public StarRatingModel {
public:
    explicit StarRatingButton(QWidget *parent = nullptr);

protected:
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
