#pragma once

#include "editor/StarRateImpl.h"

#include <QWidget>

// The rating control of the book information form: a thin widget that hands
// its mouse input and painting to CStarRateImpl. It sends no signal when the
// rating changes; the form reads Rating() when it gathers a book.
class CStarRateButton : public QWidget, public CStarRateImpl {
public:
    explicit CStarRateButton(QWidget *parent = nullptr);

protected:
    void enterEvent(QEnterEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
